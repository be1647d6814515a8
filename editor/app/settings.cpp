#include "editor/app/settings.h"

#include "editor/config/ini_file.h"

#include <fstream>
#include <limits>
#include <random>
#include <string_view>
#include <system_error>

namespace rivetbench::app {
namespace fs = std::filesystem;
using config::TIniFile;

namespace {

// Every key of Rivetbench.ini, named once; the kind is the descriptor's type.
struct IntegerKey {
    std::string_view section, name;
};
struct TextKey {
    std::string_view section, name;
};
struct BooleanKey {
    std::string_view section, name;
    bool def;
};

constexpr std::string_view kWindowPos = "WindowPos";
constexpr std::string_view kGenSettings = "GenSettings";

constexpr IntegerKey kTop{kWindowPos, "Top"};
constexpr IntegerKey kLeft{kWindowPos, "Left"};
constexpr TextKey kLastCfg{kGenSettings, "LastCfg"};
constexpr BooleanKey kMinimize{kGenSettings, "Minimize", false};
constexpr BooleanKey kExpandTree{kGenSettings, "ExpandTree", true};
constexpr TextKey kFSEditPath{kGenSettings, "FSEditPath"};
constexpr BooleanKey kRemoveComments{kGenSettings, "RemoveComments", true};
constexpr BooleanKey kRemoveBlanks{kGenSettings, "RemoveBlanks", true};
constexpr TextKey kFSXExePath{kGenSettings, "FSXExePath"};
constexpr TextKey kDefaultFlight{kGenSettings, "DefaultFlight"};
constexpr IntegerKey kFSXStartupDelay{kGenSettings, "FSXStartupDelay"};

constexpr std::string_view kTrue = "True";
constexpr std::string_view kFalse = "False";
constexpr std::string_view kPreviousFlight = "Previous flight.FLT";

std::string_view word(bool b) {
    return b ? kTrue : kFalse;
}

// Only the exact word counts: "true" written by hand reads as false.
bool read(const TIniFile& ini, BooleanKey key) {
    return ini.readString(key.section, key.name, word(key.def)) == kTrue;
}

std::string read(const TIniFile& ini, TextKey key) {
    return ini.readString(key.section, key.name);
}

long read(const TIniFile& ini, IntegerKey key, long def) {
    return ini.readInteger(key.section, key.name, def);
}

// A window position that does not fit an int is as useless as text.
int readInt(const TIniFile& ini, IntegerKey key, int def) {
    const long v = read(ini, key, def);
    if (v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max()) return def;
    return static_cast<int>(v);
}

void write(TIniFile& ini, BooleanKey key, bool value) {
    ini.writeString(key.section, key.name, word(value));
}
void write(TIniFile& ini, TextKey key, std::string_view value) {
    ini.writeString(key.section, key.name, value);
}
void write(TIniFile& ini, IntegerKey key, long value) {
    ini.writeInteger(key.section, key.name, value);
}

fs::path call(const std::function<fs::path()>& f) {
    return f ? f() : fs::path();
}

bool isFile(const fs::path& p) {
    std::error_code ec;
    return fs::is_regular_file(p, ec);
}

// Writing a probe file is the only sure test: permissions, ACLs, read-only mounts all show up.
bool folderWritable(const fs::path& folder) {
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) return false;
    fs::path probe;
    do {
        probe = folder / (".rivetbench-probe-" + std::to_string(std::random_device{}()));
    } while (fs::exists(probe, ec));
    bool ok = false;
    {
        std::ofstream out(probe, std::ios::binary);
        ok = out.good();
    }
    fs::remove(probe, ec);
    return ok;
}

bool fileWritable(const fs::path& file) {
    if (!isFile(file)) return false;
    std::ofstream out(file, std::ios::binary | std::ios::app); // opens without changing a byte
    return out.good();
}

} // namespace

Settings ReadIniFile(const fs::path& file, const SettingsDefaults& defaults) {
    const TIniFile ini(file);
    Settings s;
    s.top = readInt(ini, kTop, defaults.centredTop);
    s.left = readInt(ini, kLeft, defaults.centredLeft);
    s.lastCfg = read(ini, kLastCfg);
    s.minimize = read(ini, kMinimize);
    s.expandTree = read(ini, kExpandTree);
    if (ini.valueExists(kFSEditPath.section, kFSEditPath.name)) s.fsEditPath = read(ini, kFSEditPath);
    s.removeComments = read(ini, kRemoveComments);
    s.removeBlanks = read(ini, kRemoveBlanks);

    s.fsxExePath = read(ini, kFSXExePath);
    if (s.fsxExePath.empty()) {
        if (const fs::path sim = call(defaults.fsxPath); !sim.empty())
            s.fsxExePath = (sim / "fsx.exe").string();
    }

    s.defaultFlight = read(ini, kDefaultFlight);
    const fs::path docs = call(defaults.fsDocsPath);
    if (s.defaultFlight.empty() && !docs.empty() && isFile(docs / kPreviousFlight))
        s.defaultFlight = (docs / kPreviousFlight).string();

    s.fsxStartupDelay = read(ini, kFSXStartupDelay, 1000);
    return s;
}

std::optional<std::string> WriteIniFile(const fs::path& file, const Settings& settings,
                                        const std::string& selectedFolder) {
    TIniFile ini(file);
    write(ini, kTop, settings.top);
    write(ini, kLeft, settings.left);
    write(ini, kRemoveComments, settings.removeComments);
    write(ini, kRemoveBlanks, settings.removeBlanks);
    write(ini, kMinimize, settings.minimize);
    write(ini, kExpandTree, settings.expandTree);
    // An empty value means "not chosen this time", so the stored one stays.
    if (!selectedFolder.empty()) write(ini, kLastCfg, selectedFolder);
    if (!settings.fsEditPath.empty()) write(ini, kFSEditPath, settings.fsEditPath);
    write(ini, kFSXExePath, settings.fsxExePath);
    write(ini, kDefaultFlight, settings.defaultFlight);
    return ini.UpdateFile();
}

fs::path settingsFilePath(const fs::path& programFolder, const fs::path& userConfigFolder) {
    // The file is saved by a replace beside it, so its folder must take new files as well.
    const fs::path beside = programFolder / kSettingsFileName;
    std::error_code ec;
    const bool exists = fs::exists(beside, ec);
    if (folderWritable(programFolder) && (!exists || fileWritable(beside))) return beside;

    fs::create_directories(userConfigFolder, ec);
    return userConfigFolder / kSettingsFileName;
}

} // namespace rivetbench::app
