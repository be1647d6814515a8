#pragma once

#include "editor/app/focus_text_edit.h"

#include <QDialog>
#include <QPlainTextEdit>
#include <QString>
#include <optional>

class QLabel;
class QPushButton;
class QToolButton;

namespace rivetbench::app {

class UiSounds;

// ValEdit: the value box. A value stays on one line of the file and must not carry comment or
// quote characters, so typed, pasted, dropped and composed text all pass the same character
// filter (which has no line break in it). At most 1000 characters go in; the text is centred and
// turns red while the box has the focus.
class ValueEdit : public FocusTextEdit {
    Q_OBJECT
  public:
    static constexpr int kMaxLength = 1000;
    explicit ValueEdit(QWidget* parent = nullptr);

    // The text as it stands, line for line (toPlainText would turn no-break spaces into spaces).
    QString value() const;

  protected:
    void keyPressEvent(QKeyEvent* event) override; // ValEditKeyPress
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

  private:
    QString fitting(const QString& text) const; // filtered and cut to the room left
};

// TfrmEditValue: "Rivetbench - Edit Value", where the user changes one parameter value. Modal,
// 440 x 190, centred on the main window. Enter anywhere applies, Esc anywhere cancels.
class TfrmEditValue : public QDialog {
    Q_OBJECT
  public:
    explicit TfrmEditValue(UiSounds* sounds, QWidget* parent = nullptr);

    // HndTheVal has run in the caller: caption and value are final; commentsRemoved says whether
    // "Remove Comments on Editing" took something off, which makes the value count as changed.
    // Shows the dialog modally; returns the applied text, or nullopt when cancelled or closed.
    std::optional<QString> editValue(const QString& caption, const QString& value, bool commentsRemoved);
    bool valueChanged() const { return valueChanged_; } // ValueChanged
    static bool isAllowedChar(QChar c);
    static QString filtered(const QString& text); // only the allowed characters

    // The same filling, shown without a modal loop (tests drive the dialog through this).
    using QDialog::open;
    void open(const QString& caption, const QString& value, bool commentsRemoved);
    // Set by Apply; nullopt after Cancel or close.
    std::optional<QString> result() const { return result_; }

  signals:
    void applied(const QString& text);
    void hintEditRequested();

  public slots:
    void done(int r) override; // FormClose: every way of closing passes here

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override; // key preview: Enter and Esc
    void showEvent(QShowEvent* event) override;

  private:
    void fill(const QString& caption, const QString& value, bool commentsRemoved);
    void btnApplyClick();
    void btnCancelClick();
    void ApplyChanges();
    void playClick();

    UiSounds* sounds_;
    QLabel* varLabel_;
    ValueEdit* valEdit_;
    QToolButton* imgHintEdit_;
    QPushButton* btnApply_;
    QPushButton* btnCancel_;
    bool valueChanged_ = false;
    bool filling_ = false; // text set from code is no change by the user
    std::optional<QString> result_;
};

} // namespace rivetbench::app
