#include "editor/app/nav_tree.h"
#include "editor/app/section_view.h"
#include "editor/app/window_placement.h"
#include "editor/config/catalogue.h"
#include "gui_fixture.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QStackedWidget>
#include <QTest>
#include <QToolButton>

namespace rivetbench::test {
namespace {

class MainWindow : public WindowTest {
  protected:
    QWidget* shownPage() const { return window->findChild<QStackedWidget*>("pageArea")->currentWidget(); }
    QString shownPageName() const { return shownPage() ? shownPage()->objectName() : QString(); }
    void click(const char* name) { QTest::mouseClick(find<QToolButton>(name), Qt::LeftButton); }
    void choose(int index) {
        auto* tree = find<app::NavTree>("treeSectNav");
        tree->setCurrentItem(tree->node(index));
        QApplication::processEvents();
    }
    bool sectionLinksShown() const {
        return window->findChild<QToolButton*>("SDKNoteLabel")->isVisibleTo(window.get());
    }
};

TEST_F(MainWindow, FirstStartWithoutSettingsOpensTheSampleInACentredWindow) {
    const std::string repoSample = readAll(fs::path(RIVETBENCH_SAMPLE_DIR) / "aircraft.cfg");
    app::TfrmMain& w = start();

    EXPECT_EQ(w.windowTitle(), "Rivetbench for FSX");
    EXPECT_EQ(w.size(), QSize(600, 470));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(w.pos(), app::centredPosition(screen, w.size()));
    EXPECT_EQ(shownPageName(), "pnlMain");
    EXPECT_FALSE(find<QCheckBox>("MinCheckBox")->isChecked());
    for (const char* on : {"cbTreeExpand", "cbRemoveComments", "cbRemoveBlanks"})
        EXPECT_TRUE(find<QCheckBox>(on)->isChecked()) << on;

    // A working copy of the bundled sample, read at once; the repository's copy stays as it is.
    const fs::path copy = root / "data" / "Sample Aircraft";
    EXPECT_EQ(readAll(copy / "aircraft.cfg"), repoSample);
    EXPECT_TRUE(fs::exists(copy / "texture" / "thumbnail.jpg"));
    EXPECT_EQ(find<QLineEdit>("TitleEdit")->text(), " Rivetbench Sparrow 180 Red");
    EXPECT_EQ(find<QLabel>("LabelVariations")->text(), "(3)");
    EXPECT_EQ(w.selectedFolder(), QString::fromStdString(copy.string()));
    EXPECT_TRUE(messages.isEmpty()) << messages.join("|").toStdString();
}

TEST_F(MainWindow, ConfigPageNeedsALoadedAircraft) {
    // A stored folder that holds no aircraft.cfg.
    writeAll(program / "Rivetbench.ini",
             "[GenSettings]\r\nLastCfg=" + aircraft("empty", false).string() + "\r\n");
    start();
    click("lbConfigIco");
    EXPECT_EQ(messages, QStringList{"Before editing please load an aircraft first!"});
    EXPECT_EQ(titles, QStringList{"Information"});
    EXPECT_EQ(shownPageName(), "pnlMain");
    EXPECT_FALSE(find<app::NavTree>("treeSectNav")->isVisibleTo(window.get()));
    EXPECT_TRUE(find<QToolButton>("lbMainIco")->isChecked());
}

TEST_F(MainWindow, PagesAndPanelsSwitchAsTheUserGoes) {
    start();
    click("lbConfigIco"); // the first visit shows [Main]
    EXPECT_EQ(shownPageName(), "pnlFltsim");
    EXPECT_TRUE(find<app::NavTree>("treeSectNav")->isVisibleTo(window.get()));
    EXPECT_TRUE(find<QToolButton>("lbConfigIco")->isChecked());

    choose(8);
    EXPECT_EQ(shownPageName(), "pnlFuel");
    click("lbConfigIco"); // again on the Config page: nothing changes
    EXPECT_EQ(shownPageName(), "pnlFuel");
    choose(0); // the root leaves the panel as it is
    EXPECT_EQ(shownPageName(), "pnlFuel");

    click("lbMainIco");
    EXPECT_EQ(shownPageName(), "pnlMain");
    EXPECT_FALSE(find<app::NavTree>("treeSectNav")->isVisibleTo(window.get()));
    click("lbConfigIco"); // back to the section chosen before
    EXPECT_EQ(shownPageName(), "pnlFuel");
    click("lbSettingsIco");
    EXPECT_EQ(shownPageName(), "pnlSettings");
    EXPECT_TRUE(find<QToolButton>("lbSettingsIco")->isChecked());
    EXPECT_FALSE(find<QToolButton>("lbConfigIco")->isChecked());
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(MainWindow, SectionLinksShowOnlyWithReferenceSpeedsAndGeometry) {
    start();
    click("lbConfigIco");
    const struct {
        int node;
        bool links;
    } cases[] = {{5, true}, {6, false}, {53, true}, {54, false}, {1, false}};
    for (const auto& c : cases) {
        choose(c.node);
        EXPECT_EQ(sectionLinksShown(), c.links) << c.node;
    }
    choose(53);
    click("lbMainIco");
    EXPECT_FALSE(sectionLinksShown());
}

TEST_F(MainWindow, EveryTreeNodeShowsItsOwnPanelAndTable) {
    start();
    click("lbConfigIco");
    auto* tree = find<app::NavTree>("treeSectNav");
    EXPECT_EQ(tree->root()->text(0), "Aircraft.Cfg");
    EXPECT_TRUE(tree->root()->font(0).bold());
    const auto& cat = config::Catalogue::instance();
    for (const config::TreeNode& node : cat.treeNodes()) {
        const QString panel = QString::fromLatin1(node.panel.data(), static_cast<int>(node.panel.size()));
        ASSERT_EQ(tree->node(node.index)->text(0).toStdString(), node.text);
        choose(node.index);
        ASSERT_EQ(shownPageName(), panel) << node.index;
        if (node.table.empty()) continue;
        const QString table = QString::fromLatin1(node.table.data(), static_cast<int>(node.table.size()));
        auto* view = shownPage()->findChild<app::SectionView*>(table);
        ASSERT_NE(view, nullptr) << table.toStdString();
        EXPECT_TRUE(view->isVisibleTo(shownPage())) << table.toStdString();
        EXPECT_EQ(view->model()->headerData(0, Qt::Horizontal).toString(), "Parameter");
        EXPECT_EQ(view->model()->headerData(1, Qt::Horizontal).toString(), "Value");
    }
}

TEST_F(MainWindow, GroupCaptionsGainTheirBrackets) {
    start();
    click("lbConfigIco");
    const struct {
        int node;
        const char* caption;
    } cases[] = {{3, "[General]:"}, {21, "[Autopilot - Vertical Modes]:"}, {45, "[Direction Indicators]:"}};
    for (const auto& c : cases) {
        choose(c.node);
        EXPECT_EQ(shownPage()->findChild<QGroupBox*>()->title(), c.caption);
    }
    // A flap panel is named after its flap type.
    choose(16);
    EXPECT_TRUE(shownPage()->findChild<QGroupBox*>()->title().startsWith("["))
        << shownPage()->findChild<QGroupBox*>()->title().toStdString();
}

TEST_F(MainWindow, ShortcutsActOnTheWholeWindow) {
    start();
    answer = QMessageBox::Cancel;
    QTest::keyClick(window.get(), Qt::Key_Escape); // on the Main page: nothing
    EXPECT_EQ(shownPageName(), "pnlMain");

    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(messages.isEmpty());
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(titles.last(), "Confirm");

    QTest::keyClick(window.get(), Qt::Key_R, Qt::ControlModifier); // no backup yet
    EXPECT_EQ(messages.size(), 2);

    click("lbSettingsIco");
    QTest::keyClick(find<QCheckBox>("cbRemoveBlanks"), Qt::Key_Escape); // from a child control too
    EXPECT_EQ(shownPageName(), "pnlMain");

    int fsx = 0, help = 0;
    window->onFsx = [&fsx] { ++fsx; };
    window->onHelp = [&help] { ++help; };
    QTest::keyClick(window.get(), Qt::Key_F, Qt::ControlModifier);
    QTest::keyClick(window.get(), Qt::Key_F1);
    EXPECT_EQ(fsx, 1);
    EXPECT_EQ(help, 1);
}

TEST_F(MainWindow, LeavingTheConfigPageOffersTheSaveAndCancelDropsTheMark) {
    start();
    click("lbConfigIco");
    window->model().unsavedChanges = true;
    answer = QMessageBox::Cancel;
    click("lbMainIco");
    EXPECT_EQ(messages.size(), 1);
    EXPECT_EQ(titles.value(0), "Confirm");
    EXPECT_FALSE(window->model().unsavedChanges);
    EXPECT_EQ(shownPageName(), "pnlMain");
    click("lbSettingsIco"); // nothing pending: no question
    EXPECT_EQ(messages.size(), 1);
    window->model().unsavedChanges = true;
    click("lbSettingsIco");
    EXPECT_EQ(messages.size(), 2);
    EXPECT_EQ(shownPageName(), "pnlSettings");
}

TEST_F(MainWindow, AFailedSaveKeepsThePageTheMarkAndTheWindow) {
    const fs::path plane = aircraft("plane");
    writeAll(program / "Rivetbench.ini", "[GenSettings]\r\nLastCfg=" + plane.string() + "\r\n");
    start();
    click("lbConfigIco");
    choose(8);
    window->model().unsavedChanges = true;
    fs::remove(plane / "aircraft.cfg");
    fs::create_directory(plane / "aircraft.cfg"); // the file cannot be read back for the merge
    answer = QMessageBox::Yes;
    click("lbMainIco");
    EXPECT_EQ(titles.last(), "Error");
    EXPECT_EQ(shownPageName(), "pnlFuel");
    EXPECT_TRUE(find<QToolButton>("lbConfigIco")->isChecked());
    EXPECT_TRUE(window->model().unsavedChanges);

    const std::string settingsBefore = readAll(program / "Rivetbench.ini");
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(readAll(program / "Rivetbench.ini"), settingsBefore); // not closed, so not written
}

TEST(WindowPlacement, AStoredPlaceOffEveryScreenIsCentred) {
    const QList<QRect> screens{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
    const QPoint centred(660, 305);
    const QSize size(600, 470);
    const struct {
        QPoint stored;
        QPoint expected;
    } cases[] = {
        {{100, 100}, {100, 100}},   // on the first screen
        {{2500, 300}, {2500, 300}}, // on the second
        {{-550, 10}, {-550, 10}},   // mostly off, but its title can still be grabbed
        {{4000, 200}, centred},     // a monitor that is gone
        {{100, -2000}, centred},    // above every screen
        {{-5000, -5000}, centred},
    };
    for (const auto& c : cases)
        EXPECT_EQ(app::placeWindow(c.stored, size, screens, centred), c.expected)
            << c.stored.x() << "," << c.stored.y();
}

} // namespace
} // namespace rivetbench::test
