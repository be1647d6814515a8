#pragma once

#include <string>
#include <vector>

namespace rivetbench::cli {

// Options may stand anywhere on the line; "--" ends them.
struct Args {
    std::vector<std::string> positional;
    bool json = false;
    bool yes = false;
    bool keepBlanks = false;
    bool dryRun = false;
    bool help = false;
    std::vector<std::string> unknown;
};

Args parseArgs(int argc, char** argv);

} // namespace rivetbench::cli
