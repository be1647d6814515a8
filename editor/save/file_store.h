#pragma once

#include "editor/config/file_io.h"

#include <filesystem>
#include <optional>
#include <string>

namespace rivetbench::save {

// The file operations of saving and restoring, behind one seam so that tests can make any of
// them fail. Errors come back as a sentence for the user; nothing throws.
class FileStore {
  public:
    virtual ~FileStore() = default;
    virtual bool exists(const std::filesystem::path& path);
    virtual config::FileRead read(const std::filesystem::path& path);
    // Writes a temporary file beside the target, flushes it to disk and renames it over the
    // target, keeping the target's permissions: the target is either all old or all new.
    virtual std::optional<std::string> replace(const std::filesystem::path& target, std::string_view bytes);
    virtual std::optional<std::string> remove(const std::filesystem::path& path);

    // A checked copy: read, then replace; a failed copy leaves no partial target behind.
    std::optional<std::string> copy(const std::filesystem::path& from, const std::filesystem::path& to);
};

} // namespace rivetbench::save
