#pragma once

#include "editor/config/aircraft_model.h"
#include "editor/config/profile_document.h"

#include <filesystem>
#include <string>

namespace rivetbench::config {

inline constexpr std::string_view kCfgFileName = "aircraft.cfg";
inline constexpr std::string_view kBackupFileName = "aircraft.tab";
inline constexpr std::string_view kKbxFileName = "aircraft.kbx";
inline constexpr std::string_view kMissingCfgMessage =
    "[No Aircraft.Cfg file found in the currently selected folder!]";

// What the Main page shows of a folder besides the tables.
struct FolderStatus {
    std::filesystem::path folder;
    std::filesystem::path cfgPath;
    bool found = false;    // aircraft.cfg is a file in the folder
    std::string readError; // set when the file is there but cannot be read
    TextEncoding encoding = TextEncoding::Ansi;
    std::string title;         // TitleEdit: a space, then [fltsim.0] title
    std::string manufacturer;  // ManEdit
    std::string airFile;       // AirFileEdit: a space, then sim and ".AIR" when sim is set
    std::string cfgPathLabel;  // the path, or the missing-file message
    std::string variations;    // LabelVariations
    std::string original;      // LabelOriginal: (Y), (N) or (-)
    std::string versionNumber; // VersionNumberLabel and VersionNumberDescLabel
    bool kbx = false;          // LoadwrightLabel shown
    std::filesystem::path thumbnail;
};

// DirComboPathChange without the widgets: clears the model, reads the folder's aircraft.cfg into
// it and works out the status. A missing file is not an error (the tables stay empty-valued).
// cfgName names another file of the folder in place of aircraft.cfg (tools reading loose copies);
// document, when given, receives the parsed file for callers that look up more keys.
FolderStatus openAircraftFolder(const std::filesystem::path& folder,
                                const std::filesystem::path& programFolder, AircraftModel& model,
                                std::string_view cfgName = kCfgFileName, ProfileDocument* document = nullptr);

// The marks that change when a backup is made or restored, without reading the file again.
std::string originalMark(const std::filesystem::path& folder);

} // namespace rivetbench::config
