#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace rivetbench::app {

inline constexpr std::string_view kSettingsFileName = "Rivetbench.ini";

// The contents of Rivetbench.ini. While the window runs these live in the Settings page controls.
struct Settings {
    int top = 0;
    int left = 0;
    std::string lastCfg; // as stored; empty when never set
    bool minimize = false;
    bool expandTree = true;
    bool removeComments = true;
    bool removeBlanks = true;
    std::string fsEditPath; // read only when the key exists
    std::string fsxExePath;
    std::string defaultFlight;
    long fsxStartupDelay = 1000; // read, never written
};

// What ReadIniFile needs from the rest of the program for its defaults.
struct SettingsDefaults {
    int centredTop = 0;                                // screen height div 2 - window height div 2
    int centredLeft = 0;                               // screen width div 2 - window width div 2
    std::function<std::filesystem::path()> fsxPath;    // GetFSXPath
    std::function<std::filesystem::path()> fsDocsPath; // GetFSDocsPath
};

// ReadIniFile: every key with its default; a missing or unreadable file reads as empty. Only the
// exact word "True" is true. FSXExePath and DefaultFlight get their derived defaults.
Settings ReadIniFile(const std::filesystem::path& file, const SettingsDefaults& defaults);

// WriteIniFile: writes the keys in order, LastCfg only when selectedFolder is not empty,
// FSEditPath only when set; never deletes a key, never writes FSXStartupDelay. Unknown lines stay.
// Returns "Unable to write to <path>" (and the reason) on failure.
std::optional<std::string> WriteIniFile(const std::filesystem::path& file, const Settings& settings,
                                        const std::string& selectedFolder);

// Where Rivetbench.ini lives: the program folder when a file can be written there, else the
// user's configuration folder (same name and format).
std::filesystem::path settingsFilePath(const std::filesystem::path& programFolder,
                                       const std::filesystem::path& userConfigFolder);

} // namespace rivetbench::app
