#include "editor/platform/registry.h"
#include "editor/platform/wine_registry_file.h"
#include "scoped_wine_prefix.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <ostream>
#include <random>

namespace fs = std::filesystem;
using rivetbench::platform::readRegistryString;
using rivetbench::platform::RegistryRoot;
using rivetbench::platform::RegistryTypeError;
using rivetbench::platform::RegistryValue;
using rivetbench::platform::WineRegistry;
using rivetbench::platform::WineRegistryFile;

namespace {

const fs::path kData = RIVETBENCH_TEST_DATA;
constexpr auto HKCU = RegistryRoot::CurrentUser;
constexpr auto HKLM = RegistryRoot::LocalMachine;

struct ReadCase {
    const char* title;
    RegistryRoot root;
    const char* key;
    const char* name;
    std::string expected; // what readRegistryString gives, unless `error` is set
    const char* error = nullptr;
};

const ReadCase kReadCases[] = {
    {"String", HKCU, "Software\\Cases\\String", "AppPath", "D:\\FSX\\"},
    {"ExpandableIsNotExpanded", HKCU, "Software\\Cases\\Expandable", "AppPath", "%ProgramFiles%\\FSX\\"},
    {"CutAtFirstNul", HKCU, "Software\\Cases\\EmbeddedNul", "AppPath", "D:\\FSX"},
    {"Escapes", HKCU, "Software\\Cases\\Escapes", "AppPath",
     "q\"uote\\back\ttab\nline\r\a\x1b \xC3\xA9t\xC3\xA9"
     "e \xE4\xB8\xAD \xF0\x9F\x9A\x80 \xEF\xBF\xBDx \\x41 q"},
    {"DefaultValue", HKCU, "Software\\Cases\\Escapes", "", "the default value"},
    {"RawUtf8", HKCU, "Software\\Cases\\Raw UTF-8", "AppPath", "C:\\users\\J\xC3\xBCrgen\\FSX"},
    {"EscapedBracketsInKey", HKCU, "Software\\Cases\\With [Brackets]", "AppPath", "bracketed"},
    // Wine writes a string without its terminator as hex(1); Windows still calls it a string.
    {"UnterminatedStringAsHex", HKCU, "Software\\Cases\\Unterminated", "AppPath", "D:\\FSX"},
    {"KeyAndNameIgnoreCase", HKCU, "SOFTWARE\\cases\\STRING\\", "apppath", "D:\\FSX\\"},
    {"MissingValue", HKCU, "Software\\Cases\\String", "SetupPath", ""},
    {"MissingKey", HKCU, "Software\\Cases\\Nowhere", "AppPath", ""},
    {"Dword", HKCU, "Software\\Cases\\Dword", "AppPath", "", "Invalid data type for 'AppPath'"},
    {"Binary", HKCU, "Software\\Cases\\Binary", "AppPath", "", "Invalid data type for 'AppPath'"},
    {"MultiString", HKCU, "Software\\Cases\\Multi", "AppPath", "", "Invalid data type for 'AppPath'"},
    {"MachineKeyFromWow6432Node", HKLM, "SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\10.0",
     "SetupPath", "C:\\Program Files (x86)\\Microsoft Games\\Microsoft Flight Simulator X\\"},
    {"PlainMachineKeyComesFirst", HKLM, "Software\\Both", "Value", "plain"},
    {"ValueMissingFromPlainKey", HKLM, "Software\\Both", "OnlyWow", "from Wow6432Node"},
    {"Wow6432NodeByName", HKLM, "Software\\Wow6432Node\\Both", "Value", "redirected"},
    {"UserKeyIsNotRedirected", HKCU, "Software\\Cases\\UserWow", "AppPath", ""},
    {"HivesAreSeparate", HKLM, "Software\\Cases\\String", "AppPath", ""},
};

void PrintTo(const ReadCase& c, std::ostream* out) {
    *out << c.title;
}

class RegistryRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(RegistryRead, FromWineFiles) {
    const ReadCase& c = GetParam();
    const WineRegistry registry(kData / "user.reg", kData / "system.reg");
    if (c.error == nullptr) {
        EXPECT_EQ(readRegistryString(registry, c.root, c.key, c.name), c.expected);
        return;
    }
    try {
        readRegistryString(registry, c.root, c.key, c.name);
        ADD_FAILURE() << "no RegistryTypeError";
    } catch (const RegistryTypeError& e) {
        EXPECT_STREQ(e.what(), c.error);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, RegistryRead, ::testing::ValuesIn(kReadCases),
                         [](const auto& param) { return std::string(param.param.title); });

TEST(WineRegistryFile, ValueTypesAndRawData) {
    const WineRegistry registry(kData / "user.reg", kData / "system.reg");
    const auto dword = registry.value(HKCU, "Software\\Cases\\Dword", "AppPath");
    ASSERT_TRUE(dword.has_value());
    EXPECT_EQ(dword->type, RegistryValue::Type::Other);
    EXPECT_EQ(dword->data, std::string("\x1e\0\0\0", 4));
    const auto binary = registry.value(HKCU, "Software\\Cases\\Binary", "AppPath");
    ASSERT_TRUE(binary.has_value());
    EXPECT_EQ(binary->data.size(), 30u); // both lines of the continued data
    EXPECT_EQ(registry.value(HKCU, "Software\\Cases\\Expandable", "AppPath")->type,
              RegistryValue::Type::ExpandString);
    EXPECT_FALSE(registry.value(HKCU, "Software\\Cases\\String", "SetupPath").has_value());
}

TEST(WineRegistryFile, KeysExistWithTheirParents) {
    const WineRegistry registry(kData / "user.reg", kData / "system.reg");
    EXPECT_TRUE(registry.keyExists(HKCU, "Software\\Cases\\String"));
    EXPECT_TRUE(registry.keyExists(HKCU, "software\\CASES")); // never written, implied by its subkeys
    EXPECT_TRUE(registry.keyExists(HKLM, "Software\\Microsoft\\Microsoft Games\\Flight Simulator\\10.0\\"));
    EXPECT_FALSE(registry.keyExists(HKCU, "Software\\Microsoft\\Microsoft Games\\Flight Simulator\\10.0"));
    EXPECT_FALSE(registry.keyExists(HKCU, "Software\\Case"));
}

TEST(WineRegistryFile, MalformedLinesAreSkipped) {
    const WineRegistry registry(kData / "user.reg", kData / "malformed.reg");
    EXPECT_EQ(readRegistryString(registry, HKLM, "Software\\Good", "AppPath"), "kept");
    EXPECT_EQ(readRegistryString(registry, HKLM, "Software\\Good", "Next"), "after the broken continuation");
    for (const char* name : {"Orphan", "Unterminated", "NoEquals", "BadDword", "LongDword", "BadHex",
                             "BadType", "Unknown", "Dangling", "Dangling\"", "BrokenContinuation", "Stray"})
        EXPECT_FALSE(registry.value(HKLM, "Software\\Good", name).has_value()) << name;
    EXPECT_FALSE(registry.value(HKLM, "Software\\Broken", "Stray").has_value());
    EXPECT_EQ(readRegistryString(registry, HKLM, "Software\\After", "Value"), "after the broken key");
}

TEST(WineRegistryFile, OnlyWinesFormatIsRead) {
    const char* const texts[] = {
        "REGEDIT4\n\n[Software\\\\A]\n\"AppPath\"=\"x\"\n",
        "[Software\\\\A]\n\"AppPath\"=\"x\"\n",
        "",
    };
    for (const char* text : texts)
        EXPECT_FALSE(WineRegistryFile::parse(text).keyExists("Software\\A")) << text;
    const WineRegistryFile windowsLines = WineRegistryFile::parse(
        "\xEF\xBB\xBFWINE REGISTRY Version 2\r\n\r\n[Software\\\\A] 1\r\n\"AppPath\"=\"x\"\r\n");
    EXPECT_EQ(windowsLines.value("Software\\A", "AppPath")->data, "x");
}

TEST(WineRegistry, MissingFilesAreEmpty) {
    const WineRegistry registry(kData / "no-such-user.reg", kData);
    EXPECT_FALSE(registry.keyExists(HKCU, "Software"));
    EXPECT_EQ(readRegistryString(registry, HKLM, "Software\\Both", "Value"), "");
}

class TempFolder : public ::testing::Test {
  protected:
    fs::path folder =
        fs::temp_directory_path() / ("rivetbench-registry-" + std::to_string(std::random_device{}()));
    void SetUp() override { fs::create_directories(folder); }
    void TearDown() override { fs::remove_all(folder); }
    void write(const fs::path& file, const std::string& appPath) const {
        std::ofstream(file, std::ios::binary)
            << "WINE REGISTRY Version 2\n\n[Software\\\\A] 1\n\"AppPath\"=\"" << appPath << "\"\n";
    }
};

TEST_F(TempFolder, FileIsReadAgainWhenWineRewritesIt) {
    write(folder / "user.reg", "C:\\\\Old");
    const WineRegistry registry(folder / "user.reg", folder / "system.reg");
    EXPECT_EQ(readRegistryString(registry, HKCU, "Software\\A", "AppPath"), "C:\\Old");
    write(folder / "user.reg", "D:\\\\Newer");
    EXPECT_EQ(readRegistryString(registry, HKCU, "Software\\A", "AppPath"), "D:\\Newer");
    fs::remove(folder / "user.reg");
    EXPECT_EQ(readRegistryString(registry, HKCU, "Software\\A", "AppPath"), "");
}

#ifndef _WIN32
TEST_F(TempFolder, SystemRegistryReadsThePrefixOfWineprefix) {
    write(folder / "user.reg", "C:\\\\FSX");
    rivetbench::test::ScopedWinePrefix prefix(folder.string());
    EXPECT_EQ(readRegistryString(*rivetbench::platform::systemRegistry(), HKCU, "Software\\A", "AppPath"),
              "C:\\FSX");
    prefix.set((folder / "absent").string());
    EXPECT_FALSE(rivetbench::platform::systemRegistry()->keyExists(HKCU, "Software"));
}
#endif

} // namespace
