#pragma once

#include "editor/platform/registry.h"
#include "editor/platform/wine_paths.h"

namespace rivetbench::platform {

// A machine without the simulator: an empty registry, and paths that are already local. For
// tools and benchmarks that draw or time the window away from any installation.
class EmptyRegistry : public Registry {
  public:
    bool keyExists(RegistryRoot, std::string_view) const override { return false; }
    std::optional<RegistryValue> value(RegistryRoot, std::string_view, std::string_view) const override {
        return std::nullopt;
    }
};

class LocalPaths : public PathMapper {
  public:
    std::optional<std::filesystem::path> toLocal(std::string_view path) const override {
        return std::filesystem::path(path);
    }
};

} // namespace rivetbench::platform
