#include "editor/platform/wine_prefix.h"
#include "editor/platform/wine_registry_file.h"

namespace rivetbench::platform {

std::unique_ptr<Registry> systemRegistry() {
    const std::filesystem::path prefix = winePrefix();
    // Without a prefix there is nothing to read: empty paths read as empty hives.
    if (prefix.empty())
        return std::make_unique<WineRegistry>(std::filesystem::path(), std::filesystem::path());
    return std::make_unique<WineRegistry>(prefix / "user.reg", prefix / "system.reg");
}

} // namespace rivetbench::platform
