#include "editor/app/section_view.h"
#include "gui_fixture.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

namespace rivetbench::test {
namespace {

class FolderRead : public WindowTest {
  protected:
    QString text(const char* label) { return find<QLabel>(label)->text(); }
    QString field(const char* edit) { return find<QLineEdit>(edit)->text(); }
    void chooseVariation(const char* list, int position) {
        auto* cb = find<QComboBox>(list);
        cb->setCurrentIndex(position);
        emit cb->activated(position);
    }
    int shownVariationTable() {
        int shown = -1;
        for (int n = 0; n < 60; ++n)
            if (find<app::SectionView>(("lvMainAircraft_" + std::to_string(n)).c_str())
                    ->isVisibleTo(window.get()) ||
                !find<app::SectionView>(("lvMainAircraft_" + std::to_string(n)).c_str())->isHidden())
                shown = shown == -1 ? n : -2; // -2: more than one
        return shown;
    }
};

TEST_F(FolderRead, AFolderShowsItsIdentityAndMarks) {
    const fs::path plain = aircraft("plain");
    const fs::path saved = aircraft("saved");
    writeAll(saved / "aircraft.tab", "x");
    writeAll(saved / "aircraft.kbx", "x");
    start();
    const struct {
        fs::path folder;
        const char* original;
        bool kbx;
    } cases[] = {{plain, "(Y)", false}, {saved, "(N)", true}};
    for (const auto& c : cases) {
        window->DirComboPathChange(QString::fromStdString(c.folder.string()));
        EXPECT_EQ(text("CfgPathLabel"), QString::fromStdString((c.folder / "aircraft.cfg").string()));
        EXPECT_TRUE(find<QLabel>("CfgPathLabel")->styleSheet().contains("#000080"));
        EXPECT_EQ(field("TitleEdit"), " Rivetbench Sparrow 180 Red");
        EXPECT_EQ(field("ManEdit"), " Rivetbench Aero");
        EXPECT_EQ(field("AirFileEdit"), " Sparrow180.AIR");
        EXPECT_EQ(text("LabelVariations"), "(3)");
        EXPECT_EQ(text("VersionNumberLabel"), "(3)");
        EXPECT_EQ(text("VersionNumberDescLabel"), "(3)");
        EXPECT_EQ(text("LabelOriginal"), c.original);
        EXPECT_EQ(find<QLabel>("LoadwrightLabel")->isVisibleTo(window.get()), c.kbx);
        EXPECT_EQ(window->currentAircraftFolder(), QString::fromStdString(c.folder.string()) + "/");
    }
}

TEST_F(FolderRead, AFolderWithoutAircraftCfgSaysSoInRed) {
    const fs::path none = aircraft("none", false);
    start();
    window->DirComboPathChange(QString::fromStdString(none.string()));
    EXPECT_EQ(text("CfgPathLabel"), "[No Aircraft.Cfg file found in the currently selected folder!]");
    EXPECT_TRUE(find<QLabel>("CfgPathLabel")->styleSheet().contains("#c00000"));
    EXPECT_EQ(field("TitleEdit"), "");
    EXPECT_EQ(field("AirFileEdit"), "");
    EXPECT_EQ(text("LabelVariations"), "(-)");
    EXPECT_EQ(text("LabelOriginal"), "(-)");
    EXPECT_EQ(text("VersionNumberLabel"), "(1)");
    EXPECT_EQ(find<QComboBox>("cbAcftVersion")->count(), 1);
    EXPECT_EQ(find<app::SectionView>("lvMainAircraft_0")->model()->rowCount(), 22);
}

TEST_F(FolderRead, AMissingFolderIsRefusedAndTheAircraftStays) {
    start();
    const QString before = window->selectedFolder();
    window->DirComboPathChange(QString::fromStdString((root / "nowhere").string()));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains("does not exist"));
    EXPECT_EQ(window->selectedFolder(), before);
    EXPECT_EQ(field("TitleEdit"), " Rivetbench Sparrow 180 Red");
}

TEST_F(FolderRead, EitherListChoosesTheVariation) {
    start();
    EXPECT_EQ(find<QComboBox>("cbAcftVersion")->count(), 3);
    EXPECT_EQ(find<QComboBox>("cbAcftVersion")->itemText(2), "Rivetbench Sparrow 180 Floats");
    EXPECT_EQ(shownVariationTable(), 0);

    chooseVariation("cbAcftVersion", 2);
    EXPECT_EQ(shownVariationTable(), 2);
    EXPECT_EQ(find<QComboBox>("cbAcftVersionDesc")->currentIndex(), 2);
    EXPECT_TRUE(
        find<QPlainTextEdit>("memDescription")->toPlainText().startsWith("The Sparrow 180 on straight"));
    auto* table2 = find<app::SectionView>("lvMainAircraft_2");
    EXPECT_EQ(table2->model()->index(0, 1).data().toString(), "Rivetbench Sparrow 180 Floats");

    chooseVariation("cbAcftVersionDesc", 1);
    EXPECT_EQ(shownVariationTable(), 1);
    EXPECT_EQ(find<QComboBox>("cbAcftVersion")->currentIndex(), 1);
    EXPECT_TRUE(find<QPlainTextEdit>("memDescription")->toPlainText().contains("flying club"));
    EXPECT_EQ(window->model().chosenVariation(), 1);
}

TEST_F(FolderRead, TypingADescriptionChangesOnlyTheChosenVariation) {
    start();
    chooseVariation("cbAcftVersion", 1);
    auto* box = find<QPlainTextEdit>("memDescription");
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, "Club plane");
    QTest::keyClick(box, Qt::Key_Return); // no new line: the file keeps it on one
    EXPECT_EQ(window->model().record(1).description, "Club plane");
    EXPECT_TRUE(window->model().record(0).description.starts_with("The Sparrow 180 is"));
    EXPECT_TRUE(window->model().unsavedChanges);
}

TEST_F(FolderRead, ALineBreakPastedIntoATextBoxBecomesTheFilesEscape) {
    start();
    auto* box = find<QPlainTextEdit>("memPerformance");
    box->setFocus();
    box->selectAll();
    QGuiApplication::clipboard()->setText("Cruise\r\n124 kts\nClimb");
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(window->model().performance, "Cruise\\n124 kts\\nClimb");
    EXPECT_TRUE(window->model().unsavedChanges);
}

TEST_F(FolderRead, SettingsAreReadIntoTheControlsAndWrittenAtClose) {
    const fs::path plane = aircraft("plane");
    writeAll(program / "Rivetbench.ini",
             "; mine\r\n[WindowPos]\r\nTop=40\r\nLeft=50\r\n[GenSettings]\r\nLastCfg=" + plane.string() +
                 "\r\nMinimize=True\r\nExpandTree=true\r\nRemoveBlanks=False\r\nFSEditPath=/opt/air.exe\r\n"
                 "FSXStartupDelay=2500\r\n");
    start();
    EXPECT_TRUE(find<QCheckBox>("MinCheckBox")->isChecked());
    EXPECT_FALSE(find<QCheckBox>("cbTreeExpand")->isChecked()); // only "True" is true
    EXPECT_TRUE(find<QCheckBox>("cbRemoveComments")->isChecked());
    EXPECT_FALSE(find<QCheckBox>("cbRemoveBlanks")->isChecked());
    EXPECT_EQ(find<QLineEdit>("edFSEditPath")->text(), "/opt/air.exe");
    EXPECT_EQ(window->pos(), QPoint(50, 40));
    EXPECT_EQ(field("TitleEdit"), " Rivetbench Sparrow 180 Red");

    find<QCheckBox>("cbRemoveBlanks")->click();
    window->move(60, 70);
    window->close();
    const std::string ini = readAll(program / "Rivetbench.ini");
    for (const char* line : {"; mine\r\n", "Top=70\r\n", "Left=60\r\n", "RemoveBlanks=True\r\n",
                             "ExpandTree=False\r\n", "Minimize=True\r\n", "FSEditPath=/opt/air.exe\r\n",
                             "FSXStartupDelay=2500\r\n", "FSXExePath=\r\n", "DefaultFlight=\r\n"})
        EXPECT_NE(ini.find(line), std::string::npos) << line << "\n" << ini;
    EXPECT_NE(ini.find("LastCfg=" + plane.string() + "\r\n"), std::string::npos) << ini;
}

TEST_F(FolderRead, AStoredFolderThatIsGoneKeepsItsLastCfg) {
    writeAll(program / "Rivetbench.ini", "[GenSettings]\r\nLastCfg=/no/such/aircraft\r\n");
    start();
    EXPECT_EQ(text("CfgPathLabel"), "[No Aircraft.Cfg file found in the currently selected folder!]");
    EXPECT_TRUE(messages.isEmpty());
    window->close();
    EXPECT_NE(readAll(program / "Rivetbench.ini").find("LastCfg=/no/such/aircraft\r\n"), std::string::npos);
}

TEST_F(FolderRead, TheSimulatorsDefaultAircraftIsOpenedWhenNothingIsStored) {
    const fs::path sim = root / "FSX";
    fs::create_directories(sim / "SimObjects" / "Airplanes" / "C172");
    fs::copy_file(fs::path(RIVETBENCH_SAMPLE_DIR) / "aircraft.cfg",
                  sim / "SimObjects" / "Airplanes" / "C172" / "aircraft.cfg");
    setSimulator(sim);
    start();
    EXPECT_EQ(window->selectedFolder().toStdString(), (sim / "SimObjects" / "Airplanes" / "C172").string());
    EXPECT_EQ(find<QLineEdit>("edFSXExePath")->text().toStdString(), (sim / "fsx.exe").string());
    EXPECT_FALSE(fs::exists(root / "data" / "Sample Aircraft"));
}

TEST_F(FolderRead, PendingEditsAreOfferedBeforeAnotherFolderIsRead) {
    const fs::path other = aircraft("other");
    start();
    window->model().setDescription("changed");
    window->model().unsavedChanges = true;
    answer = QMessageBox::Cancel;
    window->DirComboPathChange(QString::fromStdString(other.string()));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(titles[0], "Confirm");
    EXPECT_EQ(window->selectedFolder().toStdString(), other.string());
    EXPECT_FALSE(window->model().unsavedChanges);
}

TEST_F(FolderRead, ClosingWithPendingEditsAsksOnceAndStillWritesTheSettings) {
    start();
    window->model().unsavedChanges = true;
    answer = QMessageBox::Cancel;
    EXPECT_TRUE(window->close());
    EXPECT_EQ(messages.size(), 1);
    EXPECT_TRUE(fs::exists(program / "Rivetbench.ini"));
}

} // namespace
} // namespace rivetbench::test
