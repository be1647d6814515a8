#pragma once

#include <string>
#include <string_view>

namespace rivetbench::cli {

// A unified diff (three lines of context) of two texts, line by line; empty when they are equal.
std::string unifiedDiff(std::string_view before, std::string_view after, std::string_view name);

} // namespace rivetbench::cli
