#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <stop_token>
#include <string>
#include <vector>

namespace rivetbench::app {

// One aircraft folder found under the simulator's SimObjects.
struct AircraftEntry {
    std::filesystem::path folder;
    std::string title;    // [fltsim.0] title as UTF-8; the folder name when the title is empty
    std::string category; // "Airplanes" or "Rotorcraft" as the folder is spelled on disk
};

// Lists every folder of <simFolder>/SimObjects/{Airplanes,Rotorcraft} (names matched without
// regard to case) that holds an aircraft.cfg, sorted by title. Reads only what the title needs.
// progress(done, total) is called after each folder; a stop request ends the scan early with what
// was found so far. Unreadable folders and files are skipped.
std::vector<AircraftEntry> scanAircraft(const std::filesystem::path& simFolder, std::stop_token stop = {},
                                        const std::function<void(std::size_t, std::size_t)>& progress = {});

} // namespace rivetbench::app
