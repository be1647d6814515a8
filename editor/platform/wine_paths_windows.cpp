#include "editor/platform/wine_paths.h"

#include <string>

namespace rivetbench::platform {
namespace {

// On Windows the simulator's paths are this system's paths already; only the text is UTF-8.
class IdentityPathMapper : public PathMapper {
  public:
    std::optional<std::filesystem::path> toLocal(std::string_view windowsPath) const override {
        if (windowsPath.empty()) return std::nullopt;
        return std::filesystem::path(
            std::u8string(reinterpret_cast<const char8_t*>(windowsPath.data()), windowsPath.size()));
    }
};

} // namespace

std::unique_ptr<PathMapper> systemPathMapper() {
    return std::make_unique<IdentityPathMapper>();
}

} // namespace rivetbench::platform
