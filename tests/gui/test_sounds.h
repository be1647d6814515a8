#pragma once

#include "editor/app/ui_sound.h"
#include "editor/platform/sound_player.h"

#include <QString>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>

namespace rivetbench::test {

// A tiny mono 8 kHz PCM click, enough for the player to accept it.
inline std::filesystem::path writeClickWav(const std::filesystem::path& file) {
    std::filesystem::create_directories(file.parent_path());
    const char wav[] = "RIFF\x2c\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x40\x1f\0\0\x80\x3e\0\0\x02\0\x10\0"
                       "data\x08\0\0\0\0\x10\0\x20\0\x10\0\0";
    std::ofstream(file, std::ios::binary).write(wav, sizeof wav - 1);
    return file;
}

// A simulator folder holding only the button sound, and the sounds that play from it.
struct SoundRig {
    SoundRig() {
        simulator = std::filesystem::path(temp.path().toStdString());
        writeClickWav(simulator / "Uires" / "btnstdc.wav");
    }
    QString buttonSound() const {
        return QString::fromStdU16String((simulator / "Uires" / "btnstdc.wav").u16string());
    }

    QTemporaryDir temp;
    std::filesystem::path simulator;
    platform::SoundPlayer player;
    app::UiSounds sounds{player, [this] { return simulator; }, {}};
};

} // namespace rivetbench::test
