#pragma once

#include <string_view>

namespace rivetbench::save {

enum class Buttons { YesCancel, OkCancel };

// The questions and notices of Save and Restore; the window shows message boxes, the
// command-line tool prints. Texts are UTF-8 with CR LF line breaks.
class Prompter {
  public:
    virtual ~Prompter() = default;
    virtual void clickSound() {}
    // True when the user answered Yes (or OK).
    virtual bool confirm(std::string_view text, Buttons buttons) = 0;
    virtual void inform(std::string_view text) = 0;
    virtual void error(std::string_view text) = 0;
};

} // namespace rivetbench::save
