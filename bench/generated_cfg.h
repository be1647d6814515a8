#pragma once

#include <cstddef>
#include <string>

namespace rivetbench::bench {

// A deterministic aircraft.cfg as a heavy real one looks: CRLF line endings, Windows-1252 text,
// 60 variations with long descriptions, every table's section with all its keys, every indexed
// family filled, comments, inline comments and unknown sections. Unknown sections are added until
// the text reaches targetBytes (it overshoots by less than one section).
std::string generateCfg(std::size_t targetBytes);

// About 300 KB.
std::string generateLargeCfg();

} // namespace rivetbench::bench
