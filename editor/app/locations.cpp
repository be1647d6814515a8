#include "editor/app/locations.h"

#include <optional>
#include <string>
#include <system_error>

namespace rivetbench::app {
namespace {

namespace fs = std::filesystem;
using platform::RegistryRoot;

constexpr std::string_view kFsxKey = "SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\10.0";
constexpr std::string_view kShellFoldersKey =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders\\";

// Compared on the native text, which on Windows is wide and need not fit the code page.
bool isFsxExeName(const fs::path::string_type& name) {
    constexpr std::string_view wanted = "fsx.exe";
    if (name.size() != wanted.size()) return false;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto c = name[i];
        const auto lower = c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c;
        if (lower != static_cast<unsigned char>(wanted[i])) return false;
    }
    return true;
}

// Windows finds FSX.EXE when asked for fsx.exe; a case-sensitive file system must look.
bool holdsFsxExe(const fs::path& folder) {
    std::error_code ec;
    if (fs::is_regular_file(folder / "fsx.exe", ec)) return true;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code fileError;
        if (isFsxExeName(it->path().filename().native()) && fs::is_regular_file(it->path(), fileError))
            return true;
    }
    return false;
}

} // namespace

Locations::Locations(const platform::Registry& registry, const platform::PathMapper& paths)
    : registry_(registry), paths_(paths) {}

fs::path Locations::GetFSXPath() const {
    const auto simulatorFolder = [this](RegistryRoot root, std::string_view name) -> fs::path {
        // Stored as written: an expandable string keeps its %VARIABLES%.
        std::string folder = platform::readRegistryString(registry_, root, kFsxKey, name);
        if (!folder.empty() && folder.back() == '\\') folder.pop_back();
        if (folder.empty()) return {};
        const std::optional<fs::path> local = paths_.toLocal(folder);
        if (!local || !holdsFsxExe(*local)) return {};
        return *local;
    };
    fs::path folder = simulatorFolder(RegistryRoot::CurrentUser, "AppPath");
    if (folder.empty()) folder = simulatorFolder(RegistryRoot::LocalMachine, "SetupPath");
    return folder;
}

fs::path Locations::GetWinDocsFolder() const {
    const std::string documents =
        platform::readRegistryString(registry_, RegistryRoot::CurrentUser, kShellFoldersKey, "Personal");
    if (documents.empty()) return {};
    return paths_.toLocal(documents).value_or(fs::path());
}

fs::path Locations::GetFSDocsPath() const {
    const fs::path documents = GetWinDocsFolder();
    // Without a documents folder the name hangs off the root, as Windows gives for a bare "\".
    return (documents.empty() ? fs::path("/") : documents) / "Flight Simulator X Files";
}

} // namespace rivetbench::app
