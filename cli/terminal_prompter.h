#pragma once

#include "editor/save/prompter.h"

namespace rivetbench::cli {

// Questions and notices on the terminal: notices on standard output, errors on standard error.
// Without --yes a question is asked on the terminal, and refused when standard input is not one.
class TerminalPrompter : public save::Prompter {
  public:
    explicit TerminalPrompter(bool assumeYes) : assumeYes_(assumeYes) {}
    bool confirm(std::string_view text, save::Buttons buttons) override;
    void inform(std::string_view text) override;
    void error(std::string_view text) override;
    bool refusedForNoTerminal() const { return refusedForNoTerminal_; }

  private:
    bool assumeYes_;
    bool refusedForNoTerminal_ = false;
};

} // namespace rivetbench::cli
