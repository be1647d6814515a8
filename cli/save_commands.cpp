#include "cli/aircraft_source.h"
#include "cli/commands.h"
#include "cli/set_values.h"
#include "cli/terminal_prompter.h"
#include "editor/save/line_diff.h"
#include "editor/save/save_restore.h"

#include <iostream>

namespace rivetbench::cli {
namespace {

int exitFor(save::Outcome outcome) {
    switch (outcome) {
    case save::Outcome::Done:
        return kExitOk;
    case save::Outcome::NotLoaded:
        return kExitBadInput;
    case save::Outcome::Cancelled:
        return kExitDeclined;
    case save::Outcome::NoBackup:
        return kExitAbsent;
    case save::Outcome::Failed:
        return kExitWriteFailed;
    }
    return kExitWriteFailed;
}

save::SaveContext contextFor(const LoadedAircraft& a, const Args& args) {
    return {a.status.folder, &a.model, a.status.encoding, !args.keepBlanks};
}

int saveLoaded(LoadedAircraft& a, const Args& args) {
    save::FileStore files;
    const save::SaveContext ctx = contextFor(a, args);
    if (args.dryRun) {
        const save::MergedFile merged = save::mergeAircraftFile(ctx, files);
        if (!merged.ok) {
            std::cerr << "rivetbench-cfg: " << merged.error << "\n";
            return kExitWriteFailed;
        }
        std::cout << save::mergedDiff(merged);
        return kExitOk;
    }
    TerminalPrompter prompter(args.yes);
    return exitFor(save::btnSaveClick(ctx, prompter, files).outcome);
}

// A save acts on a folder's own aircraft.cfg, beside which its aircraft.tab lives.
std::optional<LoadedAircraft> loadFolder(const std::string& path) {
    std::error_code ec;
    if (std::filesystem::exists(path, ec) && !std::filesystem::is_directory(path, ec)) {
        std::cerr << "rivetbench-cfg: " << path
                  << " is not a folder; give the aircraft folder that holds aircraft.cfg\n";
        return std::nullopt;
    }
    return loadAircraft(path, true);
}

} // namespace

int runSet(const Args& args) {
    const auto& p = args.positional;
    if (p.size() < 5 || (p.size() - 2) % 3 != 0) {
        std::cerr << "usage: rivetbench-cfg set FOLDER SECTION KEY VALUE [SECTION KEY VALUE ...]\n";
        return kExitBadInput;
    }
    auto loaded = loadFolder(p[1]);
    if (!loaded) return kExitBadInput;
    for (std::size_t i = 2; i + 2 < p.size(); i += 3) {
        const std::string value = config::fromUtf8(p[i + 2], loaded->status.encoding);
        if (auto refused = setCatalogueValue(loaded->model, p[i], p[i + 1], value)) {
            std::cerr << "rivetbench-cfg: " << *refused << "\n";
            return kExitBadInput;
        }
    }
    return saveLoaded(*loaded, args);
}

int runSave(const Args& args) {
    if (args.positional.size() != 2) {
        std::cerr << "usage: rivetbench-cfg save FOLDER [--yes] [--keep-blanks] [--dry-run]\n";
        return kExitBadInput;
    }
    auto loaded = loadFolder(args.positional[1]);
    if (!loaded) return kExitBadInput;
    return saveLoaded(*loaded, args);
}

int runRestore(const Args& args) {
    if (args.positional.size() != 2) {
        std::cerr << "usage: rivetbench-cfg restore FOLDER [--yes]\n";
        return kExitBadInput;
    }
    auto loaded = loadFolder(args.positional[1]);
    if (!loaded) return kExitBadInput;
    save::FileStore files;
    TerminalPrompter prompter(args.yes);
    return exitFor(save::btnRestoreClick(contextFor(*loaded, args), prompter, files).outcome);
}

} // namespace rivetbench::cli
