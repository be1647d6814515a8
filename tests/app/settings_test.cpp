#include "editor/app/settings.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <sstream>
#include <stdexcept>
#include <tuple>

namespace fs = std::filesystem;
using namespace rivetbench::app;

namespace {

class SettingsFile : public ::testing::Test {
  protected:
    fs::path folder =
        fs::temp_directory_path() / ("rivetbench-settings-" + std::to_string(std::random_device{}()));
    fs::path ini = folder / "Rivetbench.ini";
    SettingsDefaults defaults{300, 400, {}, {}};

    void SetUp() override { fs::create_directories(folder); }
    void TearDown() override {
        std::error_code ec;
        for (const auto& e : fs::recursive_directory_iterator(folder, ec))
            fs::permissions(e.path(), fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(folder, ec);
    }

    static void put(const fs::path& p, const std::string& bytes) {
        fs::create_directories(p.parent_path());
        std::ofstream(p, std::ios::binary) << bytes;
    }
    static std::string contents(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    // chmod does not stop root; a write that still works means the case cannot be shown here.
    static bool writesRefused(const fs::path& dir) {
        const fs::path probe = dir / "probe";
        const bool made = std::ofstream(probe).good();
        std::error_code ec;
        fs::remove(probe, ec);
        return !made;
    }
};

auto fields(const Settings& s) {
    return std::tie(s.top, s.left, s.lastCfg, s.minimize, s.expandTree, s.removeComments, s.removeBlanks,
                    s.fsEditPath, s.fsxExePath, s.defaultFlight, s.fsxStartupDelay);
}

TEST_F(SettingsFile, FirstRunTakesTheDefaults) {
    const fs::path sim = folder / "FSX";
    for (const bool haveSim : {false, true}) {
        SCOPED_TRACE(haveSim);
        defaults.fsxPath = haveSim ? std::function<fs::path()>([&] { return sim; }) : nullptr;
        const Settings s = ReadIniFile(ini, defaults);
        EXPECT_EQ(s.top, 300);
        EXPECT_EQ(s.left, 400);
        EXPECT_FALSE(s.minimize);
        EXPECT_TRUE(s.expandTree);
        EXPECT_TRUE(s.removeComments);
        EXPECT_TRUE(s.removeBlanks);
        EXPECT_EQ(s.lastCfg, "");
        EXPECT_EQ(s.fsEditPath, "");
        EXPECT_EQ(s.fsxExePath, haveSim ? (sim / "fsx.exe").string() : "");
        EXPECT_EQ(s.defaultFlight, "");
        EXPECT_EQ(s.fsxStartupDelay, 1000);
    }
    EXPECT_FALSE(fs::exists(ini)); // reading never creates the file
}

TEST_F(SettingsFile, ValuesReadAsStored) {
    using Get = std::function<std::string(const Settings&)>;
    const Get top = [](const Settings& s) { return std::to_string(s.top); };
    const Get expand = [](const Settings& s) { return std::to_string(s.expandTree); };
    const Get minimize = [](const Settings& s) { return std::to_string(s.minimize); };
    const Get delay = [](const Settings& s) { return std::to_string(s.fsxStartupDelay); };
    const Get exe = [](const Settings& s) { return s.fsxExePath; };
    const struct {
        const char* ini;
        Get get;
        std::string expected;
    } cases[] = {
        {"[WindowPos]\nTop=-25\n", top, "-25"},
        {"[WindowPos]\nTop=abc\n", top, "300"},
        {"[WindowPos]\nTop=99999999999\n", top, "300"},
        {"[GenSettings]\nExpandTree=true\n", expand, "0"},
        {"[GenSettings]\nExpandTree=False\n", expand, "0"},
        {"[GenSettings]\nExpandTree=\n", expand, "0"},
        {"[GenSettings]\nMinimize=True\n", minimize, "1"},
        {"[GenSettings]\nMinimize=TRUE\n", minimize, "0"},
        {"[GenSettings]\nFSXStartupDelay=2500\n", delay, "2500"},
        {"[GenSettings]\nFSXStartupDelay=soon\n", delay, "1000"},
        {"[GenSettings]\nFSXExePath=D:\\FSX\\fsx.exe\n", exe, "D:\\FSX\\fsx.exe"},
    };
    defaults.fsxPath = [this] { return folder / "FSX"; }; // a stored path wins over the derived one
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ini);
        put(ini, c.ini);
        EXPECT_EQ(c.get(ReadIniFile(ini, defaults)), c.expected);
    }
}

TEST_F(SettingsFile, PreviousFlightBecomesTheDefaultFlightAndIsSaved) {
    const fs::path docs = folder / "Flight Simulator X Files";
    const std::string flight = (docs / "Previous flight.FLT").string();
    defaults.fsDocsPath = [&] { return docs; };
    EXPECT_EQ(ReadIniFile(ini, defaults).defaultFlight, "") << "no flight file yet";

    put(docs / "Previous flight.FLT", "[Main]\n");
    const Settings s = ReadIniFile(ini, defaults);
    EXPECT_EQ(s.defaultFlight, flight);
    ASSERT_FALSE(WriteIniFile(ini, s, "").has_value());
    EXPECT_NE(contents(ini).find("DefaultFlight=" + flight + "\r\n"), std::string::npos) << contents(ini);

    put(ini, "[GenSettings]\nDefaultFlight=C:\\Mine.FLT\n");
    EXPECT_EQ(ReadIniFile(ini, defaults).defaultFlight, "C:\\Mine.FLT");
}

TEST_F(SettingsFile, RegistryErrorsReachTheCaller) {
    defaults.fsDocsPath = []() -> fs::path { throw std::runtime_error("wrong type"); };
    EXPECT_THROW(ReadIniFile(ini, defaults), std::runtime_error);
}

TEST_F(SettingsFile, WriteNeverDeletesAndKeepsEverythingElse) {
    put(ini, "; Rivetbench settings\r\n"
             "[WindowPos]\r\n"
             "Top=10\r\n"
             "Left=20\r\n"
             "\r\n"
             "[GenSettings]\r\n"
             "LastCfg=C:\\Old\r\n"
             "FSEditPath=C:\\FSEdit\\fsedit.exe\r\n"
             "FSXStartupDelay=2500\r\n"
             "Colour=Blue ; mine\r\n"
             "[Plugins]\r\n"
             "Foo=1\r\n");
    Settings s = ReadIniFile(ini, defaults);
    EXPECT_EQ(s.fsEditPath, "C:\\FSEdit\\fsedit.exe");
    s.fsEditPath.clear(); // once stored it cannot be cleared
    s.top = 15;
    s.minimize = true;
    ASSERT_FALSE(WriteIniFile(ini, s, "").has_value()); // no folder selected: LastCfg stays
    EXPECT_EQ(contents(ini), "; Rivetbench settings\r\n"
                             "[WindowPos]\r\n"
                             "Top=15\r\n"
                             "Left=20\r\n"
                             "\r\n"
                             "[GenSettings]\r\n"
                             "LastCfg=C:\\Old\r\n"
                             "FSEditPath=C:\\FSEdit\\fsedit.exe\r\n"
                             "FSXStartupDelay=2500\r\n"
                             "Colour=Blue ; mine\r\n"
                             "RemoveComments=True\r\n"
                             "RemoveBlanks=True\r\n"
                             "Minimize=True\r\n"
                             "ExpandTree=True\r\n"
                             "FSXExePath=\r\n"
                             "DefaultFlight=\r\n"
                             "[Plugins]\r\n"
                             "Foo=1\r\n");

    ASSERT_FALSE(WriteIniFile(ini, s, "C:\\New").has_value());
    EXPECT_EQ(ReadIniFile(ini, defaults).lastCfg, "C:\\New");
}

TEST_F(SettingsFile, FirstWriteCreatesTheFileInKeyOrder) {
    Settings s = ReadIniFile(ini, defaults);
    ASSERT_FALSE(WriteIniFile(ini, s, "").has_value());
    EXPECT_EQ(contents(ini), "[WindowPos]\r\nTop=300\r\nLeft=400\r\n"
                             "[GenSettings]\r\nRemoveComments=True\r\nRemoveBlanks=True\r\nMinimize=False\r\n"
                             "ExpandTree=True\r\nFSXExePath=\r\nDefaultFlight=\r\n");
}

TEST_F(SettingsFile, RoundTripKeepsEveryValueAndEveryByte) {
    const std::string stored = "[WindowPos]\r\nTop=-5\r\nLeft=1200\r\n"
                               "[GenSettings]\r\nLastCfg=C:\\FSX\\SimObjects\\Airplanes\\Baron\r\n"
                               "Minimize=True\r\nExpandTree=False\r\nFSEditPath=C:\\FSEdit\\fsedit.exe\r\n"
                               "RemoveComments=False\r\nRemoveBlanks=False\r\nFSXExePath=C:\\FSX\\fsx.exe\r\n"
                               "DefaultFlight=C:\\Flights\\Caf\xe9.FLT\r\nFSXStartupDelay=2500\r\n";
    put(ini, stored);
    const Settings first = ReadIniFile(ini, defaults);
    ASSERT_FALSE(WriteIniFile(ini, first, first.lastCfg).has_value());
    EXPECT_EQ(contents(ini), stored);
    EXPECT_EQ(fields(ReadIniFile(ini, defaults)), fields(first));
}

TEST_F(SettingsFile, RefusedWriteSaysWhere) {
    const fs::path readOnly = folder / "ro";
    fs::create_directories(readOnly);
    fs::permissions(readOnly, fs::perms(0555));
    put(folder / "plain", "x");
    fs::create_directories(folder / "dir.ini");
    const struct {
        const char* name;
        fs::path target;
        bool needsPermissions;
    } cases[] = {
        {"path is a folder", folder / "dir.ini", false},
        {"parent is a file", folder / "plain" / "Rivetbench.ini", false},
        {"read-only folder", readOnly / "Rivetbench.ini", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.needsPermissions && !writesRefused(readOnly)) continue; // root ignores the mode
        const auto failed = WriteIniFile(c.target, Settings{}, "");
        ASSERT_TRUE(failed.has_value());
        EXPECT_EQ(failed->rfind("Unable to write to " + c.target.string(), 0), 0u) << *failed;
    }
}

TEST_F(SettingsFile, LivesInTheProgramFolderWhenItCanBeWritten) {
    const fs::path program = folder / "program";
    const fs::path user = folder / "config" / "rivetbench";
    fs::create_directories(program);
    EXPECT_EQ(settingsFilePath(program, user), program / "Rivetbench.ini");
    put(program / "Rivetbench.ini", "[WindowPos]\r\n");
    EXPECT_EQ(settingsFilePath(program, user), program / "Rivetbench.ini");
    EXPECT_EQ(contents(program / "Rivetbench.ini"), "[WindowPos]\r\n") << "the check leaves the file alone";
    EXPECT_EQ(std::distance(fs::directory_iterator(program), fs::directory_iterator()), 1) << "probe removed";

    EXPECT_EQ(settingsFilePath(folder / "missing", user), user / "Rivetbench.ini");
    EXPECT_TRUE(fs::is_directory(user));
}

TEST_F(SettingsFile, FallsBackToTheUserFolderWhenTheProgramFolderIsReadOnly) {
    const fs::path program = folder / "program";
    const fs::path user = folder / "config" / "rivetbench";
    put(program / "Rivetbench.ini", "[WindowPos]\r\n");
    put(user / "Rivetbench.ini", "[WindowPos]\r\nTop=7\r\n");
    fs::permissions(program, fs::perms(0555));
    if (!writesRefused(program)) GTEST_SKIP() << "running with rights that ignore folder permissions";
    EXPECT_EQ(settingsFilePath(program, user), user / "Rivetbench.ini");
}

} // namespace
