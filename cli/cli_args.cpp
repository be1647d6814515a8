#include "cli/cli_args.h"

#include <string_view>

namespace rivetbench::cli {

Args parseArgs(int argc, char** argv) {
    Args a;
    bool options = true;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (options && arg == "--") {
            options = false;
        } else if (options && arg.size() > 1 && arg.substr(0, 2) == "--") {
            if (arg == "--json")
                a.json = true;
            else if (arg == "--yes")
                a.yes = true;
            else if (arg == "--keep-blanks")
                a.keepBlanks = true;
            else if (arg == "--dry-run")
                a.dryRun = true;
            else if (arg == "--help")
                a.help = true;
            else
                a.unknown.emplace_back(arg);
        } else if (options && arg == "-h") {
            a.help = true;
        } else {
            a.positional.emplace_back(arg);
        }
    }
    return a;
}

} // namespace rivetbench::cli
