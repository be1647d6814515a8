#pragma once

#include "editor/config/aircraft_folder.h"

#include <filesystem>
#include <optional>
#include <string>

namespace rivetbench::cli {

// The folder (or loose .cfg file) a command works on, read into a model.
struct LoadedAircraft {
    config::AircraftModel model;
    config::FolderStatus status;
    config::ProfileDocument document;
};

// Reads FOLDER, or a configuration file given directly; prints a clear error and returns nothing
// when the path is missing or the file cannot be read. A folder without aircraft.cfg loads empty.
std::optional<LoadedAircraft> loadAircraft(const std::string& path, bool requireFile);

std::filesystem::path programFolder();

} // namespace rivetbench::cli
