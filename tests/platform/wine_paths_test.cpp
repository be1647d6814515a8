#include "editor/platform/wine_prefix.h"
#include "scoped_wine_prefix.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <random>
#include <string>

namespace fs = std::filesystem;
using rivetbench::platform::WinePathMapper;

namespace {

// A Wine prefix as winecfg leaves it: c: links to ../drive_c, z: to the root.
class FakePrefix : public ::testing::Test {
  protected:
    fs::path prefix =
        fs::temp_directory_path() / ("rivetbench-prefix-" + std::to_string(std::random_device{}()));
    void SetUp() override {
#ifdef _WIN32
        GTEST_SKIP() << "Wine prefixes are a Linux matter";
#endif
        fs::create_directories(prefix / "dosdevices");
        fs::create_directories(prefix / "drive_c/Program Files/Microsoft Games/Microsoft Flight Simulator X");
        fs::create_directories(prefix / "drive_c/users");
        fs::create_directories(prefix / "drive_c/Data");
        fs::create_directories(prefix / "drive_c/data");
        fs::create_directory_symlink("../drive_c", prefix / "dosdevices/c:");
        fs::create_directory_symlink("/", prefix / "dosdevices/z:");
    }
    void TearDown() override {
        fs::remove_all(prefix);
    }
};

struct PathCase {
    const char* windows;
    const char* local; // below the prefix; "/..." is absolute; nullptr for no translation
};

const PathCase kPathCases[] = {
    {"C:\\FSX\\fsx.exe", "drive_c/FSX/fsx.exe"},
    {"c:/FSX", "drive_c/FSX"},
    {"C:\\", "drive_c"},
    {"C:", "drive_c"},
    {"C:\\program files\\MICROSOFT GAMES\\microsoft flight simulator x\\SimObjects",
     "drive_c/Program Files/Microsoft Games/Microsoft Flight Simulator X/SimObjects"},
    {"C:\\data", "drive_c/data"}, // the exact name wins over another case
    {"C:\\DATA", "drive_c/Data"},
    {"C:\\Program Files\\..\\users\\.\\\\pilot", "drive_c/users/pilot"},
    {"C:\\..\\..\\USERS", "drive_c/users"},
    {"Z:\\", "/"},
    {"z:\\usr\\", "/usr"},
    {"\\\\server\\share\\fsx.exe", nullptr},
    {"FSX\\fsx.exe", nullptr},
    {"\\FSX", nullptr},
    {"C:FSX", nullptr},
    {"", nullptr},
    {"Q:\\FSX", nullptr}, // no such drive in the prefix
    {"1:\\FSX", nullptr},
    {"%ProgramFiles%\\FSX", nullptr},
};

TEST_F(FakePrefix, WindowsPathsMapThroughDosdevices) {
    const WinePathMapper mapper(prefix);
    const fs::path root = fs::canonical(prefix);
    for (const PathCase& c : kPathCases) {
        SCOPED_TRACE(c.windows);
        const auto local = mapper.toLocal(c.windows);
        if (c.local == nullptr) {
            EXPECT_FALSE(local.has_value()) << *local;
            continue;
        }
        ASSERT_TRUE(local.has_value());
        EXPECT_EQ(*local, c.local[0] == '/' ? fs::path(c.local) : root / c.local);
    }
}

TEST_F(FakePrefix, NoPrefixTranslatesNothing) {
    EXPECT_FALSE(WinePathMapper(prefix / "absent").toLocal("C:\\FSX").has_value());
    EXPECT_FALSE(WinePathMapper(fs::path()).toLocal("C:\\FSX").has_value());
}

#ifndef _WIN32
TEST_F(FakePrefix, SystemMapperUsesWineprefix) {
    rivetbench::test::ScopedWinePrefix scoped(prefix.string());
    EXPECT_EQ(rivetbench::platform::systemPathMapper()->toLocal("C:\\users"),
              fs::canonical(prefix) / "drive_c/users");
}
#endif

} // namespace
