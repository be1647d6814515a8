#include "editor/app/focus_text_edit.h"

namespace rivetbench::app {

FocusTextEdit::FocusTextEdit(QWidget* parent) : QPlainTextEdit(parent) {
    normal_ = palette().color(QPalette::Text);
}

void FocusTextEdit::focusInEvent(QFocusEvent* event) {
    setTextColour(Qt::red);
    QPlainTextEdit::focusInEvent(event);
}

void FocusTextEdit::focusOutEvent(QFocusEvent* event) {
    setTextColour(normal_);
    QPlainTextEdit::focusOutEvent(event);
}

void FocusTextEdit::setTextColour(const QColor& colour) {
    QPalette p = palette();
    p.setColor(QPalette::Text, colour);
    setPalette(p);
}

} // namespace rivetbench::app
