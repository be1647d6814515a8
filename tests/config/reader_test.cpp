#include "editor/config/aircraft_folder.h"
#include "editor/config/cfg_reader.h"
#include "editor/config/file_io.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

using namespace rivetbench::config;
namespace fs = std::filesystem;

namespace {

const fs::path kSampleDir = RIVETBENCH_SAMPLE_DIR;

ProfileDocument sampleDocument() {
    const FileRead file = readFileBytes(kSampleDir / "aircraft.cfg");
    EXPECT_TRUE(file.ok) << file.error;
    return ProfileDocument::fromBytes(file.bytes);
}

AircraftModel read(std::string_view text) {
    AircraftModel model;
    ReadCfg(ProfileDocument::fromBytes(text), model);
    return model;
}

const SectionTable& tableOf(const AircraftModel& model, std::string_view name) {
    const SectionTable* table = model.table(name);
    EXPECT_NE(table, nullptr) << name;
    static const SectionTable none;
    return table ? *table : none;
}

std::string valueOf(const AircraftModel& model, std::string_view table, std::string_view caption) {
    const SectionTable& t = tableOf(model, table);
    const int row = t.findCaption(caption);
    EXPECT_GE(row, 0) << table << " has no row " << caption;
    return row < 0 ? std::string() : t.rows[static_cast<std::size_t>(row)].value;
}

// The table's rows after its fixed rows.
std::vector<Row> entries(const SectionTable& table) {
    const std::size_t fixed = table.def->fixedRows.size();
    return table.rows.size() <= fixed
               ? std::vector<Row>{}
               : std::vector<Row>(table.rows.begin() + static_cast<std::ptrdiff_t>(fixed), table.rows.end());
}

// A fresh folder under the system's temporary folder, removed again when the test ends.
class TempFolder {
  public:
    TempFolder() {
        std::random_device seed;
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        path_ = fs::temp_directory_path() /
                ("rivetbench-" + std::string(info ? info->name() : "test") + "-" + std::to_string(seed()));
        fs::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const fs::path& path() const { return path_; }
    fs::path write(const fs::path& relative, std::string_view bytes) const {
        const fs::path p = path_ / relative;
        fs::create_directories(p.parent_path());
        std::ofstream(p, std::ios::binary) << bytes;
        return p;
    }

  private:
    fs::path path_;
};

} // namespace

// ---- the bundled sample ----------------------------------------------------------------------

TEST(ReadSample, EveryRowHoldsItsOwnKeysValue) {
    const ProfileDocument doc = sampleDocument();
    AircraftModel model;
    ReadCfg(doc, model);

    // Each variation in turn, then every table that holds rows.
    for (std::size_t pos = 0; pos < model.variationList().size(); ++pos)
        model.chooseVariation(static_cast<int>(pos));
    for (const SectionTable& table : model.tables()) {
        const TableDef& def = *table.def;
        for (const Row& row : table.rows)
            EXPECT_EQ(row.value, doc.readString(def.section, row.key)) << def.name << ": " << row.caption;

        if (def.kind == TableKind::Variation) {
            const bool listed = std::find(model.variationList().begin(), model.variationList().end(),
                                          def.variation) != model.variationList().end();
            EXPECT_EQ(table.rows.size(), listed ? def.fixedRows.size() : 0u) << def.name;
            continue;
        }
        if (def.kind == TableKind::Flaps && !doc.sectionExists(def.section)) {
            EXPECT_TRUE(table.empty()) << def.name;
            continue;
        }
        ASSERT_GE(table.rows.size(), def.fixedRows.size()) << def.name;
        for (std::size_t i = 0; i < def.fixedRows.size(); ++i) {
            EXPECT_EQ(table.rows[i].caption, def.fixedRows[i].caption) << def.name;
            EXPECT_EQ(table.rows[i].key, def.fixedRows[i].key) << def.name;
            EXPECT_FALSE(table.rows[i].isEntry());
        }
        for (const Row& entry : entries(table)) {
            ASSERT_TRUE(entry.isEntry()) << def.name << ": " << entry.caption;
            const FamilyDef& family = def.families[static_cast<std::size_t>(entry.family)];
            EXPECT_EQ(entry.caption, std::string(family.captionPrefix) + std::to_string(entry.number + 1));
            EXPECT_EQ(entry.key, std::string(family.keyPrefix) + std::to_string(entry.number));
        }
    }
}

TEST(ReadSample, ShowsTheSampleAircraft) {
    const ProfileDocument doc = sampleDocument();
    AircraftModel model;
    ReadCfg(doc, model);

    EXPECT_EQ(model.variationList(), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(model.variationTitles(),
              (std::vector<std::string>{"Rivetbench Sparrow 180 Red", "Rivetbench Sparrow 180 Blue",
                                        "Rivetbench Sparrow 180 Floats"}));
    EXPECT_EQ(model.versionNumberLabel(), "(3)");
    EXPECT_EQ(model.chosenVariation(), 0);
    EXPECT_EQ(valueOf(model, "lvMainAircraft_0", "Variation"), "Red Stripe"); // quotes stripped
    EXPECT_EQ(valueOf(model, "lvMainAircraft_0", "ATC ID"), "N180RB  ; registration");
    EXPECT_EQ(model.description().substr(0, 30), "The Sparrow 180 is a four-seat");
    EXPECT_EQ(model.performance.substr(0, 26), "Cruise Speed\\n124 kts at 7");
    EXPECT_FALSE(model.unsavedChanges);

    EXPECT_EQ(valueOf(model, "lvRadiosData", "Com 1"), "1, 1                      // flip-flop display");
    EXPECT_EQ(valueOf(model, "lvVacuumSys", "Max Pressure"), "5.10");
    EXPECT_EQ(valueOf(model, "lvGearWarnSysData", "Throttle Limit Percetage"), "0.0");
    EXPECT_EQ(valueOf(model, "lvFuel", "Left Aux"), "");
    EXPECT_EQ(valueOf(model, "lvFuel", "Center 1"), "");
    EXPECT_EQ(valueOf(model, "lvEffectsData", "Wake"), "fx_wake");
    EXPECT_EQ(tableOf(model, "lvAPGenData").rows.size(), 4u);

    EXPECT_EQ(tableOf(model, "lvFlaps0Data").panelCaption, "[Flaps 1 (Trailing Edge)]:");
    EXPECT_EQ(tableOf(model, "lvFlaps1Data").panelCaption, "Flaps 2 (Leading Edge):");
    EXPECT_EQ(tableOf(model, "lvFlaps2Data").panelCaption, "Flaps 3:");
    EXPECT_TRUE(tableOf(model, "lvFlaps2Data").empty());
    EXPECT_EQ(valueOf(model, "lvFlaps0Data", "Flaps Position - 4"),
              "30, 0          ; 30\xB0 full, white arc top 85 KIAS");

    std::vector<std::string> lights;
    for (const Row& row : tableOf(model, "lvLightsData").rows)
        lights.push_back(row.caption);
    EXPECT_EQ(lights, (std::vector<std::string>{"Light - 1", "Light - 2", "Light - 3", "Light - 4",
                                                "Light - 5", "Light - 6", "Light - 7", "Light - 8"}));
    const std::vector<Row> engine = entries(tableOf(model, "lvGenEngData"));
    ASSERT_EQ(engine.size(), 2u);
    EXPECT_EQ(engine[0].caption, "Engine No. 1");
    EXPECT_EQ(engine[1].caption, "Thrust Angle Engine No. 1");
    EXPECT_EQ(engine[1].key, "thrustanglespitchheading.0");
    EXPECT_EQ(engine[1].value, "0.0, 0.0");
    EXPECT_EQ(entries(tableOf(model, "lvContactPntsData")).size(), 6u);

    // Sections the catalogue does not know are never shown.
    for (const SectionTable& table : model.tables()) {
        EXPECT_FALSE(equalsIgnoreCase(table.def->section, "Rivetbench_Notes"));
        for (const Row& row : table.rows)
            EXPECT_NE(row.value, "Rivetbench sample team") << table.def->name;
    }
}

TEST(ReadSample, FolderStatus) {
    AircraftModel model;
    const FolderStatus st = openAircraftFolder(kSampleDir, "/program", model);
    EXPECT_TRUE(st.found);
    EXPECT_TRUE(st.readError.empty());
    EXPECT_EQ(st.title, " Rivetbench Sparrow 180 Red");
    EXPECT_EQ(st.manufacturer, " Rivetbench Aero");
    EXPECT_EQ(st.airFile, " Sparrow180.AIR");
    EXPECT_EQ(st.cfgPathLabel, (kSampleDir / "aircraft.cfg").string());
    EXPECT_EQ(st.variations, "(3)");
    EXPECT_EQ(st.versionNumber, "(3)");
    EXPECT_EQ(st.original, "(Y)");
    EXPECT_FALSE(st.kbx);
    EXPECT_EQ(st.thumbnail, kSampleDir / "texture" / "thumbnail.jpg");
    EXPECT_EQ(model.variationList().size(), 3u);
}

// ---- variations --------------------------------------------------------------------------------

TEST(ReadVariations, ListMapsPositionsToSections) {
    const struct {
        const char* name;
        std::string file;
        std::vector<int> sections;
        std::vector<std::string> titles;
    } cases[] = {
        {"no gap",
         "[fltsim.0]\ntitle=A\n[fltsim.1]\ntitle=B\n[fltsim.2]\ntitle=C\n[fltsim.3]\ntitle=D\n",
         {0, 1, 2, 3},
         {"A", "B", "C", "D"}},
        {"gap", "[fltsim.0]\ntitle=A\n[fltsim.2]\ntitle=C\n", {0, 2}, {"A", "C"}},
        {"file order does not matter",
         "[fltsim.5]\ntitle=F\n[fltsim.0]\ntitle=A\n[fltsim.3]\ntitle=D\n",
         {0, 3, 5},
         {"A", "D", "F"}},
        {"a section without keys is no variation",
         "[fltsim.0]\ntitle=A\n[fltsim.1]\n; retired\n//title=B\n[fltsim.2]\nsim=x\n",
         {0, 2},
         {"A", ""}},
        {"60 and above ignored",
         "[fltsim.0]\ntitle=A\n[fltsim.59]\ntitle=Z\n[fltsim.60]\ntitle=X\n[fltsim.100]\ntitle=Y\n",
         {0, 59},
         {"A", "Z"}},
        {"missing fltsim.0 still gives one entry", "[fltsim.1]\ntitle=B\n", {0, 1}, {"", "B"}},
        {"empty file", "", {0}, {""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const AircraftModel model = read(c.file);
        EXPECT_EQ(model.variationList(), c.sections);
        EXPECT_EQ(model.variationTitles(), c.titles);
        EXPECT_EQ(model.versionNumberLabel(), "(" + std::to_string(c.sections.size()) + ")");
        EXPECT_EQ(model.chosenVariation(), 0);
        EXPECT_EQ(model.variationTable(0).rows.size(), 22u);
    }
}

TEST(ReadVariations, ChoosingAPositionFillsItsSectionsTable) {
    AircraftModel model =
        read("[fltsim.0]\ntitle=A\ndescription=first\n"
             "[fltsim.2]\ntitle=C\nui_manufacturer=\"Maker\"\nsim=c_air\ndescription=third\n");
    model.chooseVariation(1);
    EXPECT_EQ(model.chosenPosition(), 1);
    EXPECT_EQ(model.chosenVariation(), 2);
    EXPECT_TRUE(model.variationTable(1).empty());
    const SectionTable& table = model.variationTable(2);
    ASSERT_EQ(table.rows.size(), 22u);
    EXPECT_EQ(table.rows[0].value, "C");
    EXPECT_EQ(table.rows[2].value, "Maker");
    EXPECT_EQ(table.rows[6].value, "c_air");
    EXPECT_EQ(model.description(), "third");

    model.chooseVariation(2); // past the end of the list: nothing changes
    EXPECT_EQ(model.chosenVariation(), 2);
    model.chooseVariation(0);
    EXPECT_EQ(model.description(), "first");
    EXPECT_EQ(model.variationTable(0).rows[0].value, "A");
}

// ---- indexed families --------------------------------------------------------------------------

TEST(ReadFamilies, EntriesFoundInTheSection) {
    struct Entry {
        std::string caption;
        std::string key;
        int number;
        int family;
        std::string value;
    };
    const struct {
        const char* name;
        std::string file;
        const char* table;
        std::vector<Entry> expected;
    } cases[] = {
        {"numbers beyond the key count, ascending",
         "[lights]\nlight.9=c\nlight.0=a\nlight.5=b\n",
         "lvLightsData",
         {{"Light - 1", "light.0", 0, 0, "a"},
          {"Light - 6", "light.5", 5, 0, "b"},
          {"Light - 10", "light.9", 9, 0, "c"}}},
        {"commented values leave gaps",
         "[lights]\nlight.0=a\nlight.1=//off\nlight.2 =  /x\n//light.3=y\nlight.4=b ; kept\n",
         "lvLightsData",
         {{"Light - 1", "light.0", 0, 0, "a"}, {"Light - 5", "light.4", 4, 0, "b ; kept"}}},
        {"empty values make no row",
         "[lights]\nlight.0=\nlight.1=   \nlight.2=\"\"\nlight.3=x\n",
         "lvLightsData",
         {{"Light - 4", "light.3", 3, 0, "x"}}},
        {"only plain decimal numbers are members",
         "[lights]\nlight.05=a\nlight.=b\nlight.x=c\nlight.1x=d\nlight.-1=e\nLIGHT.2=f\n",
         "lvLightsData",
         {{"Light - 3", "light.2", 2, 0, "f"}}},
        {"first duplicate wins",
         "[lights]\nlight.0=a\nLight.0=b\n",
         "lvLightsData",
         {{"Light - 1", "light.0", 0, 0, "a"}}},
        {"two families in one section",
         "[direction_indicators]\ninduction_compass.0=c\ndirection_indicator.1=e\ndirection_indicator.0=d\n",
         "lvDirInd",
         {{"Direction Indicator - 1", "direction_indicator.0", 0, 0, "d"},
          {"Direction Indicator - 2", "direction_indicator.1", 1, 0, "e"},
          {"Induction Compass - 1", "induction_compass.0", 0, 1, "c"}}},
        {"thrust angles with s",
         "[GeneralEngineData]\nengine_type=0\nengine.0=a\nengine.1=b\nthrustanglespitchheading.0=s0\n"
         "thrustanglespitchheading.1=s1\nthrustanglepitchheading.2=p2\n",
         "lvGenEngData",
         {{"Engine No. 1", "engine.0", 0, 0, "a"},
          {"Engine No. 2", "engine.1", 1, 0, "b"},
          {"Thrust Angle Engine No. 1", "thrustanglespitchheading.0", 0, 1, "s0"},
          {"Thrust Angle Engine No. 2", "thrustanglespitchheading.1", 1, 1, "s1"}}},
        {"thrust angles without s",
         "[GeneralEngineData]\nthrustanglepitchheading.0=p0\nthrustanglepitchheading.1=p1\n",
         "lvGenEngData",
         {{"Thrust Angle Engine No. 1", "thrustanglepitchheading.0", 0, 2, "p0"},
          {"Thrust Angle Engine No. 2", "thrustanglepitchheading.1", 1, 2, "p1"}}},
        {"both spellings when the s spelling has no number 0",
         "[GeneralEngineData]\nthrustanglespitchheading.1=s1\nthrustanglepitchheading.0=p0\n",
         "lvGenEngData",
         {{"Thrust Angle Engine No. 2", "thrustanglespitchheading.1", 1, 1, "s1"},
          {"Thrust Angle Engine No. 1", "thrustanglepitchheading.0", 0, 2, "p0"}}},
        {"an empty s number 0 still hides the other spelling",
         "[GeneralEngineData]\nthrustanglespitchheading.0=\nthrustanglepitchheading.0=p0\n",
         "lvGenEngData",
         {}},
        {"fixed rows and a family",
         "[exits]\nnumber_of_exits=2\nexit.1=b\nexit.0=a\n",
         "lvExitsData",
         {{"Exit No. 1", "exit.0", 0, 0, "a"}, {"Exit No. 2", "exit.1", 1, 0, "b"}}},
        {"missing section", "[fuel]\nLeftMain=1\n", "lvLightsData", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const AircraftModel model = read(c.file);
        const SectionTable& table = tableOf(model, c.table);
        const std::vector<Row> got = entries(table);
        ASSERT_EQ(got.size(), c.expected.size());
        for (std::size_t i = 0; i < got.size(); ++i) {
            SCOPED_TRACE(c.expected[i].caption);
            EXPECT_EQ(got[i].caption, c.expected[i].caption);
            EXPECT_EQ(got[i].key, c.expected[i].key);
            EXPECT_EQ(got[i].number, c.expected[i].number);
            EXPECT_EQ(got[i].family, c.expected[i].family);
            EXPECT_EQ(got[i].value, c.expected[i].value);
        }
    }
}

// ---- single-section tables ---------------------------------------------------------------------

TEST(ReadTables, FlapTablesOnlyForSectionsThatExist) {
    const AircraftModel model = read("[flaps.0]\ntype=1 //Trailing Edge\nflaps-position.0=0\n"
                                     "[flaps.1]\ntype=\"2\"\n"
                                     "[flaps.2]\n; none yet\n"
                                     "[flaps.3]\ntype=3\nlift_scalar=0.5\n");
    const struct {
        const char* table;
        std::size_t rows;
        const char* caption;
    } cases[] = {
        {"lvFlaps0Data", 10, "[Flaps 1 (Trailing Edge)]:"},
        {"lvFlaps1Data", 9, "Flaps 2 (Leading Edge):"},
        {"lvFlaps2Data", 0, "Flaps 3:"},
        {"lvFlaps3Data", 9, "Flaps 4:"},
    };
    for (const auto& c : cases) {
        const SectionTable& table = tableOf(model, c.table);
        EXPECT_EQ(table.rows.size(), c.rows) << c.table;
        EXPECT_EQ(table.panelCaption, c.caption) << c.table;
    }
    EXPECT_EQ(valueOf(model, "lvFlaps0Data", "Type of Flap"), "1 //Trailing Edge");
    EXPECT_EQ(valueOf(model, "lvFlaps3Data", "Lift Scalar"), "0.5");

    EXPECT_EQ(flapCaption(1, " \"1\" ; te"), "Flaps 2 (Trailing Edge):");
    EXPECT_EQ(flapCaption(2, "12"), "Flaps 3:");
}

TEST(ReadTables, FixedRowsWhateverTheFileHolds) {
    const AircraftModel model =
        read("[Water Ballast System]\ntank.0=1, 2\n"
             "[vacuum_system]\nmax_pressure=5\n[pneumatic_system]\nmax_pressure=3000\n");
    const SectionTable& ballast = tableOf(model, "lvWaterBal");
    ASSERT_EQ(ballast.rows.size(), 8u);
    EXPECT_EQ(ballast.rows[0].caption, "Tank 0");
    EXPECT_EQ(ballast.rows[0].value, "1, 2");
    for (std::size_t i = 1; i < 8; ++i)
        EXPECT_EQ(ballast.rows[i].value, "") << ballast.rows[i].caption;

    std::size_t autopilotRows = 0;
    for (const SectionTable& table : model.tables()) {
        if (table.def->section != "autopilot") continue;
        autopilotRows += table.rows.size();
        for (const Row& row : table.rows)
            EXPECT_EQ(row.value, "") << row.caption;
    }
    EXPECT_EQ(autopilotRows, 35u);

    EXPECT_EQ(valueOf(model, "lvVacuumSys", "Max Pressure"), "5");
    EXPECT_EQ(valueOf(model, "lvPneuSys", "Max Pressure"), "3000");
    EXPECT_EQ(tableOf(model, "lvAirplaneGeoData").rows.size(), 47u);
    EXPECT_TRUE(tableOf(model, "lvLightsData").empty());
}

TEST(ReadTables, ReadingAgainClearsTheLastAircraft) {
    AircraftModel model;
    ReadCfg(ProfileDocument::fromBytes("[fltsim.0]\ntitle=A\n[fltsim.1]\ntitle=B\n[flaps.0]\ntype=1\n"
                                       "[lights]\nlight.0=x\n[General]\nperformance=fast\n"),
            model);
    model.chooseVariation(1);
    model.setValue(*model.table("lvFuel"), 0, "edited");
    EXPECT_TRUE(model.unsavedChanges);

    ReadCfg(ProfileDocument::fromBytes("[fltsim.0]\ntitle=Z\n"), model);
    EXPECT_FALSE(model.unsavedChanges);
    EXPECT_EQ(model.variationTitles(), std::vector<std::string>{"Z"});
    EXPECT_TRUE(model.variationTable(1).empty());
    EXPECT_TRUE(tableOf(model, "lvFlaps0Data").empty());
    EXPECT_EQ(tableOf(model, "lvFlaps0Data").panelCaption, "[Flaps 1]:");
    EXPECT_TRUE(tableOf(model, "lvLightsData").empty());
    EXPECT_EQ(valueOf(model, "lvFuel", "Center 1"), "");
    EXPECT_EQ(model.performance, "");
}

// ---- folders -----------------------------------------------------------------------------------

TEST(ReadFolder, StatusMarks) {
    const std::string cfg = "[fltsim.0]\ntitle=T\nui_manufacturer=M\nsim=X\n[fltsim.1]\ntitle=U\n";
    const struct {
        const char* name;
        std::vector<std::pair<const char*, std::string>> files;
        bool found;
        const char* original;
        const char* variations;
        bool kbx;
    } cases[] = {
        {"untouched file", {{"aircraft.cfg", cfg}}, true, "(Y)", "(2)", false},
        {"backup present", {{"aircraft.cfg", cfg}, {"aircraft.tab", cfg}}, true, "(N)", "(2)", false},
        {"sibling tool backup", {{"aircraft.cfg", cfg}, {"aircraft.kbx", "x"}}, true, "(Y)", "(2)", true},
        {"no aircraft.cfg", {{"aircraft.tab", cfg}, {"aircraft.kbx", "x"}}, false, "(-)", "(-)", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TempFolder folder;
        for (const auto& [file, bytes] : c.files)
            folder.write(file, bytes);
        AircraftModel model;
        const FolderStatus st = openAircraftFolder(folder.path(), "/program", model);
        EXPECT_EQ(st.found, c.found);
        EXPECT_TRUE(st.readError.empty());
        EXPECT_EQ(st.original, c.original);
        EXPECT_EQ(st.variations, c.variations);
        EXPECT_EQ(st.kbx, c.kbx);
        const bool backup = std::any_of(c.files.begin(), c.files.end(), [](const auto& f) {
            return f.first == std::string(kBackupFileName);
        });
        EXPECT_EQ(originalMark(folder.path()), backup ? "(N)" : "(Y)");
        if (c.found) {
            EXPECT_EQ(st.cfgPathLabel, (folder.path() / "aircraft.cfg").string());
            EXPECT_EQ(st.title, " T");
            EXPECT_EQ(st.manufacturer, " M");
            EXPECT_EQ(st.airFile, " X.AIR");
        } else {
            // The read still runs on the missing file: one empty variation, every fixed row present.
            EXPECT_EQ(st.cfgPathLabel, kMissingCfgMessage);
            EXPECT_EQ(st.title, "");
            EXPECT_EQ(st.airFile, "");
            EXPECT_EQ(st.versionNumber, "(1)");
            EXPECT_EQ(model.variationTitles(), std::vector<std::string>{""});
            EXPECT_EQ(tableOf(model, "lvFuel").rows.size(), 18u);
            EXPECT_TRUE(tableOf(model, "lvFlaps0Data").empty());
        }
    }
}

TEST(ReadFolder, AirFileAndTitleFields) {
    const struct {
        std::string cfg;
        const char* title;
        const char* airFile;
    } cases[] = {
        {"[fltsim.0]\ntitle=Plane\nsim=Sparrow\n", " Plane", " Sparrow.AIR"},
        {"[fltsim.0]\ntitle=Plane\nsim=\n", " Plane", " "},
        {"; no variations at all\n", " ", " "},
    };
    for (const auto& c : cases) {
        const TempFolder folder;
        folder.write("aircraft.cfg", c.cfg);
        AircraftModel model;
        const FolderStatus st = openAircraftFolder(folder.path(), "/program", model);
        EXPECT_TRUE(st.found) << c.cfg;
        EXPECT_EQ(st.title, c.title) << c.cfg;
        EXPECT_EQ(st.airFile, c.airFile) << c.cfg;
    }
}

TEST(ReadFolder, ThumbnailChoice) {
    const fs::path program = "/opt/rivetbench";
    {
        const TempFolder folder;
        folder.write("aircraft.cfg", "[fltsim.0]\ntitle=T\n");
        const fs::path own = folder.write(fs::path("texture") / "thumbnail.jpg", "jpeg");
        AircraftModel model;
        EXPECT_EQ(openAircraftFolder(folder.path(), program, model).thumbnail, own);
    }
    {
        const TempFolder folder;
        folder.write("aircraft.cfg", "[fltsim.0]\ntitle=T\n");
        fs::create_directories(folder.path() / "texture" / "thumbnail.jpg"); // not a picture file
        AircraftModel model;
        EXPECT_EQ(openAircraftFolder(folder.path(), program, model).thumbnail,
                  program / "images" / "thumbnail.jpg");
    }
    {
        const TempFolder folder; // no aircraft.cfg: the picture is still chosen
        AircraftModel model;
        EXPECT_EQ(openAircraftFolder(folder.path(), program, model).thumbnail,
                  program / "images" / "thumbnail.jpg");
    }
}

TEST(ReadFolder, DirectoryNamedAircraftCfgIsAReadError) {
    const TempFolder folder;
    fs::create_directories(folder.path() / "aircraft.cfg");
    AircraftModel model;
    const FolderStatus st = openAircraftFolder(folder.path(), "/program", model);
    EXPECT_FALSE(st.found);
    EXPECT_FALSE(st.readError.empty());
    EXPECT_EQ(st.cfgPathLabel, st.readError);
    EXPECT_EQ(st.original, "(-)");
    EXPECT_EQ(st.variations, "(-)");
    EXPECT_EQ(model.variationTitles(), std::vector<std::string>{""});
}

TEST(ReadFolder, OtherFileNameReadsThatFile) {
    const TempFolder folder;
    folder.write("aircraft.cfg", "[fltsim.0]\ntitle=Main\n");
    folder.write("copy.cfg", "[fltsim.0]\ntitle=Copy\n");
    AircraftModel model;
    const FolderStatus st = openAircraftFolder(folder.path(), "/program", model, "copy.cfg");
    EXPECT_EQ(st.cfgPath, folder.path() / "copy.cfg");
    EXPECT_EQ(st.title, " Copy");
}
