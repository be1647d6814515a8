#include "editor/config/cfg_reader.h"
#include "editor/save/write_cfg.h"
#include "tests/save/test_support.h"

#include <functional>
#include <gtest/gtest.h>
#include <set>
#include <sstream>
#include <string>

using rivetbench::config::AircraftModel;
using rivetbench::config::asciiLower;
using rivetbench::config::ProfileDocument;
using rivetbench::config::ReadCfg;
using rivetbench::config::Row;
using rivetbench::save::WriteCfg;
using rivetbench::test::crlf;
using rivetbench::test::readFile;
using rivetbench::test::sameBytes;

namespace {

std::set<std::string> sectionNames(std::string_view text) {
    std::set<std::string> names;
    std::istringstream in{std::string(text)};
    for (std::string line; std::getline(in, line);) {
        const std::size_t open = line.find_first_not_of(" \t");
        const std::size_t close = line.find(']');
        if (open != std::string::npos && line[open] == '[' && close != std::string::npos)
            names.insert(asciiLower(line.substr(open + 1, close - open - 1)));
    }
    return names;
}

// absent_sections.cfg is what saving an empty file gives: every always-written section, in save
// order and catalogue spelling. "{absent}" in an expected file stands for those of its blocks
// whose section the file before lacked, in the file's line ending.
std::string expandAbsent(std::string expected, std::string_view before) {
    const std::size_t at = expected.find("{absent}");
    if (at == std::string::npos) return expected;
    static const std::string golden = readFile(RIVETBENCH_TEST_DATA "/absent_sections.cfg");
    EXPECT_FALSE(golden.empty()) << "absent_sections.cfg is missing";
    std::size_t crlfCount = 0, lfCount = 0;
    for (std::size_t i = 0; i < before.size(); ++i)
        if (before[i] == '\n') ++(i > 0 && before[i - 1] == '\r' ? crlfCount : lfCount);
    const std::set<std::string> present = sectionNames(before);

    std::string tail;
    bool keep = false;
    std::istringstream in(golden);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty() && line.front() == '[')
            keep = !present.count(asciiLower(line.substr(1, line.size() - 2)));
        if (keep) tail += line + (lfCount > crlfCount ? "\n" : "\r\n");
    }
    return expected.replace(at, 8, tail);
}

void set(AircraftModel& model, std::string_view table, std::string_view caption, std::string value) {
    auto* t = model.table(table);
    ASSERT_NE(t, nullptr) << table;
    const int row = t->findCaption(caption);
    ASSERT_GE(row, 0) << caption;
    model.setValue(*t, static_cast<std::size_t>(row), std::move(value));
}

// An entry the user added: not from the file, so it has no key or number yet.
void addEntry(AircraftModel& model, std::string_view table, int family, std::string value) {
    model.table(table)->rows.push_back(Row{"new", std::move(value), "", family, -1});
}

struct WriteCase {
    const char* name;
    std::string before;
    std::function<void(AircraftModel&)> edit;
    bool removeBlanks;
    std::string after;
};

const std::string kGeneralEngine = "[GeneralEngineData]\n"
                                   "engine_type=0\n"
                                   "fuel_flow_scalar=1\n"
                                   "min_throttle_limit=-0.2\n"
                                   "max_contrail_temperature=-39\n"
                                   "master_ignition_switch=0\n"
                                   "starter_type=2\n"
                                   "engine.0=0, 0, 0\n"
                                   "engine.1=0, 5, 0\n";

const std::string kFlaps0 = "[flaps.0]\n"
                            "type=1\n"
                            "span-outboard=0.5\n"
                            "extending-time=5\n"
                            "damaging-speed=120\n"
                            "blowout-speed=130\n"
                            "lift_scalar=1\n"
                            "drag_scalar=1\n"
                            "pitch_scalar=1\n"
                            "system_type=0\n";

const std::string kBlanks = "; top\n"
                            "[views]\n"
                            "eyepoint=1, 2, 3\n"
                            "zoom=   \n"
                            "[jet_engine]\n"
                            "thrust_scalar=\"\"\n"
                            "[hand_made]\n"
                            "; goes with its section\n"
                            "blank=\n"
                            "\n"
                            "[kept_unknown]\n"
                            "x=\n"
                            "y=;only a comment\n";

const auto noEdit = [](AircraftModel&) {};

} // namespace

TEST(saveWriteCfg, MergesTheModelIntoTheFile) {
    const WriteCase cases[] = {
        {"an empty file gains every always-written section, in save order", "", noEdit, false, "{absent}"},

        {"known lines keep their bytes, a new key goes after the last key line, absent sections at the end",
         "; made by hand\n"
         "[VIEWS]\n"
         "eyepoint = \"1.0, 0.0, 2.5\"   ; pilot\n"
         "; zoom to come\n"
         "\n"
         "[my_notes]\n"
         "anything = goes\n",
         noEdit, false,
         "; made by hand\n"
         "[VIEWS]\n"
         "eyepoint = \"1.0, 0.0, 2.5\"   ; pilot\n"
         "zoom=\n"
         "; zoom to come\n"
         "\n"
         "[my_notes]\n"
         "anything = goes\n"
         "{absent}"},

        {"new lines take the line ending most lines have", "[views]\r\neyepoint=1\n; c\r\n[x]\r\na=1\r\n",
         noEdit, false, "[views]\r\neyepoint=1\nzoom=\r\n; c\r\n[x]\r\na=1\r\n{absent}"},

        {"clean-up off removes nothing", crlf(kBlanks), noEdit, false, crlf(kBlanks + "{absent}")},

        {"clean-up removes blank keys and the sections they leave empty, comments included", crlf(kBlanks),
         noEdit, true,
         crlf("; top\n"
              "[views]\n"
              "eyepoint=1, 2, 3\n"
              "[kept_unknown]\n"
              "y=;only a comment\n")},

        {"entries go back to their own keys, skipped ones stay",
         crlf("[lights]\n"
              "light.0=1, 0, 0, 0\n"
              "light.2=/ 3, 0, 0, 0\n"
              "light.3=\n"
              "light.5=2, 1, 1, 1\n"
              "[direction_indicators]\n"
              "direction_indicator.0=1, 0\n"
              "direction_indicator.1=1, 1\n"
              "induction_compass.0=2, 0\n"),
         [](AircraftModel& m) {
             set(m, "lvLightsData", "Light - 6", "2, 9, 9, 9");
             set(m, "lvDirInd", "Induction Compass - 1", "2, 7");
         },
         false,
         crlf("[lights]\n"
              "light.0=1, 0, 0, 0\n"
              "light.2=/ 3, 0, 0, 0\n"
              "light.3=\n"
              "light.5=2, 9, 9, 9\n"
              "[direction_indicators]\n"
              "direction_indicator.0=1, 0\n"
              "direction_indicator.1=1, 1\n"
              "induction_compass.0=2, 7\n"
              "{absent}")},

        {"a new entry takes the lowest number its family leaves free in the file and the table",
         crlf("[lights]\n"
              "light.0=a\n"
              "light.1=/b\n"
              "light.3=c\n"
              "[direction_indicators]\n"
              "direction_indicator.0=1, 0\n"
              "direction_indicator.1=1, 1\n"),
         [](AircraftModel& m) {
             addEntry(m, "lvLightsData", 0, "d");
             addEntry(m, "lvLightsData", 0, "e");
             addEntry(m, "lvDirInd", 1, "2, 0");
         },
         false,
         crlf("[lights]\n"
              "light.0=a\n"
              "light.1=/b\n"
              "light.3=c\n"
              "light.2=d\n"
              "light.4=e\n"
              "[direction_indicators]\n"
              "direction_indicator.0=1, 0\n"
              "direction_indicator.1=1, 1\n"
              "induction_compass.0=2, 0\n"
              "{absent}")},

        {"thrust angles keep the file's spelling with the s",
         crlf(kGeneralEngine + "ThrustAnglesPitchHeading.0=2, 0\n"),
         [](AircraftModel& m) {
             set(m, "lvGenEngData", "Thrust Angle Engine No. 1", "3, 0");
             addEntry(m, "lvGenEngData", 2, "4, 0");
         },
         false,
         crlf(kGeneralEngine + "ThrustAnglesPitchHeading.0=3, 0\nthrustanglespitchheading.1=4, 0\n{absent}")},

        {"thrust angles keep the file's spelling without the s",
         crlf(kGeneralEngine + "thrustanglepitchheading.0=2, 0\n"),
         [](AircraftModel& m) { addEntry(m, "lvGenEngData", 1, "4, 0"); }, false,
         crlf(kGeneralEngine + "thrustanglepitchheading.0=2, 0\nthrustanglepitchheading.1=4, 0\n{absent}")},

        {"a new thrust angle in a file without any is spelled without the s", crlf(kGeneralEngine),
         [](AircraftModel& m) { addEntry(m, "lvGenEngData", 1, "4, 0"); }, false,
         crlf(kGeneralEngine + "thrustanglepitchheading.0=4, 0\n{absent}")},

        {"editing variation 1's title changes only that line",
         crlf("[fltsim.0]\n"
              "title=A\n"
              "[fltsim.1]\n"
              "title=B\n"
              "sim=b_sim\n"),
         [](AircraftModel& m) {
             m.chooseVariation(1);
             m.setValue(m.variationTable(1), 0, "B2");
         },
         true,
         crlf("[fltsim.0]\n"
              "title=A\n"
              "[fltsim.1]\n"
              "title=B2\n"
              "sim=b_sim\n")},

        {"a loaded variation's description goes to its own section",
         crlf("[fltsim.0]\n"
              "title=A\n"
              "description=zero\n"
              "[fltsim.1]\n"
              "title=B\n"),
         [](AircraftModel& m) {
             m.chooseVariation(1);
             m.setDescription("one");
         },
         true,
         crlf("[fltsim.0]\n"
              "title=A\n"
              "description=zero\n"
              "[fltsim.1]\n"
              "title=B\n"
              "description=one\n")},

        {"a variation not loaded since the read is not written, line breaks in it included",
         crlf("[fltsim.1]\n"
              "title=B\n"
              "texture=\n"),
         [](AircraftModel& m) {
             m.record(1).values[0] = "changed";
             m.record(1).description = "two\r\nlines";
         },
         false,
         crlf("[fltsim.1]\n"
              "title=B\n"
              "texture=\n"
              "{absent}")},

        {"flap tables are written only where their section exists",
         crlf(kFlaps0 + "flaps-position.0=0\nflaps-position.1=10\n"),
         [](AircraftModel& m) { set(m, "lvFlaps0Data", "Flaps Position - 2", "15"); }, false,
         crlf(kFlaps0 + "flaps-position.0=0\nflaps-position.1=15\n{absent}")},

        {"an edited performance is written even with every table unchanged",
         crlf("[General]\n"
              "atc_type=Tourer\n"
              "atc_model=SP18\n"
              "category=airplane\n"
              "performance=Cruise 120 kt\n"),
         [](AircraftModel& m) { m.performance = "Cruise 125 kt"; }, false,
         crlf("[General]\n"
              "atc_type=Tourer\n"
              "atc_model=SP18\n"
              "category=airplane\n"
              "performance=Cruise 125 kt\n"
              "{absent}")},

        {"missing effects keys take the write spellings, present ones keep theirs",
         crlf("[effects]\n"
              "wake=fx_wake\n"
              "ENGINEFIRE=fx_fire\n"
              "touchdown=fx_td, 1\n"),
         [](AircraftModel& m) { set(m, "lvEffectsData", "Engine Fire", "fx_fire2"); }, false,
         crlf("[effects]\n"
              "wake=fx_wake\n"
              "ENGINEFIRE=fx_fire2\n"
              "touchdown=fx_td, 1\n"
              "Water=\n"
              "Dirt=\n"
              "Concrete=\n"
              "Snowtrack=\n"
              "WheelSnowSpray=\n"
              "WheelWetSpray=\n"
              "Startup=\n"
              "windshield_rain_effect_available=\n"
              "{absent}")},

        {"a file without a final line break still ends without one", "[views]\neyepoint=1",
         [](AircraftModel& m) { set(m, "lvViewsData", "Zoom", "2"); }, true, "[views]\neyepoint=1\nzoom=2"},
    };
    for (const WriteCase& c : cases) {
        SCOPED_TRACE(c.name);
        ProfileDocument doc = ProfileDocument::fromBytes(c.before);
        AircraftModel model;
        ReadCfg(doc, model);
        c.edit(model);
        ASSERT_EQ(WriteCfg(doc, model, c.removeBlanks), std::nullopt);
        EXPECT_TRUE(sameBytes(doc.toBytes(), expandAbsent(c.after, c.before)));
    }
}

TEST(saveWriteCfg, RefusesALineBreakBeforeChangingAnything) {
    const std::string before = crlf("[fltsim.0]\ntitle=A\n[General]\nperformance=p\n");
    const std::function<void(AircraftModel&)> edits[] = {
        [](AircraftModel& m) { m.setValue(m.variationTable(0), 0, "A\r\nB"); },
        [](AircraftModel& m) { m.record(0).description = "one\ntwo"; },
        [](AircraftModel& m) { m.performance = "one\rtwo"; },
        [](AircraftModel& m) { addEntry(m, "lvLightsData", 0, "1,\n2"); },
    };
    for (const auto& edit : edits) {
        ProfileDocument doc = ProfileDocument::fromBytes(before);
        AircraftModel model;
        ReadCfg(doc, model);
        set(model, "lvViewsData", "Zoom", "2"); // the valid edit is not written either
        edit(model);
        const auto refused = WriteCfg(doc, model, true);
        ASSERT_TRUE(refused.has_value());
        EXPECT_NE(refused->find("line break"), std::string::npos) << *refused;
        EXPECT_FALSE(doc.modified());
        EXPECT_EQ(doc.toBytes(), before);
    }
}

// A CR that already stands inside a line of the file reads into the row; left unchanged it is
// written nowhere, so it must not block the save of other edits.
TEST(saveWriteCfg, StrayCarriageReturnAlreadyInTheFileDoesNotBlockASave) {
    const std::string before = "[fltsim.0]\ntitle=A\rB\n[views]\nzoom=1\n";
    ProfileDocument doc = ProfileDocument::fromBytes(before);
    AircraftModel model;
    ReadCfg(doc, model);
    set(model, "lvViewsData", "Zoom", "2");
    ASSERT_FALSE(WriteCfg(doc, model, true).has_value());
    EXPECT_NE(doc.toBytes().find("title=A\rB\n"), std::string::npos);
    EXPECT_NE(doc.toBytes().find("zoom=2\n"), std::string::npos);
}
