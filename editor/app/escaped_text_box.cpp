#include "editor/app/escaped_text_box.h"

#include <QKeyEvent>
#include <QMimeData>

namespace rivetbench::app {

EscapedTextBox::EscapedTextBox(QWidget* parent) : FocusTextEdit(parent) {
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setTabChangesFocus(true);
}

QString EscapedTextBox::escapeLineBreaks(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String("\\n"));
    text.replace(QLatin1Char('\r'), QLatin1String("\\n"));
    text.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    text.replace(QChar(0x2029), QLatin1String("\\n")); // paragraph separator from rich text
    text.replace(QChar(0x2028), QLatin1String("\\n"));
    return text;
}

void EscapedTextBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->ignore(); // the window's default button, if any, may take it
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void EscapedTextBox::insertFromMimeData(const QMimeData* source) {
    if (source && source->hasText()) insertPlainText(escapeLineBreaks(source->text()));
}

} // namespace rivetbench::app
