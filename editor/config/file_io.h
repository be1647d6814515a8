#pragma once

#include <filesystem>
#include <string>

namespace rivetbench::config {

struct FileRead {
    bool ok = false;
    std::string bytes;
    std::string error; // a sentence for the user when !ok
};

// Reads a whole file as bytes; a directory or an unreadable file is an error, never a crash.
FileRead readFileBytes(const std::filesystem::path& path);

} // namespace rivetbench::config
