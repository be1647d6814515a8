#pragma once

#include "cli/cli_args.h"

namespace rivetbench::cli {

// Exit statuses: 0 done, 1 a key asked for is absent, 2 bad usage or input, 3 a file could not be
// written, 4 the user (or a closed terminal) declined.
inline constexpr int kExitOk = 0;
inline constexpr int kExitAbsent = 1;
inline constexpr int kExitBadInput = 2;
inline constexpr int kExitWriteFailed = 3;
inline constexpr int kExitDeclined = 4;

int runShow(const Args& args);
int runGet(const Args& args);
int runSet(const Args& args);
int runSave(const Args& args);
int runRestore(const Args& args);

} // namespace rivetbench::cli
