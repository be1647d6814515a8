#include "editor/app/nav_tree.h"
#include "editor/app/section_table_model.h"
#include "editor/app/section_view.h"
#include "editor/config/aircraft_folder.h"
#include "editor/config/catalogue.h"
#include "editor/edit/tfrm_edit_value.h"
#include "editor/save/save_restore.h"
#include "gui_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace rivetbench::test {
namespace {

// Editing in the window: the dialog opened from a row, the write-back, Save and Restore.
class EditFlow : public WindowTest {
  protected:
    fs::path plane;

    void SetUp() override {
        WindowTest::SetUp();
        plane = aircraft("plane");
        writeAll(program / "Rivetbench.ini", "[GenSettings]\r\nLastCfg=" + plane.string() + "\r\n");
    }

    app::SectionView* view(const char* table) { return find<app::SectionView>(table); }
    app::TfrmEditValue* dialog() { return window->editValueDialog(); }

    int rowOf(const char* table, std::string_view key) {
        const config::SectionTable* t = window->model().table(table);
        for (std::size_t i = 0; i < t->rows.size(); ++i)
            if (config::equalsIgnoreCase(t->rows[i].key, key)) return static_cast<int>(i);
        ADD_FAILURE() << key;
        return -1;
    }
    std::string value(const char* table, int row) {
        return window->model().table(table)->rows[static_cast<std::size_t>(row)].value;
    }

    // Double-click on the row as the user would: the view selects it and opens the dialog.
    void openRow(const char* table, int row) {
        app::SectionView* v = view(table);
        const QRect r = v->visualRect(v->model()->index(row, 1));
        ASSERT_TRUE(r.isValid()) << table << " row " << row << " is not on show";
        // A double-click is a press and release followed by the double-click press.
        QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, r.center());
        QTest::mouseDClick(v->viewport(), Qt::LeftButton, {}, r.center());
        QApplication::processEvents();
    }
    void showSection(int node) {
        if (!find<app::NavTree>("treeSectNav")->isVisibleTo(window.get())) window->imgConfigClick();
        auto* tree = find<app::NavTree>("treeSectNav");
        tree->setCurrentItem(tree->node(node));
        QApplication::processEvents();
    }
    void typeAndApply(const QString& text) {
        auto* edit = dialog()->findChild<QPlainTextEdit*>("ValEdit");
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QTest::mouseClick(dialog()->findChild<QPushButton*>("btnApply"), Qt::LeftButton);
        QApplication::processEvents();
    }
    void chooseVariation(int position) {
        auto* cb = find<QComboBox>("cbAcftVersion");
        cb->setCurrentIndex(position);
        emit cb->activated(position);
    }
};

TEST_F(EditFlow, ARowOpensTheDialogWithoutItsComment) {
    start();
    showSection(5); // [Reference Speeds]
    const int row = rowOf("lvRefSpeeds", "cruise_speed");
    openRow("lvRefSpeeds", row);
    ASSERT_TRUE(dialog()->isVisible());
    const auto& r = window->model().table("lvRefSpeeds")->rows[static_cast<std::size_t>(row)];
    EXPECT_EQ(dialog()->findChild<QLabel*>("VarLabel")->text().toStdString(), r.caption);
    EXPECT_EQ(dialog()->findChild<QPlainTextEdit*>("ValEdit")->toPlainText(), "124.0");

    // The comment is gone, which counts as a change: Apply at once writes the cleaned value.
    QTest::mouseClick(dialog()->findChild<QPushButton*>("btnApply"), Qt::LeftButton);
    EXPECT_FALSE(dialog()->isVisible());
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(value("lvRefSpeeds", row), "124.0");
    EXPECT_TRUE(window->model().unsavedChanges);
    EXPECT_TRUE(find<QLabel>("lbUnsaved")->isVisibleTo(window.get()));
    EXPECT_TRUE(view("lvRefSpeeds")->model()->index(row, 1).data(Qt::FontRole).value<QFont>().bold());
    EXPECT_FALSE(view("lvRefSpeeds")->model()->index(row + 1, 1).data(Qt::FontRole).value<QFont>().bold());
}

TEST_F(EditFlow, WithCommentsKeptAnUntouchedValueIsNoChange) {
    start();
    find<QCheckBox>("cbRemoveComments")->setChecked(false);
    showSection(5);
    const int row = rowOf("lvRefSpeeds", "cruise_speed");
    const std::string before = value("lvRefSpeeds", row);
    openRow("lvRefSpeeds", row);
    QTest::mouseClick(dialog()->findChild<QPushButton*>("btnApply"), Qt::LeftButton);
    EXPECT_EQ(messages, QStringList{"No change made to this parameter!"});
    EXPECT_TRUE(dialog()->isVisible());
    QTest::keyClick(dialog(), Qt::Key_Escape);
    EXPECT_FALSE(dialog()->isVisible());
    EXPECT_EQ(value("lvRefSpeeds", row), before);
    EXPECT_FALSE(window->model().unsavedChanges);
}

TEST_F(EditFlow, ADoubleClickBesideTheRowsOpensNothing) {
    start();
    showSection(5);
    app::SectionView* v = view("lvRefSpeeds");
    const QPoint below(10, v->viewport()->height() - 3);
    ASSERT_FALSE(v->indexAt(below).isValid());
    QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, below);
    QTest::mouseDClick(v->viewport(), Qt::LeftButton, {}, below);
    EXPECT_FALSE(dialog()->isVisible());
}

TEST_F(EditFlow, EditsInTwoVariationsSurviveASwitchAndAreSaved) {
    start();
    showSection(1);
    chooseVariation(1);
    openRow("lvMainAircraft_1", 0);
    typeAndApply("Club Blue");
    chooseVariation(2);
    openRow("lvMainAircraft_2", 0);
    typeAndApply("Floats Green");
    chooseVariation(1); // the table is rebuilt from the record, which holds the edit
    EXPECT_EQ(value("lvMainAircraft_1", 0), "Club Blue");
    EXPECT_TRUE(view("lvMainAircraft_1")->model()->index(0, 1).data(Qt::FontRole).value<QFont>().bold());
    EXPECT_EQ(find<QComboBox>("cbAcftVersion")->itemText(1), "Club Blue"); // the lists follow at once
    EXPECT_EQ(find<QComboBox>("cbAcftVersionDesc")->itemText(2), "Floats Green");
    EXPECT_EQ(find<QComboBox>("cbAcftVersion")->currentIndex(), 1);

    answer = QMessageBox::Yes;
    EXPECT_TRUE(window->btnSaveClick());
    const std::string saved = readAll(plane / "aircraft.cfg");
    EXPECT_NE(saved.find("[fltsim.1]\r\ntitle=Club Blue\r\n"), std::string::npos);
    EXPECT_NE(saved.find("[fltsim.2]\r\ntitle=Floats Green\r\n"), std::string::npos);
    EXPECT_FALSE(window->model().unsavedChanges);
    EXPECT_FALSE(find<QLabel>("lbUnsaved")->isVisibleTo(window.get()));
    EXPECT_EQ(find<QComboBox>("cbAcftVersion")->itemText(1), "Club Blue");
}

TEST_F(EditFlow, TheSaveQuestionShowsTheLinesItWillChange) {
    start();
    showSection(5);
    openRow("lvRefSpeeds", rowOf("lvRefSpeeds", "cruise_speed"));
    typeAndApply("130.0");
    QString details;
    app::setMessageDlgResponder([&](QMessageBox& box) {
        messages << box.text();
        if (details.isEmpty()) details = box.detailedText();
        return QMessageBox::Cancel;
    });
    window->btnSaveClick();
    EXPECT_TRUE(details.contains("-cruise_speed = 124.0              ; KTAS at 75% power"))
        << details.toStdString() << messages.join("|").toStdString();
    EXPECT_TRUE(details.contains("+cruise_speed = 130.0")) << details.toStdString();
    // Cancel writes nothing and keeps the edit.
    EXPECT_EQ(readAll(plane / "aircraft.cfg"), readAll(fs::path(RIVETBENCH_SAMPLE_DIR) / "aircraft.cfg"));
    EXPECT_TRUE(window->model().unsavedChanges);
    EXPECT_EQ(value("lvRefSpeeds", rowOf("lvRefSpeeds", "cruise_speed")), "130.0");
}

TEST_F(EditFlow, RestoreCancelledOrWithoutBackupKeepsTheEdits) {
    start();
    showSection(5);
    openRow("lvRefSpeeds", rowOf("lvRefSpeeds", "cruise_speed"));
    typeAndApply("99.0");
    window->btnRestoreClick(); // no backup yet
    EXPECT_TRUE(messages.last().startsWith("No backup found!"));
    EXPECT_TRUE(window->model().unsavedChanges);

    answer = QMessageBox::Yes;
    ASSERT_TRUE(window->btnSaveClick()); // makes aircraft.tab
    EXPECT_EQ(find<QLabel>("LabelOriginal")->text(), "(N)");
    openRow("lvRefSpeeds", rowOf("lvRefSpeeds", "cruise_speed"));
    typeAndApply("77.0");
    answer = QMessageBox::Cancel;
    window->btnRestoreClick();
    EXPECT_EQ(value("lvRefSpeeds", rowOf("lvRefSpeeds", "cruise_speed")), "77.0");
    EXPECT_TRUE(window->model().unsavedChanges);

    answer = QMessageBox::Ok;
    window->btnRestoreClick();
    EXPECT_EQ(readAll(plane / "aircraft.cfg"), readAll(fs::path(RIVETBENCH_SAMPLE_DIR) / "aircraft.cfg"));
    EXPECT_FALSE(fs::exists(plane / "aircraft.tab"));
    EXPECT_EQ(find<QLabel>("LabelOriginal")->text(), "(Y)");
    EXPECT_FALSE(window->model().unsavedChanges);
}

// Three tables and a variation edited in the window, saved: the file differs from the original only
// where the save library itself would change it for those edits, and aircraft.tab is the original.
TEST_F(EditFlow, EndToEndSaveChangesOnlyWhatWasEdited) {
    const std::string original = readAll(plane / "aircraft.cfg");
    start();
    struct Edit {
        int node;
        const char* table;
        const char* key;
        const char* text;
    };
    const Edit edits[] = {{5, "lvRefSpeeds", "max_indicated_speed", "170.0"},
                          {8, "lvFuel", "fuel_type", "2"},
                          {3, "lvGeneral", "atc_model", "SP20"}};
    for (const Edit& e : edits) {
        showSection(e.node);
        openRow(e.table, rowOf(e.table, e.key));
        typeAndApply(e.text);
    }
    showSection(1);
    chooseVariation(2);
    openRow("lvMainAircraft_2", 0);
    typeAndApply("Sparrow on Floats");

    answer = QMessageBox::Yes;
    ASSERT_TRUE(window->btnSaveClick());
    const std::string saved = readAll(plane / "aircraft.cfg");
    EXPECT_EQ(readAll(plane / "aircraft.tab"), original);

    // The same edits made through the libraries on a second copy give the same bytes.
    const fs::path twin = aircraft("twin");
    config::AircraftModel model;
    const config::FolderStatus st = config::openAircraftFolder(twin, program, model);
    for (const Edit& e : edits) {
        config::SectionTable* t = model.table(e.table);
        for (std::size_t i = 0; i < t->rows.size(); ++i)
            if (config::equalsIgnoreCase(t->rows[i].key, e.key)) model.setValue(*t, i, e.text);
    }
    model.chooseVariation(2);
    model.setValue(model.variationTable(2), 0, "Sparrow on Floats");
    save::FileStore files;
    const save::MergedFile expected = save::mergeAircraftFile({twin, &model, st.encoding, true}, files);
    ASSERT_TRUE(expected.ok);
    EXPECT_EQ(saved, expected.merged);

    for (const char* line : {"max_indicated_speed = 170.0\r\n", "fuel_type = 2\r\n", "atc_model=SP20\r\n",
                             "title=Sparrow on Floats\r\n"})
        EXPECT_NE(saved.find(line), std::string::npos) << line;
    EXPECT_EQ(saved.find("max_indicated_speed = 163.0"), std::string::npos);
    // Untouched lines with comments keep their bytes.
    EXPECT_NE(saved.find("cruise_speed = 124.0              ; KTAS at 75% power\r\n"), std::string::npos);
}

} // namespace
} // namespace rivetbench::test
