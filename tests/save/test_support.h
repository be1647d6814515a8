#pragma once

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <string_view>

namespace rivetbench::test {

// Fixtures are written with \n; this gives their CR LF form.
inline std::string crlf(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

inline std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Whole saved files are long: a failure names the first line that differs, line endings shown.
inline ::testing::AssertionResult sameBytes(std::string_view actual, std::string_view expected) {
    if (actual == expected) return ::testing::AssertionSuccess();
    const auto [a, e] = std::mismatch(actual.begin(), actual.end(), expected.begin(), expected.end());
    const std::size_t at = static_cast<std::size_t>(a - actual.begin());
    const std::size_t lineStart = at == 0 ? 0 : actual.substr(0, at).rfind('\n', at - 1) + 1;
    auto lineFrom = [lineStart](std::string_view text) {
        std::string line(text.substr(lineStart, text.find('\n', lineStart) - lineStart));
        for (std::size_t i = 0; (i = line.find('\r', i)) != std::string::npos; i += 2)
            line.replace(i, 1, "\\r");
        return line;
    };
    const auto lineNo =
        std::count(actual.begin(), actual.begin() + static_cast<std::ptrdiff_t>(at), '\n') + 1;
    return ::testing::AssertionFailure()
           << "first difference on line " << lineNo << " (byte " << at
           << ")\n  actual:   " << lineFrom(actual) << "\n  expected: " << lineFrom(expected)
           << "\n  sizes: " << actual.size() << " vs " << expected.size();
}

} // namespace rivetbench::test
