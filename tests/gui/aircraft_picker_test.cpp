#include "editor/app/aircraft_picker.h"
#include "gui_fixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTreeView>

namespace rivetbench::test {
namespace {

class AircraftPickerTest : public WindowTest {
  protected:
    fs::path sim;
    void SetUp() override {
        WindowTest::SetUp();
        sim = root / "FSX";
        const struct {
            const char* folder;
            const char* title;
        } planes[] = {{"Airplanes/C172", "Cessna Skyhawk 172SP"},
                      {"Airplanes/Sparrow", "Rivetbench Sparrow Blue"},
                      {"Rotorcraft/Bell_206B", "Bell 206B JetRanger"}};
        for (const auto& p : planes)
            writeAll(sim / "SimObjects" / p.folder / "aircraft.cfg",
                     std::string("[fltsim.0]\r\ntitle=") + p.title + "\r\n");
    }
};

TEST_F(AircraftPickerTest, ListsEveryAircraftByTitleAndFiltersAsYouType) {
    app::AircraftPicker picker(sim);
    QSignalSpy finished(&picker, &app::AircraftPicker::scanFinished);
    // The scan runs on a worker: the dialog answers events meanwhile, and reports when done.
    ASSERT_TRUE(finished.wait(5000));
    EXPECT_EQ(finished.at(0).at(0).toInt(), 3);
    EXPECT_FALSE(picker.scanning());
    EXPECT_FALSE(picker.findChild<QProgressBar*>("pbScan")->isVisibleTo(&picker));

    auto* list = picker.findChild<QTreeView*>("lvAircraft");
    ASSERT_EQ(list->model()->rowCount(), 3);
    EXPECT_EQ(list->model()->index(0, 0).data().toString(), "Bell 206B JetRanger");
    EXPECT_EQ(list->model()->index(0, 1).data().toString(), "Rotorcraft");

    picker.findChild<QLineEdit*>("edFilter")->setText("sparrow");
    ASSERT_EQ(list->model()->rowCount(), 1);
    emit picker.findChild<QLineEdit*>("edFilter")->returnPressed(); // Enter opens the first match
    EXPECT_EQ(picker.result(), QDialog::Accepted);
    EXPECT_EQ(picker.chosenFolder().toStdString(), (sim / "SimObjects" / "Airplanes" / "Sparrow").string());
}

TEST_F(AircraftPickerTest, WithoutASimulatorItSaysSoAndClosingDuringAScanIsSafe) {
    {
        app::AircraftPicker none{fs::path()};
        EXPECT_FALSE(none.scanning());
        EXPECT_TRUE(none.findChild<QLabel*>("lbScanStatus")->text().contains("not found"));
    }
    for (int i = 0; i < 20; ++i) {
        app::AircraftPicker picker(sim); // destroyed at once: the worker stops and is joined
    }
    SUCCEED();
}

} // namespace
} // namespace rivetbench::test
