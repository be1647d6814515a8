#include "editor/app/message_dlg.h"

#include <QApplication>
#include <QFontDatabase>
#include <QScreen>
#include <QTextEdit>
#include <utility>

namespace rivetbench::app {

namespace {

MessageDlgResponder& responder() {
    static MessageDlgResponder instance;
    return instance;
}

struct TypeLook {
    QMessageBox::Icon icon;
    const char* caption;
};

TypeLook lookOf(MsgDlgType type) {
    switch (type) {
    case MsgDlgType::Warning:
        return {QMessageBox::Warning, "Warning"};
    case MsgDlgType::Error:
        return {QMessageBox::Critical, "Error"};
    case MsgDlgType::Information:
        return {QMessageBox::Information, "Information"};
    case MsgDlgType::Confirmation:
        return {QMessageBox::Question, "Confirm"};
    }
    return {QMessageBox::NoIcon, ""};
}

// QMessageBox settles its size only once shown (and again on the first layout pass after), so the
// box centres itself again whenever its size changes while visible; before that it is placed by
// its size hint, which is what a responder sees.
class CentredMessageBox : public QMessageBox {
  public:
    CentredMessageBox(QWidget* form, QRect area) : QMessageBox(form), area_(area) {}

    void centre() {
        if (!area_.isValid()) return;
        const QSize size = frameGeometry().size();
        move(area_.x() + area_.width() / 2 - size.width() / 2,
             area_.y() + area_.height() / 2 - size.height() / 2);
    }

  protected:
    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event);
        centre();
    }
    void resizeEvent(QResizeEvent* event) override {
        QMessageBox::resizeEvent(event);
        if (isVisible()) centre();
    }

  private:
    QRect area_;
};

} // namespace

void setMessageDlgResponder(MessageDlgResponder newResponder) {
    responder() = std::move(newResponder);
}

QMessageBox::StandardButton MessageDlgCtr(QWidget* form, const QString& text, MsgDlgType type,
                                          QMessageBox::StandardButtons buttons, int helpContext,
                                          const QString& details) {
    (void)helpContext; // there is no help file to open
    const TypeLook look = lookOf(type);

    // Centred on the form even when the form hangs off the screen edge, as the user placed it.
    QRect area;
    if (form)
        area =
            form->isWindow() ? form->frameGeometry() : QRect(form->mapToGlobal(QPoint(0, 0)), form->size());
    else if (const QScreen* screen = QGuiApplication::primaryScreen())
        area = screen->availableGeometry();

    CentredMessageBox box(form, area);
    box.setIcon(look.icon);
    box.setWindowTitle(QString::fromLatin1(look.caption));
    box.setTextFormat(Qt::PlainText); // messages quote paths and values, never markup
    box.setText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    box.setStandardButtons(buttons);
    if (!details.isEmpty()) {
        box.setDetailedText(details);
        // Diffs read best in a fixed-width font and need more room than the box gives by default.
        if (auto* detailsView = box.findChild<QTextEdit*>()) {
            detailsView->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
            detailsView->setLineWrapMode(QTextEdit::NoWrap);
            detailsView->setMinimumSize(520, 220);
        }
    }
    if (buttons.testFlag(QMessageBox::Ok))
        box.setDefaultButton(QMessageBox::Ok);
    else if (buttons.testFlag(QMessageBox::Yes))
        box.setDefaultButton(QMessageBox::Yes);
    box.setWindowModality(Qt::ApplicationModal); // resets the window flags: set them after
    box.setWindowFlags(box.windowFlags() | Qt::WindowStaysOnTopHint);
    box.adjustSize();
    box.centre();

    if (responder()) return responder()(box);
    box.exec();
    return box.standardButton(box.clickedButton());
}

} // namespace rivetbench::app
