#pragma once

#include "editor/config/profile_document.h"

#include <filesystem>
#include <optional>
#include <string>

namespace rivetbench::config {

// The profile-file object: a ProfileDocument bound to a full path. Creating it never fails (a
// missing or unreadable file reads as empty); writes change the document only, and UpdateFile()
// puts it on disk in one atomic step.
class TIniFile : public ProfileDocument {
  public:
    explicit TIniFile(std::filesystem::path fileName);

    const std::filesystem::path& fileName() const { return fileName_; }

    // Writes the document when it changed; "Unable to write to <path>" (and the reason) on failure.
    std::optional<std::string> UpdateFile();

  private:
    std::filesystem::path fileName_;
};

} // namespace rivetbench::config
