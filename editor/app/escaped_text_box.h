#pragma once

#include <QPlainTextEdit>

namespace rivetbench::app {

// The description and performance boxes: the file keeps these values on one line, so Enter adds
// no line and a pasted or dropped line break becomes the file's own "\n" escape. The text turns
// red while the box has the focus.
class EscapedTextBox : public QPlainTextEdit {
    Q_OBJECT
  public:
    explicit EscapedTextBox(QWidget* parent = nullptr);
    static QString escapeLineBreaks(QString text);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void setTextColour(const QColor& colour);
    QColor normal_;
};

} // namespace rivetbench::app
