#pragma once

#include "editor/config/aircraft_model.h"
#include "editor/config/text_encoding.h"
#include "editor/save/file_store.h"
#include "editor/save/prompter.h"

#include <filesystem>
#include <string>

namespace rivetbench::save {

struct SaveContext {
    std::filesystem::path folder;
    const config::AircraftModel* model = nullptr;
    config::TextEncoding encoding = config::TextEncoding::Ansi; // of the file, for showing its text
    bool removeBlanks = true;
};

enum class Outcome {
    NotLoaded, // nothing loaded: told so, nothing touched
    Cancelled, // the user declined: nothing touched
    Done,      // saved, or restored
    NoBackup,  // restore found nothing to restore
    Failed,    // an error was shown; the files are as they were
};

struct CommandResult {
    Outcome outcome = Outcome::Failed;
    bool reread = false;     // the caller reads the folder again (ReadCfg)
    bool backupMade = false; // a save made aircraft.tab
};

// The file Save would write: the folder's aircraft.cfg as it is now, merged with the model. Writes
// nothing. On failure returns the message for the user.
struct MergedFile {
    bool ok = false;
    std::string original;
    std::string merged;
    std::string error;
};
MergedFile mergeAircraftFile(const SaveContext& ctx, FileStore& files);

// btnSaveClick: asks, takes the one-time backup, writes atomically, reports.
CommandResult btnSaveClick(const SaveContext& ctx, Prompter& prompter, FileStore& files);

// btnRestoreClick: asks, copies the backup back atomically and only then deletes it, reports.
CommandResult btnRestoreClick(const SaveContext& ctx, Prompter& prompter, FileStore& files);

} // namespace rivetbench::save
