#include "editor/platform/wav_file.h"

namespace rivetbench::platform {
namespace {

std::uint32_t le32(std::string_view b, std::size_t at) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24;
}

std::uint16_t le16(std::string_view b, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) |
                                      static_cast<unsigned char>(b[at + 1]) << 8);
}

} // namespace

std::optional<WavSound> parseWav(std::string_view bytes) {
    if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE")
        return std::nullopt;
    WavSound sound;
    bool haveFormat = false;
    std::size_t at = 12;
    while (at + 8 <= bytes.size()) {
        const std::string_view id = bytes.substr(at, 4);
        const std::size_t size = le32(bytes, at + 4);
        const std::size_t body = at + 8;
        if (size > bytes.size() - body) {
            // A data chunk cut short (a file still being copied) still plays what is there.
            if (id == "data" && haveFormat) {
                sound.samples = bytes.substr(body);
                break;
            }
            return std::nullopt;
        }
        if (id == "fmt " && size >= 16) {
            const std::uint16_t format = le16(bytes, body);
            sound.channels = le16(bytes, body + 2);
            sound.sampleRate = le32(bytes, body + 4);
            sound.bitsPerSample = le16(bytes, body + 14);
            if (format != 1 || sound.channels == 0 || sound.channels > 8 || sound.sampleRate < 1000 ||
                sound.sampleRate > 192000 ||
                (sound.bitsPerSample != 8 && sound.bitsPerSample != 16 && sound.bitsPerSample != 32))
                return std::nullopt;
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat) return std::nullopt;
            sound.samples = bytes.substr(body, size);
            break;
        }
        at = body + size + (size & 1); // chunks are padded to an even length
    }
    if (!haveFormat || sound.samples.empty()) return std::nullopt;
    return sound;
}

} // namespace rivetbench::platform
