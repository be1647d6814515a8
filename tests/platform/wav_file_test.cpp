#include "editor/platform/wav_file.h"

#include <gtest/gtest.h>
#include <string>

namespace rivetbench::platform {
namespace {

std::string le32(std::uint32_t v) {
    return {static_cast<char>(v & 0xff), static_cast<char>(v >> 8 & 0xff), static_cast<char>(v >> 16 & 0xff),
            static_cast<char>(v >> 24)};
}

std::string chunk(const std::string& id, const std::string& body) {
    return id + le32(static_cast<std::uint32_t>(body.size())) + body;
}

std::string fmt(std::uint16_t format, std::uint16_t channels, std::uint32_t rate, std::uint16_t bits) {
    std::string b;
    b += static_cast<char>(format), b += '\0', b += static_cast<char>(channels), b += '\0';
    b += le32(rate) + le32(rate * channels * bits / 8);
    b += static_cast<char>(channels * bits / 8), b += '\0', b += static_cast<char>(bits), b += '\0';
    return chunk("fmt ", b);
}

std::string riff(const std::string& chunks) {
    return "RIFF" + le32(static_cast<std::uint32_t>(4 + chunks.size())) + "WAVE" + chunks;
}

TEST(WavFile, ReadsPcmAndRefusesTheRest) {
    const std::string pcm = fmt(1, 2, 22050, 16);
    const struct {
        const char* name;
        std::string bytes;
        bool ok;
        std::size_t samples;
    } cases[] = {
        {"plain", riff(pcm + chunk("data", "abcd")), true, 4},
        {"odd chunk padded before data",
         riff(pcm + chunk("LIST", "xyz") + std::string(1, '\0') + chunk("data", "ab")), true, 2},
        {"data cut short", riff(pcm + "data" + le32(100) + "abc"), true, 3},
        {"compressed", riff(fmt(2, 1, 22050, 16) + chunk("data", "ab")), false, 0},
        {"no format", riff(chunk("data", "ab")), false, 0},
        {"no data", riff(pcm), false, 0},
        {"empty data", riff(pcm + chunk("data", "")), false, 0},
        {"chunk longer than the file", riff(fmt(1, 1, 8000, 8) + "LIST" + le32(0xffffffff)), false, 0},
        {"only RIFF", "RIFF", false, 0},
        {"not a wave", "RIFF\4\0\0\0AVI ", false, 0},
        {"zero channels", riff(fmt(1, 0, 8000, 8) + chunk("data", "ab")), false, 0},
    };
    for (const auto& c : cases) {
        const auto sound = parseWav(c.bytes);
        EXPECT_EQ(sound.has_value(), c.ok) << c.name;
        if (sound && c.ok) {
            EXPECT_EQ(sound->samples.size(), c.samples) << c.name;
        }
    }
    const auto sound = parseWav(riff(pcm + chunk("data", "abcd")));
    ASSERT_TRUE(sound);
    EXPECT_EQ(sound->channels, 2);
    EXPECT_EQ(sound->sampleRate, 22050u);
    EXPECT_EQ(sound->bitsPerSample, 16);
}

} // namespace
} // namespace rivetbench::platform
