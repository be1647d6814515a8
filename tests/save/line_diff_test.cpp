#include "editor/save/line_diff.h"

#include <gtest/gtest.h>
#include <random>
#include <sstream>
#include <vector>

using rivetbench::save::unifiedDiff;

namespace {

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::stringstream in(text);
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

// Applies a unified diff to the lines it was made from, checking every context and removed line.
std::vector<std::string> applyDiff(const std::vector<std::string>& before, const std::string& diff) {
    std::vector<std::string> out;
    std::size_t next = 0; // next line of before not yet copied
    for (const std::string& line : lines(diff)) {
        if (line.rfind("---", 0) == 0 || line.rfind("+++", 0) == 0) continue;
        if (line.rfind("@@ -", 0) == 0) {
            std::size_t start = std::stoul(line.substr(4));
            const std::size_t count = std::stoul(line.substr(line.find(',') + 1));
            if (count > 0) --start; // one-based, except for a hunk that removes nothing
            while (next < start)
                out.push_back(before.at(next++));
            continue;
        }
        const std::string body = line.substr(1);
        if (line[0] == '+') {
            out.push_back(body);
        } else {
            EXPECT_EQ(before.at(next), body) << "at line " << next + 1;
            ++next;
            if (line[0] == ' ') out.push_back(body);
        }
    }
    while (next < before.size())
        out.push_back(before[next++]);
    return out;
}

std::string join(const std::vector<std::string>& v) {
    std::string s;
    for (const auto& l : v)
        s += l + "\r\n";
    return s;
}

TEST(cliLineDiff, EqualTextsGiveNoDiff) {
    EXPECT_EQ(unifiedDiff("a\r\nb\r\n", "a\r\nb\r\n", "aircraft.cfg"), "");
}

TEST(cliLineDiff, AddedLineShowsWithContext) {
    EXPECT_EQ(unifiedDiff("[a]\r\nk=1\r\n[b]\r\n", "[a]\r\nk=1\r\nn=\r\n[b]\r\n", "aircraft.cfg"),
              "--- a/aircraft.cfg\n+++ b/aircraft.cfg\n@@ -1,3 +1,4 @@\n [a]\n k=1\n+n=\n [b]\n");
}

// Whatever the edits, the diff turns the old text into the new one.
TEST(cliLineDiff, DiffAppliedToTheOldTextGivesTheNewOne) {
    std::mt19937 random(7);
    for (int trial = 0; trial < 300; ++trial) {
        std::vector<std::string> before;
        const int n = static_cast<int>(random() % 40);
        for (int i = 0; i < n; ++i)
            before.push_back("line" + std::to_string(random() % 6));
        std::vector<std::string> after;
        for (const std::string& line : before) {
            const auto pick = random() % 10;
            if (pick == 0) continue;                                              // removed
            if (pick == 1) after.push_back("new" + std::to_string(random() % 3)); // added before
            after.push_back(pick == 2 ? "changed" : line);
        }
        if (random() % 3 == 0) after.push_back("tail");
        const std::string diff = unifiedDiff(join(before), join(after), "f");
        EXPECT_EQ(applyDiff(before, diff), after) << diff;
    }
}

} // namespace
