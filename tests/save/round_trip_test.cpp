#include "editor/config/cfg_reader.h"
#include "editor/config/text_encoding.h"
#include "editor/save/write_cfg.h"
#include "tests/save/test_support.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using rivetbench::config::AircraftModel;
using rivetbench::config::decodeFileBytes;
using rivetbench::config::encodeFileBytes;
using rivetbench::config::ProfileDocument;
using rivetbench::config::ReadCfg;
using rivetbench::config::TextEncoding;
using rivetbench::save::WriteCfg;

namespace {

enum class Endings { CrLf, Lf, Mixed };

struct Shape {
    const char* name;
    Endings endings;
    bool finalBreak;
    TextEncoding encoding;
};

// An aircraft.cfg with what real files have and a simple one lacks: variations and entries with
// gaps, skipped entries, unknown sections, comments, odd spacing and quoting, names in other cases.
std::string generatedCfg(const Shape& shape) {
    const std::string accent = shape.encoding == TextEncoding::Ansi ? "\xE9" : "\xC3\xA9";
    std::vector<std::string> lines = {"; generated aircraft", "a preamble line without a sign", ""};
    for (const int n : {0, 1, 2, 4, 5, 9, 17, 33, 58, 59}) {
        lines.push_back(n % 4 == 1 ? "[FLTSIM." + std::to_string(n) + "]"
                                   : "[fltsim." + std::to_string(n) + "]");
        lines.push_back("title=Generated " + std::to_string(n) + " " + accent);
        lines.push_back("ui_variation = \"Scheme " + std::to_string(n) + "\"  ");
        if (n % 3 == 0) lines.push_back("texture=");
        if (n % 2 == 0) lines.push_back("description=Scheme " + std::to_string(n) + ".\\nSecond line.");
        lines.push_back("sim=gen ; the flight model");
        lines.push_back("");
    }
    const std::vector<std::string> rest = {
        "[fltsim.3]",
        "; a variation header without keys",
        "[General]",
        "atc_type=Generated",
        "performance=Cruise 110 kt\\nRange 600 nm",
        "[lights]",
        "light.0=1, 1, 1, 1, fx_a",
        "light.2=/1, 2, 2, 2, fx_off",
        "light.3=",
        "Light.4=2, 4, 4, 4, fx_b",
        "light.9=3, 9, 9, 9, fx_c",
        "light.07=4, 7, 7, 7, fx_not_an_entry",
        "[direction_indicators]",
        "direction_indicator.1=1, 0",
        "induction_compass.0=2, 0",
        "[GeneralEngineData]",
        "engine_type=0",
        "Engine.0=0, 0, 0",
        "engine.2=0, 5, 0",
        "ThrustAnglesPitchHeading.0=2, 0",
        "thrustanglespitchheading.2=2, 1",
        "[contact_points]",
        "static_pitch=3",
        "point.0=1, 0, 0, -4",
        "point.1=",
        "point.5=2, 1, 1, -4",
        "[flaps.0]",
        "type=1",
        "flaps-position.0=0",
        "flaps-position.2=20",
        "[flaps.2]",
        "type=2",
        "flaps-position.1=5",
        "[Hand Made Notes]",
        "; kept as it is",
        "owner = someone",
        "empty=",
        "[fuel]",
        "LeftMain = \"30\"  ; gallons",
        "RightMain=''",
        "=no key here",
        "[lights]",
        "light.1=a second [lights] section is never read",
        "; last comment",
    };
    lines.insert(lines.end(), rest.begin(), rest.end());

    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        text += lines[i];
        if (i + 1 == lines.size() && !shape.finalBreak) break;
        text +=
            shape.endings == Endings::Lf || (shape.endings == Endings::Mixed && i % 3 == 0) ? "\n" : "\r\n";
    }
    return encodeFileBytes(text, shape.encoding);
}

// Variation tables are written only once loaded; load them all so every table goes through the save.
void readAll(std::string_view bytes, AircraftModel& model) {
    ReadCfg(ProfileDocument::fromBytes(bytes), model);
    for (std::size_t p = 0; p < model.variationList().size(); ++p)
        model.chooseVariation(static_cast<int>(p));
}

std::vector<std::string> describe(const AircraftModel& m) {
    std::vector<std::string> out;
    for (const int n : m.variationList()) {
        out.push_back("variation " + std::to_string(n) + " description=" + m.record(n).description);
        for (std::size_t i = 0; i < m.record(n).values.size(); ++i)
            out.push_back("variation " + std::to_string(n) + " " +
                          std::string(rivetbench::config::variationRows()[i].key) + "=" +
                          m.record(n).values[i]);
    }
    out.push_back("performance=" + m.performance);
    for (const auto& table : m.tables())
        for (const auto& row : table.rows)
            out.push_back(table.def->name + " | " + row.caption + " | " + row.key + " | " +
                          std::to_string(row.number) + " | " + row.value);
    return out;
}

// Lines with their breaks, so that a changed break counts as a changed line.
std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t nl = text.find('\n', pos);
        const std::size_t end = nl == std::string_view::npos ? text.size() : nl + 1;
        lines.emplace_back(text.substr(pos, end - pos));
        pos = end;
    }
    return lines;
}

bool isAddedLine(std::string_view line) {
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
        line.remove_suffix(1);
    return (!line.empty() && line.front() == '[' && line.back() == ']') ||
           (!line.empty() && line.back() == '=' && line.find('=') == line.size() - 1);
}

// Every line of the original appears, in order, in the saved file, and each line between them is a
// header or a key created empty. A last line without a break may gain one.
void expectOnlyAddedLines(std::string_view original, std::string_view saved) {
    const auto before = splitLines(original);
    const auto after = splitLines(saved);
    std::size_t j = 0;
    for (std::size_t i = 0; i < before.size(); ++i) {
        const std::string& want = before[i];
        const bool open = want.empty() || want.back() != '\n';
        auto same = [&](const std::string& got) {
            return got == want || (open && got.compare(0, want.size(), want) == 0 &&
                                   (got.substr(want.size()) == "\n" || got.substr(want.size()) == "\r\n"));
        };
        while (j < after.size() && !same(after[j])) {
            ASSERT_TRUE(isAddedLine(after[j]))
                << "saved line " << j + 1 << " is neither original nor added empty: " << after[j]
                << "\nwhile looking for original line " << i + 1 << ": " << want;
            ++j;
        }
        ASSERT_LT(j, after.size()) << "original line " << i + 1 << " is missing: " << want;
        ++j;
    }
    for (; j < after.size(); ++j)
        EXPECT_TRUE(isAddedLine(after[j])) << after[j];
}

void expectRoundTrip(const std::string& original) {
    AircraftModel first;
    readAll(original, first);
    ProfileDocument doc = ProfileDocument::fromBytes(original);
    ASSERT_EQ(WriteCfg(doc, first, false), std::nullopt);
    const std::string saved = doc.toBytes();

    AircraftModel second;
    readAll(saved, second);
    EXPECT_EQ(describe(second), describe(first));

    const auto was = decodeFileBytes(original);
    const auto now = decodeFileBytes(saved);
    EXPECT_EQ(now.encoding, was.encoding);
    EXPECT_EQ(now.text.ends_with('\n'), was.text.ends_with('\n'));
    expectOnlyAddedLines(was.text, now.text);
}

} // namespace

TEST(saveRoundTrip, BundledSampleKeepsEveryValueAndLine) {
    const std::string sample = rivetbench::test::readFile(RIVETBENCH_SAMPLE_DIR "/aircraft.cfg");
    ASSERT_FALSE(sample.empty());
    expectRoundTrip(sample);
}

TEST(saveRoundTrip, GeneratedFilesKeepEveryValueAndLine) {
    const Shape shapes[] = {
        {"CR LF, Windows-1252", Endings::CrLf, true, TextEncoding::Ansi},
        {"LF without a final break", Endings::Lf, false, TextEncoding::Ansi},
        {"mixed breaks, UTF-8 with a mark", Endings::Mixed, true, TextEncoding::Utf8Bom},
        {"UTF-16 LE, CR LF, without a final break", Endings::CrLf, false, TextEncoding::Utf16LeBom},
        {"UTF-16 LE, mixed breaks", Endings::Mixed, true, TextEncoding::Utf16LeBom},
    };
    for (const Shape& shape : shapes) {
        SCOPED_TRACE(shape.name);
        expectRoundTrip(generatedCfg(shape));
    }
}
