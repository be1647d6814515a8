#include "editor/config/ini_file.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <sstream>

namespace fs = std::filesystem;
using rivetbench::config::TIniFile;

namespace {

class IniFile : public ::testing::Test {
  protected:
    fs::path folder =
        fs::temp_directory_path() / ("rivetbench-ini-" + std::to_string(std::random_device{}()));
    void SetUp() override { fs::create_directories(folder); }
    void TearDown() override { fs::remove_all(folder); }
    static std::string contents(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
};

TEST_F(IniFile, MissingFileReadsEmptyAndIsCreatedByTheFirstUpdate) {
    TIniFile ini(folder / "Rivetbench.ini");
    EXPECT_EQ(ini.readString("GenSettings", "RemoveBlanks", "x"), "x");
    ini.writeString("GenSettings", "RemoveBlanks", "True");
    ini.writeInteger("WindowPos", "Left", 120);
    ASSERT_FALSE(ini.UpdateFile().has_value());
    EXPECT_EQ(contents(folder / "Rivetbench.ini"),
              "[GenSettings]\r\nRemoveBlanks=True\r\n[WindowPos]\r\nLeft=120\r\n");
    EXPECT_EQ(TIniFile(folder / "Rivetbench.ini").readInteger("WindowPos", "Left", 0), 120);
}

TEST_F(IniFile, UpdateWritesOnlyWhenChangedAndKeepsOtherLines) {
    const std::string before = "; kept\n[a]\nk = 1 ; note\n";
    std::ofstream(folder / "x.ini", std::ios::binary) << before;
    TIniFile ini(folder / "x.ini");
    ASSERT_FALSE(ini.UpdateFile().has_value());
    EXPECT_EQ(contents(folder / "x.ini"), before);
    ini.writeString("a", "k", "2");
    ASSERT_FALSE(ini.UpdateFile().has_value());
    EXPECT_EQ(contents(folder / "x.ini"), "; kept\n[a]\nk = 2\n");
    EXPECT_FALSE(ini.modified());
}

TEST_F(IniFile, RefusedWriteNamesTheFileAndLeavesItAlone) {
    std::ofstream(folder / "x.ini", std::ios::binary) << "[a]\nk=1\n";
    fs::create_directory(folder / "x.ini.rivetbench-tmp"); // the temporary file cannot be made
    TIniFile ini(folder / "x.ini");
    ini.writeString("a", "k", "2");
    const auto failed = ini.UpdateFile();
    ASSERT_TRUE(failed.has_value());
    EXPECT_EQ(failed->rfind("Unable to write to " + (folder / "x.ini").string(), 0), 0u) << *failed;
    EXPECT_EQ(contents(folder / "x.ini"), "[a]\nk=1\n");
}

} // namespace
