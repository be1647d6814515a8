#include "editor/save/save_restore.h"

#include "editor/config/aircraft_folder.h"
#include "editor/save/save_messages.h"
#include "editor/save/write_cfg.h"

namespace rivetbench::save {
namespace {

bool loaded(const config::AircraftModel& model) {
    const config::SectionTable& first = model.variationTable(0);
    return !first.rows.empty() && !first.rows.front().value.empty();
}

std::filesystem::path cfgPath(const SaveContext& ctx) {
    return ctx.folder / config::kCfgFileName;
}
std::filesystem::path backupPath(const SaveContext& ctx) {
    return ctx.folder / config::kBackupFileName;
}

} // namespace

MergedFile mergeAircraftFile(const SaveContext& ctx, FileStore& files) {
    MergedFile result;
    const config::FileRead current = files.read(cfgPath(ctx));
    if (!current.ok) {
        result.error = "Unable to write to " + cfgPath(ctx).string() + "\r\n(" + current.error + ")";
        return result;
    }
    config::ProfileDocument doc = config::ProfileDocument::fromBytes(current.bytes);
    if (auto refused = WriteCfg(doc, *ctx.model, ctx.removeBlanks)) {
        result.error = config::toUtf8(*refused, ctx.encoding);
        return result;
    }
    result.ok = true;
    result.original = current.bytes;
    result.merged = doc.toBytes();
    return result;
}

CommandResult btnSaveClick(const SaveContext& ctx, Prompter& prompter, FileStore& files) {
    prompter.clickSound();
    if (!loaded(*ctx.model)) {
        prompter.inform(messages::kLoadFirst);
        return {Outcome::NotLoaded};
    }
    if (!prompter.confirm(messages::kConfirmSave, Buttons::YesCancel)) return {Outcome::Cancelled};

    // Everything is worked out before the first file changes, so a refusal writes nothing.
    const MergedFile file = mergeAircraftFile(ctx, files);
    if (!file.ok) {
        prompter.error(file.error);
        return {Outcome::Failed};
    }
    const bool backupMade = !files.exists(backupPath(ctx));
    if (backupMade) {
        if (auto failed = files.replace(backupPath(ctx), file.original)) {
            prompter.error("The backup copy (aircraft.tab) could not be made, so nothing was saved.\r\n\r\n" +
                           *failed);
            return {Outcome::Failed};
        }
    }
    if (file.merged != file.original) {
        if (auto failed = files.replace(cfgPath(ctx), file.merged)) {
            // The folder goes back to how it was: a backup of a save that never happened would
            // mark the aircraft as edited.
            std::string message = *failed;
            if (backupMade) {
                if (auto kept = files.remove(backupPath(ctx)))
                    message +=
                        "\r\n\r\nThe backup made for this save could not be removed again:\r\n" + *kept;
            }
            prompter.error(message);
            return {Outcome::Failed};
        }
    }
    prompter.inform(backupMade ? messages::kSavedWithBackup : messages::kSavedNoBackup);
    return {Outcome::Done, true, backupMade};
}

CommandResult btnRestoreClick(const SaveContext& ctx, Prompter& prompter, FileStore& files) {
    prompter.clickSound();
    if (!loaded(*ctx.model)) {
        prompter.inform(messages::kLoadFirst);
        return {Outcome::NotLoaded};
    }
    if (!files.exists(backupPath(ctx))) {
        // Unsaved edits stay: there is nothing to read again.
        prompter.inform(messages::kNoBackup);
        return {Outcome::NoBackup};
    }
    const std::string title = config::toUtf8(ctx.model->variationTable(0).rows.front().value, ctx.encoding);
    const std::string question = std::string(messages::kRestoreQuestionHead) + title +
                                 std::string(messages::kRestoreQuestionPath) + cfgPath(ctx).string() +
                                 std::string(messages::kRestoreQuestionTail);
    if (!prompter.confirm(question, Buttons::OkCancel)) return {Outcome::Cancelled};

    if (auto failed = files.copy(backupPath(ctx), cfgPath(ctx))) {
        prompter.error(*failed + "\r\n\r\nThe backup (aircraft.tab) was kept.");
        return {Outcome::Failed};
    }
    if (auto failed = files.remove(backupPath(ctx))) {
        prompter.error("The original Aircraft.Cfg file has been restored, but the backup could not be "
                       "removed.\r\n\r\n" +
                       *failed);
        return {Outcome::Done, true};
    }
    prompter.inform(messages::kRestored);
    return {Outcome::Done, true};
}

} // namespace rivetbench::save
