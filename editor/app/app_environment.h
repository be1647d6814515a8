#pragma once

#include "editor/app/locations.h"
#include "editor/app/ui_sound.h"
#include "editor/platform/registry.h"
#include "editor/platform/sound_player.h"
#include "editor/platform/wine_paths.h"

#include <filesystem>
#include <memory>

namespace rivetbench::app {

// Everything the window takes from the machine, gathered in one place so that tests can give a
// temporary program folder, settings file and registry.
struct AppEnvironment {
    std::filesystem::path programFolder;  // holds images/ and, when writable, Rivetbench.ini
    std::filesystem::path settingsFile;   // Rivetbench.ini
    std::filesystem::path userDataFolder; // the working copy of the sample aircraft, recent folders
    std::unique_ptr<platform::Registry> registry;
    std::unique_ptr<platform::PathMapper> paths;
    std::unique_ptr<Locations> locations;
    std::unique_ptr<platform::SoundPlayer> player;
    std::unique_ptr<UiSounds> sounds;

    // The real machine: the executable's folder, the system registry (Wine's under Linux).
    static std::unique_ptr<AppEnvironment> system();
    // A made-up machine; userConfigFolder is where settings go when programFolder is read-only.
    static std::unique_ptr<AppEnvironment> create(std::filesystem::path programFolder,
                                                  const std::filesystem::path& userConfigFolder,
                                                  std::filesystem::path userDataFolder,
                                                  std::unique_ptr<platform::Registry> registry,
                                                  std::unique_ptr<platform::PathMapper> paths);

    // The simulator folder, or empty when it cannot be found or read.
    std::filesystem::path simulatorFolder() const;
};

} // namespace rivetbench::app
