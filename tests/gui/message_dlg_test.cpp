#include "editor/app/message_dlg.h"

#include <QApplication>
#include <QPushButton>
#include <QScreen>
#include <QWidget>
#include <gtest/gtest.h>

using namespace rivetbench::app;

namespace {

class MessageDlgTest : public ::testing::Test {
  protected:
    void TearDown() override { setMessageDlgResponder(nullptr); }
};

QPoint centreOf(const QRect& area, const QSize& box) {
    return {area.x() + area.width() / 2 - box.width() / 2, area.y() + area.height() / 2 - box.height() / 2};
}

} // namespace

TEST_F(MessageDlgTest, TypeGivesIconAndCaption) {
    const struct {
        MsgDlgType type;
        QMessageBox::Icon icon;
        const char* caption;
    } cases[] = {{MsgDlgType::Warning, QMessageBox::Warning, "Warning"},
                 {MsgDlgType::Error, QMessageBox::Critical, "Error"},
                 {MsgDlgType::Information, QMessageBox::Information, "Information"},
                 {MsgDlgType::Confirmation, QMessageBox::Question, "Confirm"}};
    for (const auto& c : cases) {
        int calls = 0;
        setMessageDlgResponder([&](QMessageBox& box) {
            ++calls;
            EXPECT_EQ(box.icon(), c.icon) << c.caption;
            EXPECT_EQ(box.windowTitle(), QString::fromLatin1(c.caption));
            return QMessageBox::Ok;
        });
        EXPECT_EQ(MessageDlgCtr(nullptr, QStringLiteral("x"), c.type, QMessageBox::Ok), QMessageBox::Ok);
        EXPECT_EQ(calls, 1) << c.caption;
    }
}

TEST_F(MessageDlgTest, BoxCarriesTextButtonsAndStaysOnTop) {
    setMessageDlgResponder([](QMessageBox& box) {
        EXPECT_EQ(box.text(), QStringLiteral("Save changes to <Aircraft.cfg>?\nThey will be lost."));
        EXPECT_EQ(box.standardButtons(), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        EXPECT_EQ(box.defaultButton(), box.button(QMessageBox::Yes));
        EXPECT_TRUE(box.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        EXPECT_TRUE(box.isModal());
        EXPECT_FALSE(box.isVisible());
        return QMessageBox::No;
    });
    EXPECT_EQ(MessageDlgCtr(nullptr, QStringLiteral("Save changes to <Aircraft.cfg>?\r\nThey will be lost."),
                            MsgDlgType::Confirmation,
                            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel),
              QMessageBox::No);
}

TEST_F(MessageDlgTest, DefaultIsTheFirstOfOkAndYes) {
    const struct {
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton expected;
    } cases[] = {{QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok},
                 {QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes},
                 {QMessageBox::No | QMessageBox::Cancel, QMessageBox::NoButton}};
    for (const auto& c : cases) {
        QMessageBox::StandardButton seen = QMessageBox::NoButton;
        setMessageDlgResponder([&](QMessageBox& box) {
            seen = box.defaultButton() ? box.standardButton(box.defaultButton()) : QMessageBox::NoButton;
            return QMessageBox::Cancel;
        });
        MessageDlgCtr(nullptr, QStringLiteral("x"), MsgDlgType::Warning, c.buttons);
        EXPECT_EQ(seen, c.expected) << c.buttons.toInt();
    }
}

// A form dragged partly off the screen keeps its box centred on it, not pushed onto the screen,
// both as prepared and once shown at its final size.
TEST_F(MessageDlgTest, CentresOnTheFormEvenOffScreen) {
    QWidget form;
    form.setGeometry(-300, 150, 640, 480);
    form.show();
    const QRect area = form.frameGeometry();
    QRect prepared, shown;
    setMessageDlgResponder([&](QMessageBox& box) {
        prepared = box.frameGeometry();
        box.show();
        QApplication::processEvents();
        shown = box.frameGeometry();
        box.hide();
        return QMessageBox::Ok;
    });
    MessageDlgCtr(&form, QStringLiteral("A message long enough to give the box some width."),
                  MsgDlgType::Error, QMessageBox::Ok);
    ASSERT_FALSE(prepared.isEmpty());
    EXPECT_EQ(prepared.topLeft(), centreOf(area, prepared.size()));
    // Shown, the box has its final size; its frame margins are known only once the window exists.
    ASSERT_FALSE(shown.isEmpty());
    EXPECT_NEAR(shown.center().x(), area.center().x(), 3);
    EXPECT_NEAR(shown.center().y(), area.center().y(), 3);
    EXPECT_LT(shown.x(), 0);
}

TEST_F(MessageDlgTest, WithoutFormCentresOnTheScreen) {
    QPoint placed;
    QSize size;
    setMessageDlgResponder([&](QMessageBox& box) {
        placed = box.pos();
        size = box.size();
        return QMessageBox::Ok;
    });
    MessageDlgCtr(nullptr, QStringLiteral("x"), MsgDlgType::Information, QMessageBox::Ok);
    EXPECT_EQ(placed, centreOf(QGuiApplication::primaryScreen()->availableGeometry(), size));
}
