#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace rivetbench::platform {

// The parts of a RIFF/WAVE file a player needs: its PCM format and where the samples are.
struct WavSound {
    std::uint16_t channels = 0;
    std::uint32_t sampleRate = 0;
    std::uint16_t bitsPerSample = 0; // 8, 16 or 32
    std::string_view samples;        // points into the bytes given
};

// nullopt for anything but uncompressed PCM with sane values; never reads past the bytes.
std::optional<WavSound> parseWav(std::string_view bytes);

} // namespace rivetbench::platform
