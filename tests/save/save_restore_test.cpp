#include "editor/config/aircraft_folder.h"
#include "editor/save/save_restore.h"
#include "tests/save/test_support.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace fs = std::filesystem;
using rivetbench::config::AircraftModel;
using rivetbench::save::btnRestoreClick;
using rivetbench::save::btnSaveClick;
using rivetbench::save::Buttons;
using rivetbench::save::CommandResult;
using rivetbench::save::FileStore;
using rivetbench::save::Outcome;
using rivetbench::save::Prompter;
using rivetbench::save::SaveContext;
using rivetbench::test::crlf;

namespace {

struct Call {
    std::string kind; // confirm, inform or error
    std::string text;
    bool operator==(const Call&) const = default;
};

void PrintTo(const Call& call, std::ostream* os) {
    *os << call.kind << ": " << call.text;
}

class RecordingPrompter : public Prompter {
  public:
    bool answer = true;
    std::vector<Call> calls;
    std::vector<Buttons> buttons;

    bool confirm(std::string_view text, Buttons b) override {
        calls.push_back({"confirm", std::string(text)});
        buttons.push_back(b);
        return answer;
    }
    void inform(std::string_view text) override { calls.push_back({"inform", std::string(text)}); }
    void error(std::string_view text) override { calls.push_back({"error", std::string(text)}); }
};

// Refuses chosen operations the way the file system would, for failures a test cannot cause for real.
class FaultyFileStore : public FileStore {
  public:
    std::string refuseReplaceOf; // a file name
    bool refuseRemove = false;

    std::optional<std::string> replace(const fs::path& target, std::string_view bytes) override {
        if (target.filename() == refuseReplaceOf)
            return "Unable to write to " + target.string() + "\r\n(refused)";
        return FileStore::replace(target, bytes);
    }
    std::optional<std::string> remove(const fs::path& path) override {
        if (refuseRemove) return "Unable to delete " + path.string() + ": refused";
        return FileStore::remove(path);
    }
};

// The texts the user reads, written out here so that a change to them shows.
const std::string kAskSave =
    "Save changes to this Aircraft.Cfg?\r\n\r\nA restoreable backup will be created\r\n"
    "(aircraft.tab) if none already exists.";
const std::string kSavedWithBackup =
    "The Aircraft.Cfg file has been saved.\r\n\r\n(Original backed up as 'aircraft.tab')";
const std::string kSavedNoBackup =
    "The Aircraft.Cfg file has been saved.\r\n\r\n(No backup made - it already exists)";
const std::string kLoadFirst = "Please load an Aircraft.Cfg file first.";
const std::string kRestored = "The original Aircraft.Cfg file has been restored.";
const std::string kNoBackup = "No backup found! This Aircraft.Cfg has not yet been edited by Rivetbench.";

const std::string kCfg = crlf("; Test aircraft\n"
                              "[fltsim.0]\n"
                              "title=Test Plane\n"
                              "sim=test\n"
                              "\n"
                              "[General]\n"
                              "atc_type=Test\n");

std::string withTitle(std::string_view title) {
    return crlf("; Test aircraft\n"
                "[fltsim.0]\n"
                "title=" +
                std::string(title) +
                "\n"
                "sim=test\n"
                "\n"
                "[General]\n"
                "atc_type=Test\n");
}

class SaveRestore : public ::testing::Test {
  protected:
    fs::path folder;
    AircraftModel model;
    SaveContext ctx;
    RecordingPrompter prompter;
    FaultyFileStore files;

    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder = fs::temp_directory_path() / ("rivetbench-save-" + std::string(info->name()) + "-" +
                                              std::to_string(std::random_device{}()));
        fs::remove_all(folder);
        fs::create_directories(folder);
        write(cfg(), kCfg);
        open();
    }
    void TearDown() override { fs::remove_all(folder); }

    fs::path cfg() const { return folder / "aircraft.cfg"; }
    fs::path tab() const { return folder / "aircraft.tab"; }

    static void write(const fs::path& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static std::optional<std::string> bytes(const fs::path& path) {
        if (!fs::is_regular_file(path)) return std::nullopt;
        return rivetbench::test::readFile(path.string());
    }
    std::set<std::string> listing() const {
        std::set<std::string> names;
        std::error_code ec;
        for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
            names.insert(it->path().filename().string());
        return names;
    }

    // What the window does on reading a folder (and again after a save).
    void open() {
        const auto status = rivetbench::config::openAircraftFolder(folder, folder, model);
        ctx = SaveContext{folder, &model, status.encoding, true};
    }
    void editTitle(std::string title) { model.setValue(model.variationTable(0), 0, std::move(title)); }
    std::string restoreQuestion(std::string_view title) const {
        return "A backup of the original was found for this aircraft config:\r\n\r\nFirst listed title  - " +
               std::string(title) + "\r\nFull path to file - " + cfg().string() +
               "\r\n\r\nWould you like to restore it?";
    }
};

// Suites start with "save" so that ctest -R save selects them.
using saveRestore = SaveRestore;

} // namespace

TEST_F(saveRestore, FirstSaveBacksUpTheFileAndLaterSavesKeepThatBackup) {
    editTitle("Test Plane Mk2");
    CommandResult result = btnSaveClick(ctx, prompter, files);
    EXPECT_EQ(prompter.calls, (std::vector<Call>{{"confirm", kAskSave}, {"inform", kSavedWithBackup}}));
    EXPECT_EQ(prompter.buttons, std::vector<Buttons>{Buttons::YesCancel});
    EXPECT_EQ(result.outcome, Outcome::Done);
    EXPECT_TRUE(result.reread);
    EXPECT_TRUE(result.backupMade);
    EXPECT_EQ(bytes(cfg()), withTitle("Test Plane Mk2"));
    EXPECT_EQ(bytes(tab()), kCfg);
    EXPECT_EQ(listing(), (std::set<std::string>{"aircraft.cfg", "aircraft.tab"})); // no temporary left

    open();
    editTitle("Test Plane Mk3");
    prompter.calls.clear();
    result = btnSaveClick(ctx, prompter, files);
    EXPECT_EQ(prompter.calls, (std::vector<Call>{{"confirm", kAskSave}, {"inform", kSavedNoBackup}}));
    EXPECT_TRUE(result.reread);
    EXPECT_FALSE(result.backupMade);
    EXPECT_EQ(bytes(cfg()), withTitle("Test Plane Mk3"));
    EXPECT_EQ(bytes(tab()), kCfg);
}

TEST_F(saveRestore, SaveKeepsTheFilePermissions) {
    fs::permissions(cfg(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    editTitle("Test Plane Mk2");
    ASSERT_EQ(btnSaveClick(ctx, prompter, files).outcome, Outcome::Done);
    ASSERT_EQ(bytes(cfg()), withTitle("Test Plane Mk2"));
    EXPECT_EQ(fs::status(cfg()).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

// An aircraft.cfg linked from elsewhere is saved where it lives, and the link stays a link.
TEST_F(saveRestore, SaveThroughALinkWritesTheLinkedFile) {
    const fs::path real = folder / "real.cfg";
    fs::rename(cfg(), real);
    fs::create_symlink(real, cfg());
    editTitle("Test Plane Mk2");
    ASSERT_EQ(btnSaveClick(ctx, prompter, files).outcome, Outcome::Done);
    EXPECT_TRUE(fs::is_symlink(cfg()));
    EXPECT_EQ(bytes(real), withTitle("Test Plane Mk2"));
    EXPECT_EQ(bytes(tab()), kCfg);
}

TEST_F(saveRestore, CancelledSaveWritesNothing) {
    editTitle("Test Plane Mk2");
    prompter.answer = false;
    const CommandResult result = btnSaveClick(ctx, prompter, files);
    EXPECT_EQ(prompter.calls, (std::vector<Call>{{"confirm", kAskSave}}));
    EXPECT_EQ(result.outcome, Outcome::Cancelled);
    EXPECT_FALSE(result.reread);
    EXPECT_EQ(bytes(cfg()), kCfg);
    EXPECT_EQ(listing(), std::set<std::string>{"aircraft.cfg"});
}

TEST_F(saveRestore, NothingLoadedIsOnlyTold) {
    write(tab(), "backup");
    const std::pair<const char*, std::function<void()>> unload[] = {
        {"title cleared", [&] { editTitle(""); }},
        {"no aircraft.cfg in the folder",
         [&] {
             fs::remove(cfg());
             open();
         }},
    };
    for (const auto& [name, how] : unload) {
        SCOPED_TRACE(name);
        write(cfg(), kCfg);
        open();
        how();
        const std::optional<std::string> before = bytes(cfg());
        for (const auto command : {btnSaveClick, btnRestoreClick}) {
            prompter.calls.clear();
            const CommandResult result = command(ctx, prompter, files);
            EXPECT_EQ(prompter.calls, (std::vector<Call>{{"inform", kLoadFirst}}));
            EXPECT_EQ(result.outcome, Outcome::NotLoaded);
            EXPECT_FALSE(result.reread);
            EXPECT_EQ(bytes(cfg()), before);
            EXPECT_EQ(bytes(tab()), "backup");
        }
    }
}

TEST_F(saveRestore, LineBreakInAValueIsRefusedAndNothingWritten) {
    editTitle("Test Plane Mk2");
    model.performance = "one\r\ntwo";
    const CommandResult result = btnSaveClick(ctx, prompter, files);
    ASSERT_EQ(prompter.calls.size(), 2u);
    EXPECT_EQ(prompter.calls[1].kind, "error");
    EXPECT_NE(prompter.calls[1].text.find("line break"), std::string::npos) << prompter.calls[1].text;
    EXPECT_EQ(result.outcome, Outcome::Failed);
    EXPECT_FALSE(result.reread);
    EXPECT_EQ(bytes(cfg()), kCfg);
    EXPECT_EQ(listing(), std::set<std::string>{"aircraft.cfg"});
}

TEST_F(saveRestore, RestorePutsTheBackupBackAndRemovesIt) {
    editTitle("Test Plane Mk2");
    ASSERT_EQ(btnSaveClick(ctx, prompter, files).outcome, Outcome::Done);
    open();
    editTitle("Unsaved \xE9"
              "dit"); // the question shows the table's title, in UTF-8
    prompter.calls.clear();
    prompter.buttons.clear();

    CommandResult result = btnRestoreClick(ctx, prompter, files);
    EXPECT_EQ(prompter.calls, (std::vector<Call>{{"confirm", restoreQuestion("Unsaved \xC3\xA9"
                                                                             "dit")},
                                                 {"inform", kRestored}}));
    EXPECT_EQ(prompter.buttons, std::vector<Buttons>{Buttons::OkCancel});
    EXPECT_EQ(result.outcome, Outcome::Done);
    EXPECT_TRUE(result.reread);
    EXPECT_EQ(bytes(cfg()), kCfg);
    EXPECT_EQ(listing(), std::set<std::string>{"aircraft.cfg"});

    open();
    prompter.calls.clear();
    result = btnRestoreClick(ctx, prompter, files);
    EXPECT_EQ(prompter.calls, (std::vector<Call>{{"inform", kNoBackup}}));
    EXPECT_EQ(result.outcome, Outcome::NoBackup);
    EXPECT_FALSE(result.reread);
    EXPECT_EQ(bytes(cfg()), kCfg);
}

TEST_F(saveRestore, CancelledRestoreChangesNothing) {
    write(tab(), "the backup\r\n");
    prompter.answer = false;
    const CommandResult result = btnRestoreClick(ctx, prompter, files);
    EXPECT_EQ(prompter.calls, (std::vector<Call>{{"confirm", restoreQuestion("Test Plane")}}));
    EXPECT_EQ(result.outcome, Outcome::Cancelled);
    EXPECT_FALSE(result.reread);
    EXPECT_EQ(bytes(cfg()), kCfg);
    EXPECT_EQ(bytes(tab()), "the backup\r\n");
}

TEST_F(saveRestore, RestoredFileStaysWhenTheBackupCannotBeRemoved) {
    write(tab(), "the backup\r\n");
    files.refuseRemove = true;
    const CommandResult result = btnRestoreClick(ctx, prompter, files);
    ASSERT_EQ(prompter.calls.size(), 2u);
    EXPECT_EQ(prompter.calls[1].kind, "error");
    EXPECT_TRUE(prompter.calls[1].text.starts_with(
        "The original Aircraft.Cfg file has been restored, but the backup could not be removed."))
        << prompter.calls[1].text;
    EXPECT_TRUE(result.reread);
    EXPECT_EQ(bytes(cfg()), "the backup\r\n");
    EXPECT_EQ(bytes(tab()), "the backup\r\n");
}

// Each failure leaves both files exactly as they were, tells why, and asks for no re-read.
struct Fault {
    const char* name;
    bool restore;                      // Restore instead of Save
    std::optional<std::string> backup; // aircraft.tab before the command
    std::function<void(const fs::path& dir)> obstruct;
    std::string refuseReplaceOf;
    std::string errorStart; // "{cfg}" and "{tab}" stand for the full paths
    std::string errorPart;
};

TEST_F(saveRestore, FailuresChangeNoFile) {
    const auto blockWith = [](std::string name) {
        return [name](const fs::path& dir) { fs::create_directory(dir / name); };
    };
    const auto none = [](const fs::path&) {};
    const std::string backupFailed =
        "The backup copy (aircraft.tab) could not be made, so nothing was saved.";
    const Fault faults[] = {
        {"first save, temporary file blocked", false, std::nullopt, blockWith("aircraft.cfg.rivetbench-tmp"),
         "", "Unable to write to {cfg}", ""},
        {"later save, temporary file blocked", false, "old backup", blockWith("aircraft.cfg.rivetbench-tmp"),
         "", "Unable to write to {cfg}", ""},
        {"folder removed", false, std::nullopt, [](const fs::path& f) { fs::remove_all(f); }, "",
         "Unable to write to {cfg}", ""},
        {"first save, rename refused", false, std::nullopt, none, "aircraft.cfg", "Unable to write to {cfg}",
         ""},
        {"later save, rename refused", false, "old backup", none, "aircraft.cfg", "Unable to write to {cfg}",
         ""},
        {"backup copy refused", false, std::nullopt, none, "aircraft.tab", backupFailed,
         "Unable to write to {tab}"},
        {"backup temporary file blocked", false, std::nullopt, blockWith("aircraft.tab.rivetbench-tmp"), "",
         backupFailed, "Unable to write to {tab}"},
        {"restore, temporary file blocked", true, "old backup", blockWith("aircraft.cfg.rivetbench-tmp"), "",
         "Unable to write to {cfg}", "The backup (aircraft.tab) was kept."},
        {"restore, rename refused", true, "old backup", none, "aircraft.cfg", "Unable to write to {cfg}",
         "The backup (aircraft.tab) was kept."},
    };
    for (const Fault& f : faults) {
        SCOPED_TRACE(f.name);
        fs::remove_all(folder);
        fs::create_directories(folder);
        write(cfg(), kCfg);
        if (f.backup) write(tab(), *f.backup);
        open();
        editTitle("Test Plane Mk2");
        f.obstruct(folder);
        files.refuseReplaceOf = f.refuseReplaceOf;
        prompter.calls.clear();
        const std::optional<std::string> cfgBefore = bytes(cfg());
        const std::optional<std::string> tabBefore = bytes(tab());
        const std::set<std::string> listingBefore = listing();

        const CommandResult result =
            f.restore ? btnRestoreClick(ctx, prompter, files) : btnSaveClick(ctx, prompter, files);

        auto paths = [&](std::string text) {
            for (const auto& [mark, path] : {std::pair{"{cfg}", cfg()}, std::pair{"{tab}", tab()}})
                if (const auto at = text.find(mark); at != std::string::npos)
                    text.replace(at, 5, path.string());
            return text;
        };
        ASSERT_EQ(prompter.calls.size(), 2u);
        EXPECT_EQ(prompter.calls[0].kind, "confirm");
        EXPECT_EQ(prompter.calls[1].kind, "error");
        const std::string& message = prompter.calls[1].text;
        EXPECT_TRUE(message.starts_with(paths(f.errorStart))) << message;
        EXPECT_NE(message.find(paths(f.errorPart)), std::string::npos) << message;
        EXPECT_EQ(result.outcome, Outcome::Failed);
        EXPECT_FALSE(result.reread);
        EXPECT_EQ(bytes(cfg()), cfgBefore);
        EXPECT_EQ(bytes(tab()), tabBefore);
        EXPECT_EQ(listing(), listingBefore); // no temporary or half-made backup left
    }
    files.refuseReplaceOf.clear();
}
