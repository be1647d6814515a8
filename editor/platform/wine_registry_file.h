#pragma once

#include "editor/platform/registry.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

namespace rivetbench::platform {

// One of Wine's registry files (user.reg, system.reg): "WINE REGISTRY Version 2", then sections
// [Key\\Path] holding "Name"=value lines. Key paths are relative to the file's hive. Anything that
// does not parse (a line, or a whole file without the header) is left out, never an error.
class WineRegistryFile {
  public:
    static WineRegistryFile parse(std::string_view text);

    // Key paths use single backslashes; case, and a leading or trailing backslash, do not matter.
    bool keyExists(std::string_view key) const;
    std::optional<RegistryValue> value(std::string_view key, std::string_view name) const;

  private:
    // Lower-cased key path -> lower-cased value name ("" for the default value) -> value.
    std::map<std::string, std::map<std::string, RegistryValue>> keys_;
};

// The registry of a Wine prefix, read from its user.reg (HKEY_CURRENT_USER) and system.reg
// (HKEY_LOCAL_MACHINE). A missing file is an empty hive. A file is read again whenever it changes
// on disk, since Wine rewrites it while programs run.
class WineRegistry : public Registry {
  public:
    WineRegistry(std::filesystem::path userReg, std::filesystem::path systemReg);

    bool keyExists(RegistryRoot root, std::string_view key) const override;
    std::optional<RegistryValue> value(RegistryRoot root, std::string_view key,
                                       std::string_view name) const override;

  private:
    struct Hive {
        std::filesystem::path file;
        std::filesystem::file_time_type stamp{};
        std::uintmax_t size = 0;
        bool loaded = false;
        WineRegistryFile contents;
    };
    const WineRegistryFile& current(Hive& hive) const;
    Hive& hiveFor(RegistryRoot root) const;

    mutable std::mutex mutex_;
    mutable Hive user_;
    mutable Hive machine_;
};

} // namespace rivetbench::platform
