#pragma once

#include "editor/save/prompter.h"

#include <QString>

class QWidget;

namespace rivetbench::app {

class UiSounds;

// The questions of Save and Restore as message boxes centred on the window.
class GuiPrompter : public save::Prompter {
  public:
    GuiPrompter(QWidget* form, UiSounds* sounds) : form_(form), sounds_(sounds) {}
    void clickSound() override;
    bool confirm(std::string_view text, save::Buttons buttons) override;
    void inform(std::string_view text) override;
    void error(std::string_view text) override;
    // Shown behind "Show Details..." of the next question.
    void setDetails(QString details) { details_ = std::move(details); }

  private:
    QWidget* form_;
    UiSounds* sounds_;
    QString details_;
};

} // namespace rivetbench::app
