#include "editor/app/ui_sound.h"
#include "editor/platform/sound_player.h"
#include "test_sounds.h"

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <stdexcept>

using namespace rivetbench;
namespace fs = std::filesystem;

namespace {

fs::path touch(const fs::path& file) {
    return rivetbench::test::writeClickWav(file);
}

// A simulator and a Windows folder whose names differ in case from what the program asks for, as
// they can under Wine.
class UiSoundTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(temp.isValid());
        root = fs::path(temp.path().toStdString());
        button = touch(root / "FSX" / "UIRes" / "BtnStdC.wav");
        check = touch(root / "FSX" / "UIRes" / "CHECKC.WAV");
        radio = touch(root / "FSX" / "UIRes" / "radioc.wav");
        balloon = touch(root / "windows" / "media" / "windows xp balloon.wav");
        simulator = root / "FSX";
    }

    app::UiSounds sounds() {
        return app::UiSounds(
            player, [this] { return simulator; }, root / "windows");
    }

    QTemporaryDir temp;
    fs::path root, simulator, button, check, radio, balloon;
    platform::SoundPlayer player;
};

} // namespace

TEST_F(UiSoundTest, IndexPicksItsFileWhateverTheCase) {
    const app::UiSounds s = sounds();
    const struct {
        int index;
        fs::path expected;
    } cases[] = {{0, button}, {1, check}, {2, radio}, {3, balloon}, {4, {}}, {-1, {}}};
    for (const auto& c : cases)
        EXPECT_EQ(s.soundFile(c.index), c.expected) << c.index;
}

TEST_F(UiSoundTest, MissingFilesAndFoldersAreSilent) {
    app::UiSounds s = sounds();
    fs::remove(radio);
    EXPECT_TRUE(s.soundFile(2).empty());

    simulator.clear(); // asked anew at each call: no simulator known now
    EXPECT_TRUE(s.soundFile(0).empty());
    EXPECT_EQ(s.soundFile(3), balloon); // the Windows sound does not depend on the simulator

    simulator = root / "nowhere";
    s.PlayUISound(0);
    EXPECT_TRUE(player.lastPlayed().isEmpty());
}

TEST_F(UiSoundTest, UnreadableSimulatorFolderIsSilentNotAnError) {
    app::UiSounds s(
        player, []() -> fs::path { throw std::runtime_error("registry value has the wrong type"); },
        root / "windows");
    EXPECT_TRUE(s.soundFile(0).empty());
    EXPECT_NO_THROW(s.PlayUISound(1));
    EXPECT_TRUE(player.lastPlayed().isEmpty());
}

TEST_F(UiSoundTest, PlayStartsTheFileAndSkipsMissingOnes) {
    std::ofstream(root / "broken.wav", std::ios::binary) << "RIFF"; // cut short: silence, no wait
    player.play(QString::fromStdU16String((root / "broken.wav").u16string()));
    EXPECT_TRUE(player.lastPlayed().isEmpty());

    app::UiSounds s = sounds();
    s.PlayUISound(1);
    EXPECT_EQ(player.lastPlayed(), QString::fromStdU16String(check.u16string()));

    player.play(QString::fromStdU16String((root / "gone.wav").u16string()));
    EXPECT_EQ(player.lastPlayed(), QString::fromStdU16String(check.u16string()));

    s.PlayUISound(3);
    EXPECT_EQ(player.lastPlayed(), QString::fromStdU16String(balloon.u16string()));
}
