#include "editor/app/tfrm_about.h"
#include "editor/app/ui_sound.h"
#include "editor/platform/sound_player.h"
#include "test_sounds.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using namespace rivetbench;
using app::TfrmAbout;
using app::TfrmSplash;

namespace {

template <class T> T* child(QWidget& form, const char* name) {
    T* found = form.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

using rivetbench::test::SoundRig;

} // namespace

TEST(TfrmAbout, VersionText) {
    const struct {
        double version;
        const char* text;
    } cases[] = {
        {1, "Version : 1.0"}, {1.5, "Version : 1.5"}, {10, "Version : 10"}, {2.25, "Version : 2.25"}};
    for (const auto& c : cases)
        EXPECT_EQ(TfrmAbout::versionText(c.version), QString::fromLatin1(c.text)) << c.version;
}

TEST(TfrmAbout, ControlsAndPlaces) {
    TfrmAbout about(nullptr);
    EXPECT_EQ(about.objectName(), QStringLiteral("TfrmAbout"));
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Rivetbench"));
    EXPECT_EQ(about.minimumSize(), QSize(332, 166));
    EXPECT_EQ(about.maximumSize(), QSize(332, 166));
    EXPECT_TRUE(about.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(about.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(about.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(about.isModal());

    auto* icon = child<QLabel>(about, "imgIco");
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->geometry(), QRect(30, 27, 34, 34));
    EXPECT_FALSE(icon->pixmap().isNull());

    auto* maker = child<QLabel>(about, "lbMaker");
    auto* link = child<QLabel>(about, "lbKestrixLink");
    auto* version = child<QLabel>(about, "VersionLabel");
    auto* ok = child<QPushButton>(about, "btnOK");
    ASSERT_TRUE(maker && link && version && ok);
    EXPECT_EQ(maker->text(), QStringLiteral("Made with care by"));
    EXPECT_EQ(maker->pos(), QPoint(70, 48));
    EXPECT_EQ(link->text(), QStringLiteral("Kestrix"));
    EXPECT_EQ(link->toolTip(), QStringLiteral("Link to the Kestrix website"));
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_TRUE(link->font().underline());
    EXPECT_EQ(link->y(), 48);
    EXPECT_GT(link->x(), maker->geometry().right()); // after the notice, not over it
    EXPECT_EQ(version->pos(), QPoint(70, 68));
    EXPECT_EQ(version->toolTip(), QStringLiteral("Application Version Number"));
    EXPECT_EQ(ok->text(), QStringLiteral("&OK"));
    EXPECT_EQ(ok->geometry(), QRect(124, 114, 84, 29));

    bool titled = false;
    for (const QLabel* label : about.findChildren<QLabel*>()) {
        if (label->text() != QStringLiteral("Rivetbench for Flight Simulator X")) continue;
        titled = true;
        EXPECT_EQ(label->pos(), QPoint(70, 26));
        EXPECT_TRUE(label->font().bold());
        EXPECT_EQ(label->font().pointSize(), 10);
        EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(0x00, 0x00, 0x80));
        EXPECT_LE(label->geometry().right(), about.width()); // the bold title fits the window
    }
    EXPECT_TRUE(titled);
}

TEST(TfrmAbout, EachShowingSetsTheVersion) {
    TfrmAbout about(nullptr);
    auto* version = child<QLabel>(about, "VersionLabel");
    ASSERT_NE(version, nullptr);
    for (int showing = 0; showing < 2; ++showing) {
        version->setText(QStringLiteral("stale"));
        about.show();
        EXPECT_EQ(version->text(), QStringLiteral("Version : 1.0")) << showing;
        about.hide();
    }
}

TEST(TfrmAbout, OkAndEscClickAndHide) {
    const struct {
        const char* how;
        void (*press)(TfrmAbout&);
    } cases[] = {
        {"Esc", [](TfrmAbout& a) { QTest::keyClick(&a, Qt::Key_Escape); }},
        {"OK", [](TfrmAbout& a) { QTest::mouseClick(a.findChild<QPushButton*>("btnOK"), Qt::LeftButton); }}};
    for (const auto& c : cases) {
        SoundRig rig;
        ASSERT_TRUE(rig.temp.isValid());
        TfrmAbout about(&rig.sounds);
        about.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
        c.press(about);
        EXPECT_TRUE(about.isHidden()) << c.how;
        EXPECT_EQ(rig.player.lastPlayed(), rig.buttonSound()) << c.how;
    }
}

TEST(TfrmAbout, CentresOnTheMainWindow) {
    QWidget main;
    main.setGeometry(-120, 80, 900, 640);
    main.show();
    TfrmAbout about(nullptr, &main);
    about.show();
    const QRect area = main.frameGeometry();
    EXPECT_EQ(about.pos(), QPoint(area.x() + area.width() / 2 - about.width() / 2,
                                  area.y() + area.height() / 2 - about.height() / 2));
}

TEST(TfrmSplash, RoundedPictureCentredOnScreen) {
    TfrmSplash splash;
    EXPECT_EQ(splash.objectName(), QStringLiteral("TfrmSplash"));
    EXPECT_EQ(splash.size(), QSize(360, 90));
    EXPECT_EQ(splash.minimumSize(), splash.maximumSize());
    EXPECT_TRUE(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(splash.windowType(), Qt::SplashScreen);
    EXPECT_TRUE(splash.testAttribute(Qt::WA_TranslucentBackground));
    EXPECT_EQ(splash.geometry().center(), QGuiApplication::primaryScreen()->availableGeometry().center());

    const QImage shot = splash.grab().toImage();
    EXPECT_EQ(qAlpha(shot.pixel(0, 0)), 0); // the rounded corner lets the desktop show
    EXPECT_EQ(qAlpha(shot.pixel(shot.width() / 2, shot.height() / 2)), 255); // the picture is drawn
}

TEST(Icons, EveryIconIsAValidDrawing) {
    const char* names[] = {"rivetbench",
                           "page_main",
                           "page_main_over",
                           "page_config",
                           "page_config_over",
                           "page_settings",
                           "page_settings_over",
                           "link_web",
                           "link_news",
                           "link_help",
                           "link_about",
                           "tree_root",
                           "tree_node",
                           "tree_node_selected",
                           "sdk_note",
                           "fsedit",
                           "tool_edit_current",
                           "tool_edit_original",
                           "tool_center",
                           "tool_launch_air",
                           "folder_open",
                           "aircraft",
                           "btn_fsx",
                           "btn_restore",
                           "btn_save",
                           "btn_exit",
                           "splash"};
    for (const char* name : names) {
        QSvgRenderer drawing(QStringLiteral(":/icons/%1.svg").arg(QString::fromLatin1(name)));
        EXPECT_TRUE(drawing.isValid()) << name;
    }
    for (const QString& file : QDir(QStringLiteral(":/icons")).entryList()) {
        QSvgRenderer drawing(QStringLiteral(":/icons/") + file);
        EXPECT_TRUE(drawing.isValid()) << file.toStdString();
    }
}
