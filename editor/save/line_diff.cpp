#include "editor/save/line_diff.h"

#include "editor/config/text_encoding.h"
#include "editor/save/save_restore.h"

#include <algorithm>
#include <vector>

namespace rivetbench::save {
namespace {

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const auto nl = text.find('\n');
        std::string_view line = text.substr(0, nl);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        if (nl == std::string_view::npos) break;
        text.remove_prefix(nl + 1);
    }
    return lines;
}

enum class Op { Keep, Remove, Add };
struct Edit {
    Op op;
    std::size_t a; // line in before
    std::size_t b; // line in after
};

// Myers' greedy shortest edit script; the trace keeps one diagonal band per step, so memory grows
// with the square of the number of differences, not with the file.
std::vector<Edit> editScript(const std::vector<std::string_view>& a, const std::vector<std::string_view>& b) {
    const long n = static_cast<long>(a.size()), m = static_cast<long>(b.size());
    std::vector<std::vector<long>> trace;
    std::vector<long> v{0, 0}; // v[k + d + 1] for k in [-d-1, d+1]
    long found = -1;
    for (long d = 0; d <= n + m; ++d) {
        std::vector<long> next(static_cast<std::size_t>(2 * d + 3), 0);
        auto at = [&](const std::vector<long>& vec, long k, long dd) -> long {
            return vec[static_cast<std::size_t>(k + dd + 1)];
        };
        for (long k = -d; k <= d; k += 2) {
            long x;
            if (d == 0)
                x = 0;
            else if (k == -d || (k != d && at(v, k - 1, d - 1) < at(v, k + 1, d - 1)))
                x = at(v, k + 1, d - 1);
            else
                x = at(v, k - 1, d - 1) + 1;
            long y = x - k;
            while (x < n && y < m && a[static_cast<std::size_t>(x)] == b[static_cast<std::size_t>(y)])
                ++x, ++y;
            next[static_cast<std::size_t>(k + d + 1)] = x;
            if (x >= n && y >= m) found = d;
        }
        trace.push_back(next);
        v = std::move(next);
        if (found >= 0) break;
    }
    std::vector<Edit> edits;
    long x = n, y = m;
    auto keep = [&] {
        --x, --y;
        edits.push_back({Op::Keep, static_cast<std::size_t>(x), static_cast<std::size_t>(y)});
    };
    for (long d = found; d > 0; --d) {
        const auto& prev = trace[static_cast<std::size_t>(d - 1)];
        auto pv = [&](long kk) { return prev[static_cast<std::size_t>(kk + d)]; };
        const long k = x - y;
        const bool down = k == -d || (k != d && pv(k - 1) < pv(k + 1)); // a line added from b
        const long prevK = down ? k + 1 : k - 1;
        const long prevX = pv(prevK);
        const long prevY = prevX - prevK;
        while (x > prevX + (down ? 0 : 1) && y > prevY + (down ? 1 : 0))
            keep();
        if (down) {
            --y;
            edits.push_back({Op::Add, static_cast<std::size_t>(x), static_cast<std::size_t>(y)});
        } else {
            --x;
            edits.push_back({Op::Remove, static_cast<std::size_t>(x), static_cast<std::size_t>(y)});
        }
    }
    while (x > 0 && y > 0)
        keep();
    std::reverse(edits.begin(), edits.end());
    return edits;
}

} // namespace

std::string unifiedDiff(std::string_view before, std::string_view after, std::string_view name) {
    const auto a = splitLines(before);
    const auto b = splitLines(after);
    const std::vector<Edit> edits = editScript(a, b);
    std::string out;
    constexpr std::size_t context = 3;
    std::size_t i = 0;
    std::size_t prevStop = 0;
    while (i < edits.size()) {
        if (edits[i].op == Op::Keep) {
            ++i;
            continue;
        }
        // One hunk: from context lines before this change to context lines after the last change
        // that is no more than 2 * context lines of kept text away.
        const std::size_t start = std::max(prevStop, i >= context ? i - context : 0);
        std::size_t end = i;
        std::size_t keptRun = 0;
        for (std::size_t j = i; j < edits.size(); ++j) {
            if (edits[j].op == Op::Keep) {
                if (++keptRun > 2 * context) break;
            } else {
                keptRun = 0;
                end = j;
            }
        }
        const std::size_t stop = std::min(edits.size(), end + 1 + context);
        std::size_t aStart = edits[start].a, bStart = edits[start].b, aCount = 0, bCount = 0;
        std::string body;
        for (std::size_t j = start; j < stop; ++j) {
            const Edit& e = edits[j];
            if (e.op == Op::Keep) {
                body += " " + std::string(a[e.a]) + "\n";
                ++aCount, ++bCount;
            } else if (e.op == Op::Remove) {
                body += "-" + std::string(a[e.a]) + "\n";
                ++aCount;
            } else {
                body += "+" + std::string(b[e.b]) + "\n";
                ++bCount;
            }
        }
        if (out.empty()) out = "--- a/" + std::string(name) + "\n+++ b/" + std::string(name) + "\n";
        out += "@@ -" + std::to_string(aCount ? aStart + 1 : aStart) + "," + std::to_string(aCount) + " +" +
               std::to_string(bCount ? bStart + 1 : bStart) + "," + std::to_string(bCount) + " @@\n" + body;
        i = prevStop = stop;
    }
    return out;
}

std::string mergedDiff(const MergedFile& merged) {
    const auto before = config::decodeFileBytes(merged.original);
    const auto after = config::decodeFileBytes(merged.merged);
    return unifiedDiff(config::toUtf8(before.text, before.encoding),
                       config::toUtf8(after.text, after.encoding), "aircraft.cfg");
}

} // namespace rivetbench::save
