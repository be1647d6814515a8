#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>

namespace rivetbench::app {

enum class MsgDlgType { Warning, Error, Information, Confirmation };

// MessageDlgCtr: a modal message box centred on form, captioned by its type ("Warning", "Error",
// "Information", "Confirm"), staying on top; returns the button pressed. Text uses "\r\n" or "\n".
// Details, when given, sit behind the box's "Show Details..." button.
QMessageBox::StandardButton MessageDlgCtr(QWidget* form, const QString& text, MsgDlgType type,
                                          QMessageBox::StandardButtons buttons, int helpContext = 0,
                                          const QString& details = {});

// Tests answer message boxes through this instead of a modal loop. When set, MessageDlgCtr calls
// it with the box (built and placed, not shown) and returns its answer.
using MessageDlgResponder = std::function<QMessageBox::StandardButton(QMessageBox& box)>;
void setMessageDlgResponder(MessageDlgResponder responder);

} // namespace rivetbench::app
