#include "editor/edit/tfrm_edit_value.h"

#include "editor/app/dialog_face.h"
#include "editor/app/message_dlg.h"
#include "editor/app/ui_sound.h"

#include <QFrame>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QTextDocument>
#include <QTextOption>
#include <QToolButton>
#include <algorithm>

// The icon set lives in the same static library; this window may be linked without the others
// that register it. Registering twice is harmless.
static void initIconResources() {
    Q_INIT_RESOURCE(icons);
}

namespace rivetbench::app {

namespace {

// Space first; backslash and slash are both path characters.
const QString kAllowedChars =
    QStringLiteral(" _01234567890.,abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ-=+\\/?!%()[]{}$&<>");

const QString kEmptyWarning = QStringLiteral("Warning: Please confirm that no value was entered!\r\n(Press "
                                             "OK to continue, Cancel to re-enter a value)");
const QString kNoChange = QStringLiteral("No change made to this parameter!");

bool isEnter(const QKeyEvent* key) {
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

// Control characters (Backspace, Delete, Tab, shortcuts' codes) are editing, not text.
bool carriesText(const QString& text) {
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() >= 0x20 && c.unicode() != 0x7f; });
}

QLabel* placeLabel(QLabel* label, const char* name, int x, int y) {
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->move(x, y);
    label->adjustSize();
    return label;
}

} // namespace

ValueEdit::ValueEdit(QWidget* parent) : FocusTextEdit(parent) {
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setTabChangesFocus(true);
    // Alignment lives in the document's default option, which the plain layout applies to every line.
    QTextOption option = document()->defaultTextOption();
    option.setAlignment(Qt::AlignHCenter);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    document()->setDefaultTextOption(option);
}

QString ValueEdit::value() const {
    QString text = document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

QString ValueEdit::fitting(const QString& text) const {
    const qsizetype kept = value().size() - textCursor().selectedText().size();
    return TfrmEditValue::filtered(text).left(std::max<qsizetype>(0, kMaxLength - kept));
}

void ValueEdit::keyPressEvent(QKeyEvent* event) {
    if (isEnter(event) || event->key() == Qt::Key_Escape) {
        event->ignore(); // the dialog's key preview takes them
        return;
    }
    const QString text = event->text();
    if (carriesText(text) && fitting(text) != text) {
        event->accept(); // swallowed silently, as is a character beyond the length limit
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

bool ValueEdit::canInsertFromMimeData(const QMimeData* source) const {
    return source && source->hasText();
}

void ValueEdit::insertFromMimeData(const QMimeData* source) {
    if (!source || !source->hasText()) return;
    const QString kept = fitting(source->text());
    if (!kept.isEmpty() || textCursor().hasSelection()) insertPlainText(kept);
}

void ValueEdit::inputMethodEvent(QInputMethodEvent* event) {
    const QString commit = event->commitString();
    const QString kept = fitting(commit);
    if (kept == commit) {
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent allowed(event->preeditString(), event->attributes());
    allowed.setCommitString(kept, event->replacementStart(), event->replacementLength());
    QPlainTextEdit::inputMethodEvent(&allowed);
    event->accept();
}

TfrmEditValue::TfrmEditValue(UiSounds* sounds, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      sounds_(sounds) {
    initIconResources();
    setObjectName(QStringLiteral("TfrmEditValue"));
    setWindowTitle(QStringLiteral("Rivetbench - Edit Value"));
    setFixedSize(440, 190);
    setModal(true);

    applyDialogFace(this, 138);

    placeLabel(new QLabel(QStringLiteral("Parameter:"), this), "lbParameter", 17, 12);

    varLabel_ = new QLabel(this);
    varLabel_->setObjectName(QStringLiteral("VarLabel"));
    varLabel_->setTextFormat(Qt::PlainText); // captions such as "<none>" show as written
    varLabel_->setAlignment(Qt::AlignCenter);
    varLabel_->setGeometry(20, 30, 400, 20);
    QFont bold = varLabel_->font();
    bold.setBold(true);
    varLabel_->setFont(bold);

    placeLabel(new QLabel(QStringLiteral("Enter or edit a value:"), this), "lbValue", 17, 62);

    imgHintEdit_ = new QToolButton(this);
    imgHintEdit_->setObjectName(QStringLiteral("imgHintEdit"));
    imgHintEdit_->setGeometry(405, 61, 17, 17);
    imgHintEdit_->setIcon(QIcon(QStringLiteral(":/icons/sdk_note.svg")));
    imgHintEdit_->setIconSize(QSize(15, 15));
    imgHintEdit_->setAutoRaise(true);
    imgHintEdit_->setFocusPolicy(Qt::NoFocus); // Tab goes value, Apply, Cancel
    imgHintEdit_->setCursor(Qt::PointingHandCursor);
    imgHintEdit_->setToolTip(QStringLiteral("Edit the popup hint"));
    connect(imgHintEdit_, &QToolButton::clicked, this, &TfrmEditValue::hintEditRequested);

    valEdit_ = new ValueEdit(this);
    valEdit_->setObjectName(QStringLiteral("ValEdit"));
    valEdit_->setGeometry(17, 81, 405, 37);
    connect(valEdit_, &QPlainTextEdit::textChanged, this, [this] {
        if (!filling_) valueChanged_ = true;
    });

    btnApply_ = new QPushButton(QStringLiteral("&Apply"), this);
    btnApply_->setObjectName(QStringLiteral("btnApply"));
    btnApply_->setGeometry(246, 149, 84, 29);
    btnApply_->setDefault(true);
    connect(btnApply_, &QPushButton::clicked, this, &TfrmEditValue::btnApplyClick);

    btnCancel_ = new QPushButton(QStringLiteral("&Cancel"), this);
    btnCancel_->setObjectName(QStringLiteral("btnCancel"));
    btnCancel_->setGeometry(338, 149, 84, 29);
    btnCancel_->setAutoDefault(false);
    connect(btnCancel_, &QPushButton::clicked, this, &TfrmEditValue::btnCancelClick);

    setTabOrder(valEdit_, btnApply_);
    setTabOrder(btnApply_, btnCancel_);

    // Key preview: Enter and Esc act for the whole form, whichever control has the focus.
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
}

bool TfrmEditValue::isAllowedChar(QChar c) {
    return kAllowedChars.contains(c);
}

QString TfrmEditValue::filtered(const QString& text) {
    QString kept;
    kept.reserve(text.size());
    for (QChar c : text)
        if (isAllowedChar(c)) kept += c;
    return kept;
}

void TfrmEditValue::fill(const QString& caption, const QString& value, bool commentsRemoved) {
    result_.reset();
    varLabel_->setText(caption);
    filling_ = true;
    valEdit_->setPlainText(value);
    filling_ = false;
    valEdit_->moveCursor(QTextCursor::End);
    valueChanged_ = commentsRemoved;
    valEdit_->setFocus();
}

void TfrmEditValue::open(const QString& caption, const QString& value, bool commentsRemoved) {
    fill(caption, value, commentsRemoved);
    show();
}

std::optional<QString> TfrmEditValue::editValue(const QString& caption, const QString& value,
                                                bool commentsRemoved) {
    fill(caption, value, commentsRemoved);
    exec();
    return result_;
}

void TfrmEditValue::done(int r) {
    valueChanged_ = false; // FormClose
    QDialog::done(r);
}

bool TfrmEditValue::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    // A message box parented here is a window of its own: its keys are its own.
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (widget && widget->window() != this) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (isEnter(key)) {
        btnApplyClick();
        return true;
    }
    if (key->key() == Qt::Key_Escape) {
        btnCancelClick();
        return true;
    }
    return false;
}

void TfrmEditValue::showEvent(QShowEvent* event) {
    if (QWidget* owner = parentWidget()) {
        const QRect area = owner->window()->frameGeometry();
        move(area.x() + area.width() / 2 - width() / 2, area.y() + area.height() / 2 - height() / 2);
    }
    QDialog::showEvent(event);
}

void TfrmEditValue::playClick() {
    if (sounds_) sounds_->PlayUISound(0);
}

void TfrmEditValue::btnApplyClick() {
    playClick();
    QWidget* form = parentWidget() ? parentWidget() : this;
    if (valEdit_->value().isEmpty() &&
        MessageDlgCtr(form, kEmptyWarning, MsgDlgType::Warning, QMessageBox::Ok | QMessageBox::Cancel) !=
            QMessageBox::Ok)
        return;
    if (valueChanged_)
        ApplyChanges();
    else
        MessageDlgCtr(form, kNoChange, MsgDlgType::Information, QMessageBox::Ok);
}

void TfrmEditValue::ApplyChanges() {
    result_ = valEdit_->value();
    emit applied(*result_);
    accept();
}

void TfrmEditValue::btnCancelClick() {
    playClick();
    reject();
}

} // namespace rivetbench::app
