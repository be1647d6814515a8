#include "cli/commands.h"

#include <iostream>

namespace {

constexpr const char* kUsage =
    "usage: rivetbench-cfg COMMAND ...\n"
    "  show FOLDER [--json]          every table, the variations and the status of an aircraft\n"
    "  get FOLDER SECTION KEY        one value as the profile read gives it (exit 1 when absent)\n"
    "  set FOLDER SECTION KEY VALUE [SECTION KEY VALUE ...]\n"
    "                                change values by the catalogue, then save\n"
    "  save FOLDER                   save with no edit\n"
    "  restore FOLDER                put the aircraft.tab backup back\n"
    "Options (anywhere): --json (show), --yes (answer the confirmation), --keep-blanks (no blank\n"
    "clean-up), --dry-run (print the diff a save would make, write nothing).\n"
    "FOLDER is an aircraft folder holding aircraft.cfg; show and get also take a .cfg file itself.\n"
    "Exit status: 0 done, 1 absent key or no backup, 2 bad input, 3 write failed, 4 not confirmed.\n";

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
    if (command == "set") return runSet(args);
    if (command == "save") return runSave(args);
    if (command == "restore") return runRestore(args);
    std::cerr << "rivetbench-cfg: unknown command " << command << "\n" << kUsage;
    return kExitBadInput;
}
