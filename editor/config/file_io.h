#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace rivetbench::config {

struct FileRead {
    bool ok = false;
    std::string bytes;
    std::string error; // a sentence for the user when !ok
};

// Reads a whole file as bytes; a directory or an unreadable file is an error, never a crash.
FileRead readFileBytes(const std::filesystem::path& path);

// Writes a temporary file beside the target, flushes it to disk and renames it over the target,
// keeping the target's permissions and owner and following a link: the target is either all old or
// all new. On failure returns "Unable to write to <target>" and the reason on a second line.
std::optional<std::string> replaceFileAtomically(const std::filesystem::path& target, std::string_view bytes);

// The temporary file a replace writes first.
std::filesystem::path temporaryPathFor(const std::filesystem::path& target);

} // namespace rivetbench::config
