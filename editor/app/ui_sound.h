#pragma once

#include <QString>
#include <filesystem>
#include <functional>

namespace rivetbench::platform {
class SoundPlayer;
}

namespace rivetbench::app {

// PlayUISound: 0 button, 1 check box, 2 folder selector and lists (the simulator's Uires wav files),
// 3 the balloon notification; any other index plays nothing. The simulator folder is asked anew at
// each call; a missing file is silence.
class UiSounds {
  public:
    UiSounds(platform::SoundPlayer& player, std::function<std::filesystem::path()> simulatorFolder,
             std::filesystem::path windowsFolder);
    void PlayUISound(int index);
    // The file index would play, or empty when there is none.
    std::filesystem::path soundFile(int index) const;

  private:
    platform::SoundPlayer& player_;
    std::function<std::filesystem::path()> simulatorFolder_;
    std::filesystem::path windowsFolder_;
};

} // namespace rivetbench::app
