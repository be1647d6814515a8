#pragma once

#include "editor/config/aircraft_model.h"
#include "editor/config/profile_document.h"

namespace rivetbench::config {

// ReadCfg: reads a parsed aircraft.cfg into the model (cleared first): the variation records and
// list, every single-section table by the catalogue, the performance text. Variation 0 is chosen.
void ReadCfg(const ProfileDocument& doc, AircraftModel& model);

// The generic table loader (Load*Data): fixed rows, then the indexed families probed in the file.
void loadTable(const ProfileDocument& doc, SectionTable& table);

// Every member of a family present in the section, in ascending number; empty values and values
// beginning with '/' make no row.
std::vector<Row> probeFamily(const ProfileDocument& doc, std::string_view section, const FamilyDef& family,
                             int familyIndex);

// The panel caption a flap table shows for its type of flap.
std::string flapCaption(int flaps, std::string_view typeValue);

} // namespace rivetbench::config
