#include "cli/commands.h"

#include <iostream>

namespace {

constexpr const char* kUsage =
    "usage: rivetbench-cfg COMMAND ...\n"
    "  show FOLDER [--json]          every table, the variations and the status of an aircraft\n"
    "  get FOLDER SECTION KEY        one value as the profile read gives it (exit 1 when absent)\n"
    "FOLDER is an aircraft folder holding aircraft.cfg, or a configuration file itself.\n";

} // namespace

int main(int argc, char** argv) {
    using namespace rivetbench::cli;
    const Args args = parseArgs(argc, argv);
    if (args.help) {
        std::cout << kUsage;
        return kExitOk;
    }
    if (!args.unknown.empty()) {
        std::cerr << "rivetbench-cfg: unknown option " << args.unknown.front() << "\n" << kUsage;
        return kExitBadInput;
    }
    if (args.positional.empty()) {
        std::cerr << kUsage;
        return kExitBadInput;
    }
    const std::string& command = args.positional.front();
    if (command == "show") return runShow(args);
    if (command == "get") return runGet(args);
    std::cerr << "rivetbench-cfg: unknown command " << command << "\n" << kUsage;
    return kExitBadInput;
}
