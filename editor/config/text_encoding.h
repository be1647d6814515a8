#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace rivetbench::config {

// How a profile file is stored on disk. Ansi files stay bytes (Windows-1252 in practice);
// files with a byte-order mark are held as UTF-8 in memory and written back as they came.
enum class TextEncoding { Ansi, Utf8Bom, Utf16LeBom };

struct DecodedText {
    TextEncoding encoding = TextEncoding::Ansi;
    std::string text;     // bytes for Ansi, UTF-8 (lone surrogates kept as WTF-8) otherwise
    std::string trailing; // a dangling odd byte of a UTF-16 file, written back untouched
};

DecodedText decodeFileBytes(std::string_view bytes);
std::string encodeFileBytes(std::string_view text, TextEncoding encoding, std::string_view trailing = {});

// For showing values outside the library (terminal, JSON, widgets): always valid UTF-8.
// Appends one code point as UTF-8 (surrogates too, which keeps lone ones round-trippable).
void appendUtf8(std::string& out, std::uint32_t codePoint);

std::string windows1252ToUtf8(std::string_view bytes);
std::string sanitizeUtf8(std::string_view text);
std::string toUtf8(std::string_view text, TextEncoding encoding);

// The reverse, for text typed by a user: Ansi files get Windows-1252, characters it lacks become '?'.
std::string utf8ToWindows1252(std::string_view text);
std::string fromUtf8(std::string_view text, TextEncoding encoding);

} // namespace rivetbench::config
