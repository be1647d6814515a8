#include "editor/config/trim_rec.h"

namespace rivetbench::config {
namespace {

std::string_view trimControls(std::string_view s) {
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

} // namespace

std::string TrimRec(std::string_view text) {
    std::string quoted(text);
    for (char& c : quoted)
        if (c == '"') c = ' ';
    std::string_view s = trimControls(quoted);
    if (const auto slash = s.find('/'); slash != std::string_view::npos) s = s.substr(0, slash);
    if (const auto semi = s.find(';'); semi != std::string_view::npos) s = s.substr(0, semi);
    return std::string(trimControls(s));
}

} // namespace rivetbench::config
