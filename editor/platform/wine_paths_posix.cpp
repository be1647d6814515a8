#include "editor/platform/wine_prefix.h"

namespace rivetbench::platform {

std::unique_ptr<PathMapper> systemPathMapper() {
    return std::make_unique<WinePathMapper>(winePrefix());
}

} // namespace rivetbench::platform
