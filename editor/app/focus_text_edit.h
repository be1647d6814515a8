#pragma once

#include <QPlainTextEdit>

namespace rivetbench::app {

// A text box whose text turns red while it has the focus, as every editing box of the program does.
class FocusTextEdit : public QPlainTextEdit {
    Q_OBJECT
  public:
    explicit FocusTextEdit(QWidget* parent = nullptr);

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void setTextColour(const QColor& colour);
    QColor normal_;
};

} // namespace rivetbench::app
