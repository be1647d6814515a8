#include "editor/config/text_encoding.h"

#include <array>
#include <cstdint>

namespace rivetbench::config {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeBom = "\xFF\xFE";

// Code points of bytes 0x80..0x9F; the five bytes Windows leaves undefined map to the same C1 control.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void appendUtf16(std::string& out, std::uint32_t unit) {
    out += static_cast<char>(unit & 0xFF);
    out += static_cast<char>((unit >> 8) & 0xFF);
}

// Decodes one UTF-8 (or WTF-8) sequence at pos; returns 0 length when the bytes are not one.
struct CodePoint {
    std::uint32_t value = 0;
    std::size_t length = 0;
};

CodePoint decodeUtf8At(std::string_view s, std::size_t pos, bool allowSurrogates) {
    const auto b0 = static_cast<unsigned char>(s[pos]);
    if (b0 < 0x80) return {b0, 1};
    std::size_t len = 0;
    std::uint32_t cp = 0;
    std::uint32_t min = 0;
    if ((b0 & 0xE0) == 0xC0) {
        len = 2, cp = b0 & 0x1Fu, min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        len = 3, cp = b0 & 0x0Fu, min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        len = 4, cp = b0 & 0x07u, min = 0x10000;
    } else {
        return {};
    }
    if (pos + len > s.size()) return {};
    for (std::size_t i = 1; i < len; ++i) {
        const auto b = static_cast<unsigned char>(s[pos + i]);
        if ((b & 0xC0) != 0x80) return {};
        cp = (cp << 6) | (b & 0x3Fu);
    }
    if (cp < min || cp > 0x10FFFF) return {};
    if (!allowSurrogates && cp >= 0xD800 && cp <= 0xDFFF) return {};
    return {cp, len};
}

} // namespace

void appendUtf8(std::string& out, std::uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

DecodedText decodeFileBytes(std::string_view bytes) {
    DecodedText out;
    if (bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom) {
        out.encoding = TextEncoding::Utf8Bom;
        out.text.assign(bytes.substr(kUtf8Bom.size()));
        return out;
    }
    if (bytes.substr(0, kUtf16LeBom.size()) != kUtf16LeBom) {
        out.text.assign(bytes);
        return out;
    }
    out.encoding = TextEncoding::Utf16LeBom;
    const std::string_view body = bytes.substr(kUtf16LeBom.size());
    const std::size_t units = body.size() / 2;
    out.text.reserve(units);
    auto unitAt = [&](std::size_t i) {
        return static_cast<std::uint32_t>(static_cast<unsigned char>(body[2 * i])) |
               (static_cast<std::uint32_t>(static_cast<unsigned char>(body[2 * i + 1])) << 8);
    };
    for (std::size_t i = 0; i < units; ++i) {
        const std::uint32_t u = unitAt(i);
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < units) {
            const std::uint32_t low = unitAt(i + 1);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                appendUtf8(out.text, 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
                ++i;
                continue;
            }
        }
        appendUtf8(out.text, u); // lone surrogates become WTF-8 and come back unchanged
    }
    if (body.size() % 2 != 0) out.trailing.assign(body.substr(body.size() - 1));
    return out;
}

std::string encodeFileBytes(std::string_view text, TextEncoding encoding, std::string_view trailing) {
    switch (encoding) {
    case TextEncoding::Ansi:
        return std::string(text);
    case TextEncoding::Utf8Bom:
        return std::string(kUtf8Bom) + std::string(text);
    case TextEncoding::Utf16LeBom:
        break;
    }
    std::string out(kUtf16LeBom);
    out.reserve(2 + text.size() * 2);
    for (std::size_t pos = 0; pos < text.size();) {
        CodePoint cp = decodeUtf8At(text, pos, true);
        if (cp.length == 0) cp = {0xFFFD, 1}; // only text typed in by hand can be invalid here
        if (cp.value >= 0x10000) {
            const std::uint32_t v = cp.value - 0x10000;
            appendUtf16(out, 0xD800 + (v >> 10));
            appendUtf16(out, 0xDC00 + (v & 0x3FF));
        } else {
            appendUtf16(out, cp.value);
        }
        pos += cp.length;
    }
    out += trailing;
    return out;
}

std::string windows1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            out += c;
        } else if (b < 0xA0) {
            appendUtf8(out, kHighControls[b - 0x80]);
        } else {
            appendUtf8(out, b);
        }
    }
    return out;
}

std::string sanitizeUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const CodePoint cp = decodeUtf8At(text, pos, false);
        if (cp.length == 0) {
            appendUtf8(out, 0xFFFD);
            ++pos;
        } else {
            out.append(text.substr(pos, cp.length));
            pos += cp.length;
        }
    }
    return out;
}

std::string toUtf8(std::string_view text, TextEncoding encoding) {
    return encoding == TextEncoding::Ansi ? windows1252ToUtf8(text) : sanitizeUtf8(text);
}

std::string utf8ToWindows1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const CodePoint cp = decodeUtf8At(text, pos, false);
        if (cp.length == 0) {
            out += '?';
            ++pos;
            continue;
        }
        pos += cp.length;
        if (cp.value < 0x80 || (cp.value >= 0xA0 && cp.value <= 0xFF)) {
            out += static_cast<char>(cp.value);
            continue;
        }
        char mapped = '?';
        for (std::size_t i = 0; i < kHighControls.size(); ++i) {
            if (kHighControls[i] == cp.value) mapped = static_cast<char>(0x80 + i);
        }
        out += mapped;
    }
    return out;
}

std::string fromUtf8(std::string_view text, TextEncoding encoding) {
    return encoding == TextEncoding::Ansi ? utf8ToWindows1252(text) : std::string(text);
}

} // namespace rivetbench::config
