#pragma once

#include "editor/platform/registry.h"
#include "editor/platform/wine_paths.h"

#include <filesystem>

namespace rivetbench::app {

// Where the simulator and the user's flights are. Nothing is cached: each call asks again.
class Locations {
  public:
    Locations(const platform::Registry& registry, const platform::PathMapper& paths);

    // GetFSXPath: the simulator folder (no trailing separator) holding fsx.exe, from the user's
    // AppPath, else the machine's SetupPath; empty when neither holds fsx.exe.
    // Throws platform::RegistryTypeError for a value of the wrong type.
    std::filesystem::path GetFSXPath() const;
    // GetWinDocsFolder: the user's documents folder ("Personal"), empty when unknown.
    std::filesystem::path GetWinDocsFolder() const;
    // GetFSDocsPath: documents folder + "Flight Simulator X Files".
    std::filesystem::path GetFSDocsPath() const;

  private:
    const platform::Registry& registry_;
    const platform::PathMapper& paths_;
};

} // namespace rivetbench::app
