#pragma once

#include "editor/config/text_encoding.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace rivetbench::config {

// One profile file (INI text) parsed once into lines that keep every byte. Reads follow the
// Windows profile functions; writes change only the lines they concern, and toBytes() gives the
// file back, byte-identical when nothing was changed.
//
// Names match without regard to ASCII letter case. The first of duplicate sections or keys wins.
// A line whose first non-blank character is ';' or whose first two are "//" is a comment; a line
// without '=' is no key; names and values are trimmed of blanks, and one enclosing pair of matching
// quotes is stripped from a value on read.
class ProfileDocument {
  public:
    ProfileDocument();
    static ProfileDocument fromBytes(std::string_view bytes);
    std::string toBytes() const;

    TextEncoding encoding() const { return encoding_; }
    std::string_view lineEnding() const;
    bool modified() const { return modified_; }

    // TIniFile reads
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    std::string readString(std::string_view section, std::string_view key, std::string_view def = {}) const;
    long readInteger(std::string_view section, std::string_view key, long def) const;
    bool sectionExists(std::string_view section) const;
    bool valueExists(std::string_view section, std::string_view key) const;
    std::vector<std::string> readSection(std::string_view section) const;
    std::vector<std::string> readSections() const;
    std::size_t sectionEntryCount(std::string_view section) const;

    // TIniFile writes
    void writeString(std::string_view section, std::string_view key, std::string_view value);
    void writeInteger(std::string_view section, std::string_view key, long value);
    bool deleteKey(std::string_view section, std::string_view key);
    bool eraseSection(std::string_view section);

    // Number of physical lines, for tests and diagnostics.
    std::size_t lineCount() const;

  private:
    enum class Eol : std::uint8_t { None, Lf, CrLf };
    enum class Kind : std::uint8_t { Other, Blank, Comment, Header, Key };

    struct Line {
        std::string text;
        Eol eol = Eol::None;
        Kind kind = Kind::Other;
        // Header: name range; key line: key range and value range (trimmed, quotes kept).
        std::uint32_t nameBegin = 0, nameEnd = 0, valueBegin = 0, valueEnd = 0;
        std::string_view name() const {
            return std::string_view(text).substr(nameBegin, nameEnd - nameBegin);
        }
        std::string_view rawValue() const {
            return std::string_view(text).substr(valueBegin, valueEnd - valueBegin);
        }
    };

    struct Section {
        Line header;
        std::vector<Line> body;
        std::string lowerName;
        mutable std::unordered_map<std::string, std::size_t> keys; // lower key -> body index
        mutable bool keysValid = false;
        const std::unordered_map<std::string, std::size_t>& keyIndex() const;
    };

    static Line parseLine(std::string text, Eol eol);
    static void classify(Line& line);
    const Section* findSection(std::string_view name) const;
    Section* findSection(std::string_view name);
    Line* lastLine();
    void appendLinesAtEnd(std::vector<Line> lines);
    Line makeLine(std::string text) const;

    TextEncoding encoding_ = TextEncoding::Ansi;
    std::string trailing_;
    std::string original_;
    Eol eol_ = Eol::CrLf;
    bool modified_ = false;
    std::vector<Line> preamble_;
    std::vector<Section> sections_;
    mutable std::unordered_map<std::string, std::size_t> sectionIndex_;
    mutable bool sectionIndexValid_ = false;
};

// Profile-file values compare this way: ASCII letters without regard to case.
std::string asciiLower(std::string_view s);
bool equalsIgnoreCase(std::string_view a, std::string_view b);
bool startsWithIgnoreCase(std::string_view s, std::string_view prefix);

} // namespace rivetbench::config
