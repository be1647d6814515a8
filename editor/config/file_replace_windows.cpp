#include "editor/config/file_io.h"

#include <algorithm>
#include <windows.h>

namespace rivetbench::config {
namespace {

std::string failure(const std::filesystem::path& target, const char* step) {
    return "Unable to write to " + target.string() + "\r\n(" + step + ", error " +
           std::to_string(GetLastError()) + ")";
}

} // namespace

std::optional<std::string> replaceFileAtomically(const std::filesystem::path& target,
                                                 std::string_view bytes) {
    const std::filesystem::path tmp = temporaryPathFor(target);
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return "Unable to write to " + target.string() + "\r\n(not a regular file)";

    HANDLE file =
        CreateFileW(tmp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return failure(target, "create temporary file");
    auto abandon = [&](const char* step) {
        std::string message = failure(target, step);
        CloseHandle(file);
        DeleteFileW(tmp.c_str());
        return message;
    };
    while (!bytes.empty()) {
        DWORD written = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr)) return abandon("write");
        bytes.remove_prefix(written);
    }
    if (!FlushFileBuffers(file)) return abandon("flush");
    CloseHandle(file);
    // Keeps the old file's attributes (read-only stays read-only is refused by the replace itself).
    if (attributes != INVALID_FILE_ATTRIBUTES) SetFileAttributesW(tmp.c_str(), attributes);
    if (!MoveFileExW(tmp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        std::string message = failure(target, "replace");
        DeleteFileW(tmp.c_str());
        return message;
    }
    return std::nullopt;
}

} // namespace rivetbench::config
