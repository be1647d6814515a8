#include "editor/save/write_cfg.h"

#include "editor/save/blank_cleanup.h"

#include <map>
#include <set>

namespace rivetbench::save {
namespace {

using config::Catalogue;
using config::ProfileDocument;
using config::Row;
using config::SectionTable;
using config::TableDef;
using config::TableKind;

bool holdsLineBreak(std::string_view value) {
    return value.find_first_of("\r\n") != std::string_view::npos;
}

// A value that already reads back as it stands leaves its line untouched (quotes, spacing and
// inline comments included); anything else goes through the profile write.
void writeValue(ProfileDocument& doc, std::string_view section, std::string_view key,
                std::string_view writeKey, std::string_view value) {
    const auto current = doc.value(section, key);
    if (current && *current == value) return;
    doc.writeString(section, current ? key : writeKey, value);
}

// A new entry (none are made by reading) takes the lowest number neither the file nor the table uses.
int nextFreeNumber(const ProfileDocument& doc, std::string_view section, std::string_view prefix,
                   const std::set<int>& used) {
    for (int n = 0;; ++n)
        if (!used.count(n) && !doc.valueExists(section, std::string(prefix) + std::to_string(n))) return n;
}

// The prefix an entry is written under: the file's own thrust-angle spelling wins, as when reading.
std::string_view entryPrefix(const ProfileDocument& doc, const TableDef& def, const Row& row) {
    const std::string_view prefix = def.families[static_cast<std::size_t>(row.family)].keyPrefix;
    if (prefix != config::kThrustAngle && prefix != config::kThrustAngleS) return prefix;
    return doc.valueExists(def.section, std::string(config::kThrustAngleS) + "0") ? config::kThrustAngleS
                                                                                  : config::kThrustAngle;
}

void writeEntries(ProfileDocument& doc, const SectionTable& table) {
    const TableDef& def = *table.def;
    // Numbers are taken per prefix: engine.1 does not make thrustanglepitchheading.1 taken.
    std::map<std::string_view, std::set<int>> used;
    for (const Row& row : table.rows)
        if (row.isEntry() && row.number >= 0) used[entryPrefix(doc, def, row)].insert(row.number);
    for (const Row& row : table.rows) {
        if (!row.isEntry()) continue;
        if (row.number >= 0) {
            writeValue(doc, def.section, row.key, row.key, row.value);
            continue;
        }
        const std::string_view prefix = entryPrefix(doc, def, row);
        const int n = nextFreeNumber(doc, def.section, prefix, used[prefix]);
        used[prefix].insert(n);
        doc.writeString(def.section, std::string(prefix) + std::to_string(n), row.value);
    }
}

void writeTable(ProfileDocument& doc, const config::AircraftModel& model, const SectionTable& table) {
    const TableDef& def = *table.def;
    if (def.kind == TableKind::Variation)
        writeValue(doc, def.section, config::kDescriptionKey, config::kDescriptionKey,
                   model.record(def.variation).description);
    for (std::size_t i = 0; i < def.fixedRows.size() && i < table.rows.size(); ++i)
        writeValue(doc, def.section, def.fixedRows[i].key, def.fixedRows[i].writeKey, table.rows[i].value);
    if (def.name == "lvGeneral")
        writeValue(doc, def.section, config::kPerformanceKey, config::kPerformanceKey, model.performance);
    writeEntries(doc, table);
}

} // namespace

std::optional<std::string> findUnwritableValue(const ProfileDocument& doc,
                                               const config::AircraftModel& model) {
    auto refuse = [](std::string_view what, std::string_view section) {
        return "The value of " + std::string(what) + " in [" + std::string(section) +
               "] holds a line break, which aircraft.cfg cannot store. Remove the line break and save again.";
    };
    // Only a value that would change its line matters: a stray CR already inside a line of the
    // file reads back into the row and is left where it is.
    auto breaks = [&](std::string_view section, std::string_view key, std::string_view value) {
        return holdsLineBreak(value) && doc.value(section, key) != value;
    };
    for (const TableDef* def : Catalogue::instance().writeOrder()) {
        const SectionTable& table = model.table(*def);
        if (table.empty()) continue;
        if (def->kind == TableKind::Variation &&
            breaks(def->section, config::kDescriptionKey, model.record(def->variation).description))
            return refuse("the description", def->section);
        if (def->name == "lvGeneral" && breaks(def->section, config::kPerformanceKey, model.performance))
            return refuse("the performance text", def->section);
        for (const Row& row : table.rows)
            if (breaks(def->section, row.number >= 0 || !row.isEntry() ? row.key : std::string(), row.value))
                return refuse("\"" + row.caption + "\"", def->section);
    }
    return std::nullopt;
}

std::optional<std::string> WriteCfg(ProfileDocument& doc, const config::AircraftModel& model,
                                    bool removeBlanks) {
    if (auto refused = findUnwritableValue(doc, model)) return refused;
    for (const TableDef* def : Catalogue::instance().writeOrder()) {
        const SectionTable& table = model.table(*def);
        if (!table.empty()) writeTable(doc, model, table);
    }
    if (removeBlanks) {
        RemoveBlankKeys(doc);
        RemoveBlankSections(doc);
    }
    return std::nullopt;
}

} // namespace rivetbench::save
