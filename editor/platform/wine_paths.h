#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>

namespace rivetbench::platform {

// Windows paths held by the simulator's registry and files, turned into paths of this system.
// On Windows this is the identity; under Wine a drive letter goes through the prefix's
// dosdevices links ("C:\FSX" -> "<prefix>/dosdevices/c:/FSX", links resolved).
class PathMapper {
  public:
    virtual ~PathMapper() = default;
    // nullopt for text that is not an absolute Windows path on a known drive.
    virtual std::optional<std::filesystem::path> toLocal(std::string_view windowsPath) const = 0;
};

std::unique_ptr<PathMapper> systemPathMapper();

} // namespace rivetbench::platform
