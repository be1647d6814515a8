#pragma once

#include <string>
#include <string_view>

namespace rivetbench::save {

// A unified diff (three lines of context) of two texts, line by line; empty when they are equal.
std::string unifiedDiff(std::string_view before, std::string_view after, std::string_view name);

struct MergedFile;
// What a save would change in aircraft.cfg, as a UTF-8 unified diff whatever the file's encoding.
std::string mergedDiff(const MergedFile& merged);

} // namespace rivetbench::save
