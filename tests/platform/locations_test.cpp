#include "editor/app/locations.h"
#include "editor/platform/wine_prefix.h"
#include "editor/platform/wine_registry_file.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using rivetbench::app::Locations;
using rivetbench::platform::RegistryTypeError;
using rivetbench::platform::WinePathMapper;
using rivetbench::platform::WineRegistry;

namespace {

void setEnv(const char* name, const char* value) {
#ifdef _WIN32
    _putenv_s(name, value);
#else
    setenv(name, value, 1);
#endif
}

// A prefix with drives c: and d:, whose registry files each test writes.
class SimulatorPrefix : public ::testing::Test {
  protected:
    fs::path prefix =
        fs::temp_directory_path() / ("rivetbench-locations-" + std::to_string(std::random_device{}()));
    WineRegistry registry{prefix / "user.reg", prefix / "system.reg"};
    WinePathMapper paths{prefix};
    Locations locations{registry, paths};

    void SetUp() override {
#ifdef _WIN32
        GTEST_SKIP() << "Wine prefixes are a Linux matter";
#endif
        for (const char* drive : {"c", "d"}) {
            fs::create_directories(prefix / ("drive_" + std::string(drive)));
            fs::create_directories(prefix / "dosdevices");
            fs::create_directory_symlink("../drive_" + std::string(drive),
                                         prefix / "dosdevices" / (drive + std::string(":")));
        }
    }
    void TearDown() override {
        fs::remove_all(prefix);
    }

    // `line` is a whole value line as Wine writes it; nullptr leaves the key without values.
    void writeRegistry(const char* userLine, const char* machineLine) const {
        std::ofstream(prefix / "user.reg", std::ios::binary)
            << "WINE REGISTRY Version 2\n\n"
            << "[Software\\\\Microsoft\\\\Microsoft Games\\\\Flight Simulator\\\\10.0] 1700000000\n"
            << (userLine != nullptr ? userLine : "") << "\n";
        std::ofstream(prefix / "system.reg", std::ios::binary)
            << "WINE REGISTRY Version 2\n\n"
            << "[Software\\\\Wow6432Node\\\\Microsoft\\\\Microsoft Games\\\\Flight Simulator\\\\10.0] "
               "1700000000\n"
            << (machineLine != nullptr ? machineLine : "") << "\n";
    }
    // A name ending in '/' is a folder.
    void create(const std::string& name) const {
        const fs::path path = prefix / name;
        if (name.back() == '/') {
            fs::create_directories(path);
            return;
        }
        fs::create_directories(path.parent_path());
        std::ofstream(path) << "MZ";
    }
};

struct FsxCase {
    const char* title;
    const char* appPath;   // the user's value line
    const char* setupPath; // the machine's value line
    std::vector<std::string> files;
    const char* expected; // below the prefix; "" for none
    const char* error = nullptr;
};

const char* const kSetupInProgramFiles =
    R"("SetupPath"="C:\\Program Files (x86)\\Microsoft Games\\Microsoft Flight Simulator X\\")";
const char* const kProgramFilesFsx =
    "drive_c/Program Files (x86)/Microsoft Games/Microsoft Flight Simulator X";

const FsxCase kFsxCases[] = {
    {"AppPathHoldingFsxExe", R"("AppPath"="D:\\FSX\\")", nullptr, {"drive_d/FSX/fsx.exe"}, "drive_d/FSX"},
    {"NamesMatchWithoutCase", R"("AppPath"="d:\\fsx\\")", nullptr, {"drive_d/FSX/FSX.EXE"}, "drive_d/FSX"},
    {"AppPathWithoutFsxExeFallsBackToSetupPath",
     R"("AppPath"="D:\\FSX\\")",
     kSetupInProgramFiles,
     {"drive_d/FSX/readme.txt", std::string(kProgramFilesFsx) + "/fsx.exe"},
     kProgramFilesFsx},
    {"NoAppPath",
     nullptr,
     kSetupInProgramFiles,
     {std::string(kProgramFilesFsx) + "/fsx.exe"},
     kProgramFilesFsx},
    {"NeitherHoldsFsxExe", R"("AppPath"="D:\\FSX\\")", kSetupInProgramFiles, {"drive_d/FSX/"}, ""},
    {"FsxExeMustBeAFile", R"("AppPath"="D:\\FSX\\")", nullptr, {"drive_d/FSX/fsx.exe/"}, ""},
    {"NothingStored", nullptr, nullptr, {}, ""},
    // FSXROOT is set to D:\FSX, which holds fsx.exe: only expansion would find it.
    {"ExpandableIsNotExpanded", R"("AppPath"=str(2):"%FSXROOT%\\")", nullptr, {"drive_d/FSX/fsx.exe"}, ""},
    {"ExpandableTakenLiterally",
     R"("AppPath"=str(2):"D:\\%FSXROOT%\\")",
     nullptr,
     {"drive_d/FSX/fsx.exe", "drive_d/%FSXROOT%/fsx.exe"},
     "drive_d/%FSXROOT%"},
    {"AppPathOfWrongType",
     R"("AppPath"=dword:00000001)",
     kSetupInProgramFiles,
     {std::string(kProgramFilesFsx) + "/fsx.exe"},
     "",
     "Invalid data type for 'AppPath'"},
    {"SetupPathOfWrongType",
     nullptr,
     R"("SetupPath"=hex:43,00,3a,00,00,00)",
     {},
     "",
     "Invalid data type for 'SetupPath'"},
};

void PrintTo(const FsxCase& c, std::ostream* out) {
    *out << c.title;
}

class GetFSXPath : public SimulatorPrefix, public ::testing::WithParamInterface<FsxCase> {};

TEST_P(GetFSXPath, FindsTheFolderHoldingFsxExe) {
    const FsxCase& c = GetParam();
    setEnv("FSXROOT", "D:\\FSX");
    writeRegistry(c.appPath, c.setupPath);
    for (const std::string& file : c.files)
        create(file);
    if (c.error != nullptr) {
        try {
            locations.GetFSXPath();
            ADD_FAILURE() << "no RegistryTypeError";
        } catch (const RegistryTypeError& e) {
            EXPECT_STREQ(e.what(), c.error);
        }
        return;
    }
    const fs::path expected = *c.expected == '\0' ? fs::path() : fs::canonical(prefix) / c.expected;
    EXPECT_EQ(locations.GetFSXPath(), expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, GetFSXPath, ::testing::ValuesIn(kFsxCases),
                         [](const auto& param) { return std::string(param.param.title); });

TEST_F(SimulatorPrefix, EachCallLooksAgain) {
    writeRegistry(R"("AppPath"="D:\\FSX")", nullptr);
    EXPECT_EQ(locations.GetFSXPath(), fs::path());
    create("drive_d/FSX/fsx.exe");
    EXPECT_EQ(locations.GetFSXPath(), fs::canonical(prefix) / "drive_d/FSX");
}

struct DocsCase {
    const char* title;
    const char* personal;  // the value line; nullptr for none
    const char* documents; // below the prefix; "" for none
};

TEST_F(SimulatorPrefix, DocumentsFolders) {
    const DocsCase cases[] = {
        {"documents", R"("Personal"="C:\\users\\pilot\\Documents")", "drive_c/users/pilot/Documents"},
        {"not stored", nullptr, ""},
        {"not a drive path", R"("Personal"="\\\\server\\docs")", ""},
    };
    create("drive_c/users/pilot/Documents/");
    for (const DocsCase& c : cases) {
        SCOPED_TRACE(c.title);
        std::ofstream(prefix / "user.reg", std::ios::binary)
            << "WINE REGISTRY Version 2\n\n"
            << "[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Explorer\\\\Shell Folders] "
               "1700000000\n"
            << (c.personal != nullptr ? c.personal : "") << "\n";
        const fs::path documents = *c.documents == '\0' ? fs::path() : fs::canonical(prefix) / c.documents;
        EXPECT_EQ(locations.GetWinDocsFolder(), documents);
        EXPECT_EQ(locations.GetFSDocsPath(),
                  (documents.empty() ? fs::path("/") : documents) / "Flight Simulator X Files");
    }
}

} // namespace
