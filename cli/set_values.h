#pragma once

#include "editor/config/aircraft_model.h"

#include <optional>
#include <string>

namespace rivetbench::cli {

// Puts VALUE into the row the catalogue gives for SECTION/KEY (or into a description or the
// performance text), as an edit in the window would. Returns the message when it cannot; for an
// unknown key the message goes on to list the near matches.
std::optional<std::string> setCatalogueValue(config::AircraftModel& model, const std::string& section,
                                             const std::string& key, std::string value);

// Catalogue keys that look like the one asked for, "[section] key" each, best first.
std::vector<std::string> nearMatches(const std::string& section, const std::string& key);

} // namespace rivetbench::cli
