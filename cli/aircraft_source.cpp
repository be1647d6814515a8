#include "cli/aircraft_source.h"

#include <iostream>
#include <iterator>

#ifdef _WIN32
#include <windows.h>
#endif

namespace rivetbench::cli {
namespace fs = std::filesystem;

fs::path programFolder() {
    std::error_code ec;
#ifdef _WIN32
    wchar_t buffer[32768];
    const DWORD length = GetModuleFileNameW(nullptr, buffer, static_cast<DWORD>(std::size(buffer)));
    if (length > 0 && length < std::size(buffer)) return fs::path(std::wstring(buffer, length)).parent_path();
    return fs::current_path(ec);
#else
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::current_path(ec) : self.parent_path();
#endif
}

std::optional<LoadedAircraft> loadAircraft(const std::string& path, bool requireFile) {
    std::error_code ec;
    // Messages name full paths, and the backup lives beside the file.
    const fs::path p = fs::absolute(fs::path(path), ec).lexically_normal();
    if (!fs::exists(p, ec)) {
        std::cerr << "rivetbench-cfg: no such folder: " << path << "\n";
        return std::nullopt;
    }
    std::optional<LoadedAircraft> loaded(std::in_place);
    if (fs::is_directory(p, ec)) {
        loaded->status = config::openAircraftFolder(p, programFolder(), loaded->model, config::kCfgFileName,
                                                    &loaded->document);
    } else {
        loaded->status = config::openAircraftFolder(p.parent_path(), programFolder(), loaded->model,
                                                    p.filename().string(), &loaded->document);
    }
    if (!loaded->status.readError.empty()) {
        std::cerr << "rivetbench-cfg: " << loaded->status.readError << "\n";
        return std::nullopt;
    }
    if (requireFile && !loaded->status.found) {
        std::cerr << "rivetbench-cfg: no aircraft.cfg in " << path << "\n";
        return std::nullopt;
    }
    return loaded;
}

} // namespace rivetbench::cli
