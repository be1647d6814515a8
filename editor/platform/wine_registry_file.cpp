#include "editor/platform/wine_registry_file.h"

#include "editor/config/text_encoding.h"

#include <cctype>
#include <fstream>
#include <iterator>
#include <system_error>
#include <utility>
#include <vector>

namespace rivetbench::platform {
namespace {

namespace fs = std::filesystem;

constexpr std::uint32_t kRegSz = 1;
constexpr std::uint32_t kRegExpandSz = 2;

std::string lowerAscii(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

// Registry names compare without regard to case; the separators around a key path do not count.
std::string normalKey(std::string_view key) {
    while (!key.empty() && key.front() == '\\')
        key.remove_prefix(1);
    while (!key.empty() && key.back() == '\\')
        key.remove_suffix(1);
    return lowerAscii(key);
}

bool isHex(char c) {
    return std::isxdigit(static_cast<unsigned char>(c)) != 0;
}

unsigned hexDigit(char c) {
    if (c >= '0' && c <= '9') return static_cast<unsigned>(c - '0');
    return static_cast<unsigned>(std::tolower(static_cast<unsigned char>(c)) - 'a' + 10);
}

// Wine stores text as UTF-16 and writes what is not plain ASCII as \x escapes, one code unit each;
// a character beyond the BMP comes as two escapes that must be joined again.
class Utf8Builder {
  public:
    void unit(char16_t u) {
        if (u >= 0xDC00 && u <= 0xDFFF && high_ != 0) {
            config::appendUtf8(out_,
                               0x10000 + ((static_cast<char32_t>(high_) - 0xD800) << 10) + (u - 0xDC00u));
            high_ = 0;
            return;
        }
        flushHigh();
        if (u >= 0xD800 && u <= 0xDBFF)
            high_ = u;
        else if (u >= 0xDC00 && u <= 0xDFFF)
            config::appendUtf8(out_, 0xFFFD);
        else
            config::appendUtf8(out_, u);
    }
    // A byte the file holds as is (ASCII, or part of UTF-8 text).
    void byte(char b) {
        flushHigh();
        out_ += b;
    }
    std::string finish() {
        flushHigh();
        return std::move(out_);
    }

  private:
    void flushHigh() {
        if (high_ != 0) config::appendUtf8(out_, 0xFFFD);
        high_ = 0;
    }
    std::string out_;
    char16_t high_ = 0;
};

// Reads an escaped string starting at pos and ending at an unescaped `end`, as Wine writes names
// and string data; pos is left just past `end`. nullopt when the line stops before `end`.
std::optional<std::string> parseEscaped(std::string_view line, std::size_t& pos, char end) {
    Utf8Builder text;
    while (pos < line.size()) {
        const char c = line[pos++];
        if (c == end) return text.finish();
        if (c != '\\') {
            text.byte(c);
            continue;
        }
        if (pos >= line.size()) return std::nullopt;
        const char e = line[pos++];
        switch (e) {
        case 'a':
            text.unit(u'\a');
            break;
        case 'b':
            text.unit(u'\b');
            break;
        case 'e':
            text.unit(0x1B);
            break;
        case 'f':
            text.unit(u'\f');
            break;
        case 'n':
            text.unit(u'\n');
            break;
        case 'r':
            text.unit(u'\r');
            break;
        case 't':
            text.unit(u'\t');
            break;
        case 'v':
            text.unit(u'\v');
            break;
        case 'x': {
            if (pos >= line.size() || !isHex(line[pos])) {
                text.byte('x');
                break;
            }
            unsigned unit = 0;
            for (int digits = 0; digits < 4 && pos < line.size() && isHex(line[pos]); ++digits)
                unit = unit * 16 + hexDigit(line[pos++]);
            text.unit(static_cast<char16_t>(unit));
            break;
        }
        default:
            if (e >= '0' && e <= '7') {
                unsigned unit = static_cast<unsigned>(e - '0');
                for (int digits = 1; digits < 3 && pos < line.size() && line[pos] >= '0' && line[pos] <= '7';
                     ++digits)
                    unit = unit * 8 + static_cast<unsigned>(line[pos++] - '0');
                text.unit(static_cast<char16_t>(unit));
            } else {
                text.byte(e); // \\, \" and \[ \] stand for themselves
            }
            break;
        }
    }
    return std::nullopt;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

bool consume(std::string_view& text, std::string_view prefix) {
    if (text.substr(0, prefix.size()) != prefix) return false;
    text.remove_prefix(prefix.size());
    return true;
}

// "(N):" after "str" or "hex": the type number in hex.
std::optional<std::uint32_t> typeNumber(std::string_view& text) {
    if (!consume(text, "(")) return std::nullopt;
    std::uint32_t type = 0;
    std::size_t digits = 0;
    while (digits < text.size() && digits < 8 && isHex(text[digits]))
        type = type * 16 + hexDigit(text[digits++]);
    if (digits == 0) return std::nullopt;
    text.remove_prefix(digits);
    if (!consume(text, "):")) return std::nullopt;
    return type;
}

// Comma-separated bytes in hex; false when something else is there.
bool appendHexBytes(std::string_view text, std::string& bytes) {
    text = trimmed(text);
    if (text.empty()) return true;
    while (true) {
        const std::string_view item = trimmed(text.substr(0, text.find(',')));
        if (item.empty() || item.size() > 2 || !isHex(item[0]) || (item.size() == 2 && !isHex(item[1])))
            return false;
        unsigned byte = 0;
        for (const char c : item)
            byte = byte * 16 + hexDigit(c);
        bytes += static_cast<char>(byte);
        const std::size_t comma = text.find(',');
        if (comma == std::string_view::npos) return true;
        text.remove_prefix(comma + 1);
        // A trailing comma is how a line ends before its continuation.
        if (trimmed(text).empty()) return true;
    }
}

std::string utf16leToUtf8(std::string_view bytes) {
    Utf8Builder text;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
        text.unit(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                        (static_cast<unsigned char>(bytes[i + 1]) << 8)));
    return text.finish();
}

RegistryValue::Type stringType(std::uint32_t type) {
    if (type == kRegSz) return RegistryValue::Type::String;
    if (type == kRegExpandSz) return RegistryValue::Type::ExpandString;
    return RegistryValue::Type::Other;
}

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t eol = text.find('\n');
        std::string_view line = text.substr(0, eol);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        if (eol == std::string_view::npos) break;
        text.remove_prefix(eol + 1);
    }
    return lines;
}

} // namespace

WineRegistryFile WineRegistryFile::parse(std::string_view text) {
    WineRegistryFile file;
    consume(text, "\xEF\xBB\xBF");
    const std::vector<std::string_view> lines = splitLines(text);
    std::size_t i = 0;
    while (i < lines.size() && trimmed(lines[i]).empty())
        ++i;
    // Wine itself refuses a file with any other header; so does this reader.
    if (i >= lines.size() || trimmed(lines[i]) != "WINE REGISTRY Version 2") return file;

    std::map<std::string, RegistryValue>* key = nullptr; // values before any good section go nowhere
    for (++i; i < lines.size(); ++i) {
        std::string_view line = lines[i];
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t'))
            line.remove_prefix(1);
        if (line.empty() || line.front() == '#' || line.front() == ';') continue;

        if (line.front() == '[') {
            std::size_t pos = 1;
            const std::optional<std::string> path = parseEscaped(line, pos, ']');
            key = nullptr; // a broken section header must not lend its values to the previous key
            if (!path) continue;
            const std::string name = normalKey(*path);
            // Wine leaves out keys with subkeys but no values; they exist all the same.
            for (std::size_t cut = name.find('\\'); cut != std::string::npos; cut = name.find('\\', cut + 1))
                file.keys_.try_emplace(name.substr(0, cut));
            key = &file.keys_[name];
            continue;
        }
        if (key == nullptr) continue;

        std::string valueName;
        std::size_t pos = 0;
        if (line.front() == '@') {
            pos = 1;
        } else if (line.front() == '"') {
            pos = 1;
            std::optional<std::string> parsed = parseEscaped(line, pos, '"');
            if (!parsed) continue;
            valueName = std::move(*parsed);
        } else {
            continue;
        }
        std::string_view rest = trimmed(line.substr(pos));
        if (!consume(rest, "=")) continue;
        rest = trimmed(rest);

        RegistryValue value;
        if (rest.substr(0, 1) == "\"" || rest.substr(0, 3) == "str") {
            std::uint32_t type = kRegSz;
            if (!consume(rest, "str:") && consume(rest, "str")) {
                const std::optional<std::uint32_t> number = typeNumber(rest);
                if (!number) continue;
                type = *number;
            }
            if (!consume(rest, "\"")) continue;
            std::size_t at = 0;
            std::optional<std::string> data = parseEscaped(rest, at, '"');
            if (!data) continue;
            value.type = stringType(type);
            value.data = std::move(*data);
        } else if (consume(rest, "dword:")) {
            rest = trimmed(rest);
            if (rest.empty() || rest.size() > 8) continue;
            std::uint32_t number = 0;
            bool ok = true;
            for (const char c : rest) {
                ok = ok && isHex(c);
                if (ok) number = number * 16 + hexDigit(c);
            }
            if (!ok) continue;
            value.type = RegistryValue::Type::Other;
            for (int b = 0; b < 4; ++b)
                value.data += static_cast<char>((number >> (8 * b)) & 0xFF);
        } else if (consume(rest, "hex")) {
            std::uint32_t type = 3; // REG_BINARY
            if (!consume(rest, ":")) {
                const std::optional<std::uint32_t> number = typeNumber(rest);
                if (!number) continue;
                type = *number;
            }
            std::string bytes;
            bool ok = true;
            // Long data goes on over several lines, each but the last ending in a backslash.
            while (true) {
                const bool more = !rest.empty() && rest.back() == '\\';
                if (more) rest.remove_suffix(1);
                if (!appendHexBytes(rest, bytes)) {
                    ok = false;
                    break;
                }
                if (!more || i + 1 >= lines.size()) break;
                rest = trimmed(lines[++i]);
            }
            if (!ok) continue;
            // Wine writes a string that lacks its terminator this way; it is still a string.
            value.type = stringType(type);
            value.data = value.type == RegistryValue::Type::Other ? std::move(bytes) : utf16leToUtf8(bytes);
        } else {
            continue;
        }
        (*key)[lowerAscii(valueName)] = std::move(value);
    }
    return file;
}

bool WineRegistryFile::keyExists(std::string_view key) const {
    return keys_.count(normalKey(key)) != 0;
}

std::optional<RegistryValue> WineRegistryFile::value(std::string_view key, std::string_view name) const {
    const auto found = keys_.find(normalKey(key));
    if (found == keys_.end()) return std::nullopt;
    const auto value = found->second.find(lowerAscii(name));
    if (value == found->second.end()) return std::nullopt;
    return value->second;
}

namespace {

// A 32-bit program on a 64-bit system sees HKLM\Software through Software\Wow6432Node.
std::optional<std::string> wow64Key(std::string_view key) {
    const std::string normal = normalKey(key);
    const std::string_view software = "software\\";
    if (normal.rfind(software, 0) != 0) return std::nullopt;
    const std::string_view rest = std::string_view(normal).substr(software.size());
    const std::string_view wow = "wow6432node";
    if (rest.substr(0, wow.size()) == wow && (rest.size() == wow.size() || rest[wow.size()] == '\\'))
        return std::nullopt;
    return "software\\wow6432node\\" + std::string(rest);
}

} // namespace

WineRegistry::WineRegistry(std::filesystem::path userReg, std::filesystem::path systemReg) {
    user_.file = std::move(userReg);
    machine_.file = std::move(systemReg);
}

WineRegistry::Hive& WineRegistry::hiveFor(RegistryRoot root) const {
    return root == RegistryRoot::CurrentUser ? user_ : machine_;
}

const WineRegistryFile& WineRegistry::current(Hive& hive) const {
    std::error_code stampError;
    std::error_code sizeError;
    const fs::file_time_type stamp = fs::last_write_time(hive.file, stampError);
    const std::uintmax_t size = fs::file_size(hive.file, sizeError);
    if (stampError || sizeError) {
        hive.contents = WineRegistryFile();
        hive.loaded = false;
        return hive.contents;
    }
    if (hive.loaded && stamp == hive.stamp && size == hive.size) return hive.contents;
    std::ifstream in(hive.file, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    hive.contents = in.bad() ? WineRegistryFile() : WineRegistryFile::parse(text);
    hive.stamp = stamp;
    hive.size = size;
    hive.loaded = true;
    return hive.contents;
}

bool WineRegistry::keyExists(RegistryRoot root, std::string_view key) const {
    const std::lock_guard lock(mutex_);
    const WineRegistryFile& hive = current(hiveFor(root));
    if (hive.keyExists(key)) return true;
    const std::optional<std::string> wow = root == RegistryRoot::LocalMachine ? wow64Key(key) : std::nullopt;
    return wow && hive.keyExists(*wow);
}

std::optional<RegistryValue> WineRegistry::value(RegistryRoot root, std::string_view key,
                                                 std::string_view name) const {
    const std::lock_guard lock(mutex_);
    const WineRegistryFile& hive = current(hiveFor(root));
    std::optional<RegistryValue> found = hive.value(key, name);
    if (found || root != RegistryRoot::LocalMachine) return found;
    const std::optional<std::string> wow = wow64Key(key);
    return wow ? hive.value(*wow, name) : std::nullopt;
}

} // namespace rivetbench::platform
