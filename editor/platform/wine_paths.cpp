#include "editor/platform/wine_prefix.h"

#include <cstdlib>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

namespace rivetbench::platform {
namespace {

namespace fs = std::filesystem;

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
    return true;
}

bool isSeparator(char c) {
    return c == '\\' || c == '/';
}

// The entry of `folder` named `name` whatever its case; the first in order when several match.
std::optional<std::string> entryIgnoringCase(const fs::path& folder, std::string_view name) {
    std::error_code ec;
    std::optional<std::string> best;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::string candidate = it->path().filename().string();
        if (sameIgnoringCase(candidate, name) && (!best || candidate < *best)) best = std::move(candidate);
    }
    return best;
}

} // namespace

std::filesystem::path winePrefix() {
    if (const char* prefix = std::getenv("WINEPREFIX"); prefix != nullptr && *prefix != '\0') return prefix;
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0')
        return fs::path(home) / ".wine";
    return {};
}

WinePathMapper::WinePathMapper(std::filesystem::path prefix) : prefix_(std::move(prefix)) {}

std::optional<std::filesystem::path> WinePathMapper::toLocal(std::string_view windowsPath) const {
    if (prefix_.empty() || windowsPath.size() < 2 || windowsPath[1] != ':') return std::nullopt;
    const char drive = lowerAscii(windowsPath[0]);
    if (drive < 'a' || drive > 'z') return std::nullopt;
    std::string_view rest = windowsPath.substr(2);
    // "C:FSX" is relative to the drive's current folder, which only a running program knows.
    if (!rest.empty() && !isSeparator(rest.front())) return std::nullopt;

    // Windows settles "." and ".." by the text alone, never above the drive's root.
    std::vector<std::string_view> parts;
    while (!rest.empty()) {
        std::size_t end = 0;
        while (end < rest.size() && !isSeparator(rest[end]))
            ++end;
        const std::string_view part = rest.substr(0, end);
        rest.remove_prefix(end < rest.size() ? end + 1 : end);
        if (part.empty() || part == ".") continue;
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
            continue;
        }
        parts.push_back(part);
    }

    std::error_code ec;
    fs::path local = fs::canonical(prefix_ / "dosdevices" / std::string{drive, ':'}, ec);
    if (ec || !fs::is_directory(local, ec)) return std::nullopt;
    bool onDisk = true; // once a component is missing, those below it cannot be looked up
    for (const std::string_view part : parts) {
        const std::string name(part);
        if (onDisk && !fs::exists(fs::symlink_status(local / name, ec))) {
            if (const std::optional<std::string> found = entryIgnoringCase(local, name)) {
                local /= *found;
                continue;
            }
            onDisk = false;
        }
        local /= name;
    }
    return local;
}

} // namespace rivetbench::platform
