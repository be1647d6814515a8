#pragma once

#include "editor/config/aircraft_model.h"
#include "editor/config/profile_document.h"

#include <optional>
#include <string>

namespace rivetbench::save {

// WriteCfg: merges every table that has rows, the descriptions of the written variations and the
// performance text into the document, in the save order, then (when asked) removes blank keys and
// blank sections. Unknown keys, sections and comments stay; a value equal to what its key already
// reads as leaves that line byte for byte; indexed entries go back to the keys they were read from.
//
// Refuses, before changing anything, a value holding a line break (it would split into new lines
// and keys): the result is then the message for the user.
std::optional<std::string> WriteCfg(config::ProfileDocument& doc, const config::AircraftModel& model,
                                    bool removeBlanks);

// The first value that a save into this document would refuse, as a message, or nothing.
std::optional<std::string> findUnwritableValue(const config::ProfileDocument& doc,
                                               const config::AircraftModel& model);

} // namespace rivetbench::save
