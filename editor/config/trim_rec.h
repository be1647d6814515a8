#pragma once

#include <string>
#include <string_view>

namespace rivetbench::config {

// Strips double quotes, a comment after '/' or ';', and blanks and control characters at both ends.
std::string TrimRec(std::string_view text);

} // namespace rivetbench::config
