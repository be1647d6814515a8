#pragma once

#include "editor/platform/wine_paths.h"

#include <filesystem>
#include <optional>
#include <string_view>

namespace rivetbench::platform {

// The Wine prefix the simulator lives in: WINEPREFIX, else ~/.wine; empty when neither is known.
std::filesystem::path winePrefix();

// Windows paths inside a Wine prefix. "X:\..." goes through <prefix>/dosdevices/x: (the link
// resolved, so "z:" gives "/"); each further component that is not there under its exact name is
// matched against the folder's entries without regard to case, as Windows would.
class WinePathMapper : public PathMapper {
  public:
    explicit WinePathMapper(std::filesystem::path prefix);
    std::optional<std::filesystem::path> toLocal(std::string_view windowsPath) const override;

  private:
    std::filesystem::path prefix_;
};

} // namespace rivetbench::platform
