#include "editor/app/ui_sound.h"

#include "editor/platform/sound_player.h"

#include <QString>
#include <array>
#include <exception>
#include <initializer_list>
#include <string>
#include <system_error>
#include <utility>

namespace rivetbench::app {

namespace fs = std::filesystem;

namespace {

std::u16string lowered(const std::u16string& text) {
    return QString::fromStdU16String(text).toLower().toStdU16String();
}

// The sound files were named on Windows, where case does not matter; under Wine the folder may
// say "UIRes" or "uires" and the file "BtnStdC.wav", so each part is matched without case.
fs::path findIgnoringCase(const fs::path& base, std::initializer_list<const char*> parts) {
    std::error_code ec;
    fs::path current = base;
    for (const char* part : parts) {
        fs::path exact = current / part;
        if (fs::exists(exact, ec)) {
            current = std::move(exact);
            continue;
        }
        const std::u16string wanted = lowered(fs::path(part).u16string());
        fs::path found;
        for (fs::directory_iterator it(current, ec), end; !ec && it != end; it.increment(ec)) {
            if (lowered(it->path().filename().u16string()) == wanted) {
                found = it->path();
                break;
            }
        }
        if (found.empty()) return {};
        current = std::move(found);
    }
    return fs::is_regular_file(current, ec) ? current : fs::path{};
}

} // namespace

UiSounds::UiSounds(platform::SoundPlayer& player, std::function<fs::path()> simulatorFolder,
                   fs::path windowsFolder)
    : player_(player), simulatorFolder_(std::move(simulatorFolder)),
      windowsFolder_(std::move(windowsFolder)) {}

fs::path UiSounds::soundFile(int index) const {
    static constexpr std::array<const char*, 3> kUiresFiles{"btnstdc.wav", "checkc.wav", "radioc.wav"};
    if (index >= 0 && index < static_cast<int>(kUiresFiles.size())) {
        fs::path folder;
        try {
            if (simulatorFolder_) folder = simulatorFolder_();
        } catch (const std::exception&) {
            // An unreadable registry value means no simulator sounds; a click never reports an error.
            return {};
        }
        if (folder.empty()) return {};
        return findIgnoringCase(folder, {"Uires", kUiresFiles[static_cast<std::size_t>(index)]});
    }
    if (index == 3 && !windowsFolder_.empty())
        return findIgnoringCase(windowsFolder_, {"Media", "Windows XP Balloon.wav"});
    return {};
}

void UiSounds::PlayUISound(int index) {
    const fs::path file = soundFile(index);
    if (!file.empty()) player_.play(QString::fromStdU16String(file.u16string()));
}

} // namespace rivetbench::app
