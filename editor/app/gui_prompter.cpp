#include "editor/app/gui_prompter.h"

#include "editor/app/gui_text.h"
#include "editor/app/message_dlg.h"
#include "editor/app/ui_sound.h"

namespace rivetbench::app {

void GuiPrompter::clickSound() {
    if (sounds_) sounds_->PlayUISound(0);
}

bool GuiPrompter::confirm(std::string_view text, save::Buttons buttons) {
    const auto set = buttons == save::Buttons::YesCancel ? (QMessageBox::Yes | QMessageBox::Cancel)
                                                         : (QMessageBox::Ok | QMessageBox::Cancel);
    const auto answer = MessageDlgCtr(form_, fromUtf8(text), MsgDlgType::Confirmation, set, 0, details_);
    return answer == QMessageBox::Yes || answer == QMessageBox::Ok;
}

void GuiPrompter::inform(std::string_view text) {
    MessageDlgCtr(form_, fromUtf8(text), MsgDlgType::Information, QMessageBox::Ok);
}

void GuiPrompter::error(std::string_view text) {
    MessageDlgCtr(form_, fromUtf8(text), MsgDlgType::Error, QMessageBox::Ok);
}

} // namespace rivetbench::app
