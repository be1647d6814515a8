#include "editor/app/aircraft_scan.h"

#include "editor/config/file_io.h"
#include "editor/config/profile_document.h"
#include "editor/config/text_encoding.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <system_error>

namespace rivetbench::app {
namespace fs = std::filesystem;
using config::equalsIgnoreCase;

namespace {

constexpr std::string_view kSimObjects = "SimObjects";
constexpr std::array<std::string_view, 2> kCategories = {"Airplanes", "Rotorcraft"};
constexpr std::string_view kCfgName = "aircraft.cfg";
// A real aircraft.cfg is a few hundred KB; anything far larger is not worth reading for a title.
constexpr std::uintmax_t kMaxCfgBytes = 16u * 1024 * 1024;

std::string displayName(const fs::path& p) {
    const std::u8string u8 = p.filename().u8string();
    return config::sanitizeUtf8(std::string(u8.begin(), u8.end()));
}

bool isDirectory(const fs::path& p) {
    std::error_code ec;
    return fs::is_directory(p, ec);
}

bool isFile(const fs::path& p) {
    std::error_code ec;
    return fs::is_regular_file(p, ec);
}

// Windows names match without regard to case; elsewhere the disk may say "simobjects". The exact
// spelling wins, then the first match in name order, so the result does not depend on listing order.
template <class Accept>
std::optional<fs::path> findEntry(const fs::path& parent, std::string_view name, Accept accept) {
    if (accept(parent / name)) return parent / name;
    std::optional<fs::path> found;
    std::error_code ec;
    for (fs::directory_iterator it(parent, fs::directory_options::skip_permission_denied, ec), end;
         !ec && it != end; it.increment(ec)) {
        const fs::path& p = it->path();
        if (!equalsIgnoreCase(displayName(p), name) || !accept(p)) continue;
        if (!found || p.filename() < found->filename()) found = p;
    }
    return found;
}

std::vector<fs::path> subfolders(const fs::path& parent, const std::stop_token& stop) {
    std::vector<fs::path> folders;
    std::error_code ec;
    for (fs::directory_iterator it(parent, fs::directory_options::skip_permission_denied, ec), end;
         !ec && it != end && !stop.stop_requested(); it.increment(ec)) {
        if (isDirectory(it->path())) folders.push_back(it->path());
    }
    return folders;
}

std::string trimmed(std::string s) {
    constexpr std::string_view blanks = " \t\r\n";
    const auto first = s.find_first_not_of(blanks);
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(blanks) - first + 1);
}

std::string readTitle(const fs::path& cfg) {
    std::error_code ec;
    const std::uintmax_t size = fs::file_size(cfg, ec);
    if (ec || size > kMaxCfgBytes) return {};
    const config::FileRead file = config::readFileBytes(cfg);
    if (!file.ok) return {};
    const auto doc = config::ProfileDocument::fromBytes(file.bytes);
    return trimmed(config::toUtf8(doc.readString("fltsim.0", "title"), doc.encoding()));
}

struct Candidate {
    fs::path folder;
    std::string category;
};

} // namespace

std::vector<AircraftEntry> scanAircraft(const fs::path& simFolder, std::stop_token stop,
                                        const std::function<void(std::size_t, std::size_t)>& progress) {
    std::vector<AircraftEntry> found;
    const auto simObjects = findEntry(simFolder, kSimObjects, isDirectory);
    if (!simObjects) return found;

    // List first so progress can give a total.
    std::vector<Candidate> candidates;
    for (std::string_view name : kCategories) {
        const auto category = findEntry(*simObjects, name, isDirectory);
        if (!category) continue;
        for (fs::path& folder : subfolders(*category, stop))
            candidates.push_back({std::move(folder), displayName(*category)});
    }

    std::size_t done = 0;
    for (const Candidate& c : candidates) {
        if (stop.stop_requested()) break;
        if (const auto cfg = findEntry(c.folder, kCfgName, isFile)) {
            std::string title = readTitle(*cfg);
            if (title.empty()) title = displayName(c.folder);
            found.push_back({c.folder, std::move(title), c.category});
        }
        if (progress) progress(++done, candidates.size());
    }

    std::sort(found.begin(), found.end(), [](const AircraftEntry& a, const AircraftEntry& b) {
        const std::string ta = config::asciiLower(a.title), tb = config::asciiLower(b.title);
        return ta != tb ? ta < tb : a.folder < b.folder;
    });
    return found;
}

} // namespace rivetbench::app
