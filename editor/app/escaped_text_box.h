#pragma once

#include "editor/app/focus_text_edit.h"

namespace rivetbench::app {

// The description and performance boxes: the file keeps these values on one line, so Enter adds
// no line and a pasted or dropped line break becomes the file's own "\n" escape.
class EscapedTextBox : public FocusTextEdit {
    Q_OBJECT
  public:
    explicit EscapedTextBox(QWidget* parent = nullptr);
    static QString escapeLineBreaks(QString text);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
};

} // namespace rivetbench::app
