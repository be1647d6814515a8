#include "cli/aircraft_source.h"

#include <iostream>

namespace rivetbench::cli {
namespace fs = std::filesystem;

fs::path programFolder() {
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::current_path(ec) : self.parent_path();
}

std::optional<LoadedAircraft> loadAircraft(const std::string& path, bool requireFile) {
    std::error_code ec;
    const fs::path p(path);
    if (!fs::exists(p, ec)) {
        std::cerr << "rivetbench-cfg: no such folder: " << path << "\n";
        return std::nullopt;
    }
    std::optional<LoadedAircraft> loaded(std::in_place);
    if (fs::is_directory(p, ec)) {
        loaded->status = config::openAircraftFolder(p, programFolder(), loaded->model);
    } else {
        const fs::path abs = fs::absolute(p, ec);
        loaded->status =
            config::openAircraftFolder(abs.parent_path(), programFolder(), loaded->model, abs.filename().string());
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
