#pragma once

#include "editor/config/catalogue.h"

#include <string>
#include <vector>

namespace rivetbench::config {

struct Row {
    std::string caption;
    std::string value;
    std::string key; // the key the row was read from and is written back to
    int family = -1; // position of its indexed family, -1 for a fixed row
    int number = -1; // key number of an indexed entry; -1 for an entry not yet in the file
    bool isEntry() const { return family >= 0; }
};

// An ordered list of caption/value rows for one section (or one part of [autopilot]).
struct SectionTable {
    const TableDef* def = nullptr;
    std::vector<Row> rows;
    std::string panelCaption; // flap tables name their flap type here
    bool empty() const { return rows.empty(); }
    int findCaption(std::string_view caption) const;
};

} // namespace rivetbench::config
