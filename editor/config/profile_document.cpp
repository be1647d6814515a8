#include "editor/config/profile_document.h"

#include <algorithm>
#include <charconv>
#include <utility>

namespace rivetbench::config {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::size_t skipBlanks(std::string_view s, std::size_t pos, std::size_t end) {
    while (pos < end && isBlank(s[pos]))
        ++pos;
    return pos;
}

std::size_t trimEnd(std::string_view s, std::size_t begin, std::size_t end) {
    while (end > begin && isBlank(s[end - 1]))
        --end;
    return end;
}

char lowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string_view stripQuotes(std::string_view v) {
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        return v.substr(1, v.size() - 2);
    return v;
}

} // namespace

std::string asciiLower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = lowerAscii(c);
    return out;
}

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
    return true;
}

bool startsWithIgnoreCase(std::string_view s, std::string_view prefix) {
    return s.size() >= prefix.size() && equalsIgnoreCase(s.substr(0, prefix.size()), prefix);
}

ProfileDocument::ProfileDocument() = default;

void ProfileDocument::classify(Line& line) {
    const std::string_view t = line.text;
    const std::size_t end = t.size();
    const std::size_t start = skipBlanks(t, 0, end);
    line.kind = Kind::Other;
    line.nameBegin = line.nameEnd = line.valueBegin = line.valueEnd = 0;
    if (start == end) {
        line.kind = Kind::Blank;
        return;
    }
    if (t[start] == ';' || t.substr(start, 2) == "//") {
        line.kind = Kind::Comment;
        return;
    }
    if (t[start] == '[') {
        const std::size_t close = t.find(']', start + 1);
        if (close == std::string_view::npos) return; // no header and, as Windows reads it, no key
        const std::size_t nb = skipBlanks(t, start + 1, close);
        line.kind = Kind::Header;
        line.nameBegin = static_cast<std::uint32_t>(nb);
        line.nameEnd = static_cast<std::uint32_t>(trimEnd(t, nb, close));
        return;
    }
    const std::size_t eq = t.find('=', start);
    if (eq == std::string_view::npos) return;
    const std::size_t keyEnd = trimEnd(t, start, eq);
    if (keyEnd == start) return; // "=value" names no key
    const std::size_t vb = skipBlanks(t, eq + 1, end);
    const std::size_t ve = trimEnd(t, vb, end);
    line.kind = Kind::Key;
    line.nameBegin = static_cast<std::uint32_t>(start);
    line.nameEnd = static_cast<std::uint32_t>(keyEnd);
    // An empty value is replaced right after the '=' sign, dropping the blanks that stood there.
    line.valueBegin = static_cast<std::uint32_t>(vb == ve ? eq + 1 : vb);
    line.valueEnd = static_cast<std::uint32_t>(vb == ve ? eq + 1 : ve);
}

ProfileDocument::Line ProfileDocument::parseLine(std::string text, Eol eol) {
    Line line;
    line.text = std::move(text);
    line.eol = eol;
    classify(line);
    return line;
}

ProfileDocument ProfileDocument::fromBytes(std::string_view bytes) {
    ProfileDocument doc;
    DecodedText decoded = decodeFileBytes(bytes);
    doc.encoding_ = decoded.encoding;
    doc.trailing_ = std::move(decoded.trailing);
    doc.original_.assign(bytes);

    const std::string_view text = decoded.text;
    std::size_t lf = 0, crlf = 0;
    Section* current = nullptr;
    for (std::size_t pos = 0; pos < text.size();) {
        std::size_t nl = text.find('\n', pos);
        Eol eol = Eol::Lf;
        std::size_t end = nl;
        if (nl == std::string_view::npos) {
            end = text.size();
            eol = Eol::None;
        } else if (nl > pos && text[nl - 1] == '\r') {
            end = nl - 1;
            eol = Eol::CrLf;
        }
        (eol == Eol::CrLf ? crlf : lf) += (eol == Eol::None ? 0 : 1);
        Line line = parseLine(std::string(text.substr(pos, end - pos)), eol);
        if (line.kind == Kind::Header) {
            doc.sections_.emplace_back();
            current = &doc.sections_.back();
            current->lowerName = asciiLower(line.name());
            current->header = std::move(line);
        } else if (current) {
            current->body.push_back(std::move(line));
        } else {
            doc.preamble_.push_back(std::move(line));
        }
        pos = nl == std::string_view::npos ? text.size() : nl + 1;
    }
    doc.eol_ = lf > crlf ? Eol::Lf : Eol::CrLf;
    return doc;
}

std::string ProfileDocument::toBytes() const {
    if (!modified_) return original_;
    std::string text;
    auto put = [&text](const Line& line) {
        text += line.text;
        if (line.eol == Eol::CrLf)
            text += "\r\n";
        else if (line.eol == Eol::Lf)
            text += '\n';
    };
    for (const Line& line : preamble_)
        put(line);
    for (const Section& s : sections_) {
        put(s.header);
        for (const Line& line : s.body)
            put(line);
    }
    return encodeFileBytes(text, encoding_, trailing_);
}

std::string_view ProfileDocument::lineEnding() const {
    return eol_ == Eol::Lf ? "\n" : "\r\n";
}

std::size_t ProfileDocument::lineCount() const {
    std::size_t n = preamble_.size();
    for (const Section& s : sections_)
        n += 1 + s.body.size();
    return n;
}

const std::unordered_map<std::string, std::size_t>& ProfileDocument::Section::keyIndex() const {
    if (!keysValid) {
        keys.clear();
        for (std::size_t i = 0; i < body.size(); ++i)
            if (body[i].kind == Kind::Key) keys.emplace(asciiLower(body[i].name()), i); // first wins
        keysValid = true;
    }
    return keys;
}

const ProfileDocument::Section* ProfileDocument::findSection(std::string_view name) const {
    if (!sectionIndexValid_) {
        sectionIndex_.clear();
        for (std::size_t i = 0; i < sections_.size(); ++i)
            sectionIndex_.emplace(sections_[i].lowerName, i);
        sectionIndexValid_ = true;
    }
    const auto it = sectionIndex_.find(asciiLower(name));
    return it == sectionIndex_.end() ? nullptr : &sections_[it->second];
}

ProfileDocument::Section* ProfileDocument::findSection(std::string_view name) {
    return const_cast<Section*>(std::as_const(*this).findSection(name));
}

std::optional<std::string> ProfileDocument::value(std::string_view section, std::string_view key) const {
    const Section* s = findSection(section);
    if (!s) return std::nullopt;
    const auto& index = s->keyIndex();
    const auto it = index.find(asciiLower(key));
    if (it == index.end()) return std::nullopt;
    return std::string(stripQuotes(s->body[it->second].rawValue()));
}

std::string ProfileDocument::readString(std::string_view section, std::string_view key,
                                        std::string_view def) const {
    auto v = value(section, key);
    return v ? std::move(*v) : std::string(def);
}

long ProfileDocument::readInteger(std::string_view section, std::string_view key, long def) const {
    const std::string v = readString(section, key);
    std::string_view digits = v;
    int base = 10;
    if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
        digits.remove_prefix(2);
        base = 16;
    }
    long result = 0;
    const auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), result, base);
    if (ec != std::errc() || ptr != digits.data() + digits.size()) return def;
    return result;
}

bool ProfileDocument::sectionExists(std::string_view section) const {
    const Section* s = findSection(section);
    return s && !s->keyIndex().empty();
}

bool ProfileDocument::valueExists(std::string_view section, std::string_view key) const {
    const Section* s = findSection(section);
    return s && s->keyIndex().count(asciiLower(key)) != 0;
}

std::vector<std::string> ProfileDocument::readSection(std::string_view section) const {
    std::vector<std::string> names;
    if (const Section* s = findSection(section)) {
        for (const Line& line : s->body)
            if (line.kind == Kind::Key) names.emplace_back(line.name());
    }
    return names;
}

std::vector<std::string> ProfileDocument::readSections() const {
    std::vector<std::string> names;
    names.reserve(sections_.size());
    for (const Section& s : sections_)
        names.emplace_back(s.header.name());
    return names;
}

std::size_t ProfileDocument::sectionEntryCount(std::string_view section) const {
    const Section* s = findSection(section);
    if (!s) return 0;
    return static_cast<std::size_t>(
        std::count_if(s->body.begin(), s->body.end(), [](const Line& l) { return l.kind == Kind::Key; }));
}

ProfileDocument::Line* ProfileDocument::lastLine() {
    if (!sections_.empty()) {
        Section& s = sections_.back();
        return s.body.empty() ? &s.header : &s.body.back();
    }
    return preamble_.empty() ? nullptr : &preamble_.back();
}

ProfileDocument::Line ProfileDocument::makeLine(std::string text) const {
    return parseLine(std::move(text), eol_);
}

void ProfileDocument::appendLinesAtEnd(std::vector<Line> lines) {
    // A file that ended without a line break keeps ending without one.
    Line* last = lastLine();
    if (last && last->eol == Eol::None && !lines.empty()) {
        last->eol = eol_;
        lines.back().eol = Eol::None;
    }
    for (Line& line : lines) {
        if (line.kind == Kind::Header) {
            sections_.emplace_back();
            sections_.back().lowerName = asciiLower(line.name());
            sections_.back().header = std::move(line);
            sectionIndexValid_ = false;
        } else {
            sections_.back().body.push_back(std::move(line));
            sections_.back().keysValid = false;
        }
    }
}

void ProfileDocument::writeString(std::string_view section, std::string_view key, std::string_view value) {
    Section* s = findSection(section);
    std::string keyLine = std::string(key) + "=" + std::string(value);
    if (!s) {
        std::vector<Line> lines;
        lines.push_back(makeLine("[" + std::string(section) + "]"));
        lines.push_back(makeLine(std::move(keyLine)));
        appendLinesAtEnd(std::move(lines));
        modified_ = true;
        return;
    }
    const auto& index = s->keyIndex();
    const auto it = index.find(asciiLower(key));
    if (it != index.end()) {
        Line& line = s->body[it->second];
        std::string text = line.text.substr(0, line.valueBegin) + std::string(value);
        if (text != line.text) {
            line.text = std::move(text);
            classify(line);
            modified_ = true;
        }
        return;
    }
    // After the last key line, so that trailing blank lines and comments stay below the section.
    std::size_t at = 0;
    for (std::size_t i = s->body.size(); i > 0; --i) {
        if (s->body[i - 1].kind == Kind::Key) {
            at = i;
            break;
        }
    }
    const bool lastSection = s == &sections_.back();
    if (lastSection && at == s->body.size()) {
        appendLinesAtEnd({makeLine(std::move(keyLine))});
    } else {
        s->body.insert(s->body.begin() + static_cast<std::ptrdiff_t>(at), makeLine(std::move(keyLine)));
        Line& before = at == 0 ? s->header : s->body[at - 1];
        if (before.eol == Eol::None) before.eol = eol_; // only the file's last line can lack one
        s->keysValid = false;
    }
    modified_ = true;
}

void ProfileDocument::writeInteger(std::string_view section, std::string_view key, long value) {
    writeString(section, key, std::to_string(value));
}

bool ProfileDocument::deleteKey(std::string_view section, std::string_view key) {
    Section* s = findSection(section);
    if (!s) return false;
    const auto& index = s->keyIndex();
    const auto it = index.find(asciiLower(key));
    if (it == index.end()) return false;
    const std::size_t at = it->second;
    const bool wasLast = s == &sections_.back() && at + 1 == s->body.size();
    const Eol eol = s->body[at].eol;
    s->body.erase(s->body.begin() + static_cast<std::ptrdiff_t>(at));
    s->keysValid = false;
    if (wasLast && eol == Eol::None) {
        if (Line* last = lastLine()) last->eol = Eol::None;
    }
    modified_ = true;
    return true;
}

bool ProfileDocument::eraseSection(std::string_view section) {
    Section* s = findSection(section);
    if (!s) return false;
    const bool wasLast = s == &sections_.back();
    const Eol eol = s->body.empty() ? s->header.eol : s->body.back().eol;
    sections_.erase(sections_.begin() + (s - sections_.data()));
    sectionIndexValid_ = false;
    if (wasLast && eol == Eol::None) {
        if (Line* last = lastLine()) last->eol = Eol::None;
    }
    modified_ = true;
    return true;
}

} // namespace rivetbench::config
