#include "editor/config/cfg_reader.h"

#include "editor/config/trim_rec.h"

#include <algorithm>

namespace rivetbench::config {

std::vector<Row> probeFamily(const ProfileDocument& doc, std::string_view section, const FamilyDef& family,
                             int familyIndex) {
    std::vector<int> numbers;
    for (const std::string& key : doc.readSection(section))
        if (const auto n = familyNumber(key, family.keyPrefix)) numbers.push_back(*n);
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());

    std::vector<Row> rows;
    for (const int n : numbers) {
        std::string key = std::string(family.keyPrefix) + std::to_string(n);
        std::string value = doc.readString(section, key);
        if (value.empty() || value.front() == '/') continue;
        rows.push_back(Row{std::string(family.captionPrefix) + std::to_string(n + 1), std::move(value),
                           std::move(key), familyIndex, n});
    }
    return rows;
}

std::string flapCaption(int flaps, std::string_view typeValue) {
    const std::string type = TrimRec(typeValue);
    const std::string kind = type == "1" ? " (Trailing Edge)" : type == "2" ? " (Leading Edge)" : "";
    const std::string name = "Flaps " + std::to_string(flaps + 1) + kind;
    // The first flap panel was designed with its brackets already in the caption.
    return flaps == 0 ? "[" + name + "]:" : name + ":";
}

void loadTable(const ProfileDocument& doc, SectionTable& table) {
    const TableDef& def = *table.def;
    table.rows.clear();
    for (const RowDef& r : def.fixedRows)
        table.rows.push_back(
            Row{std::string(r.caption), doc.readString(def.section, r.key), std::string(r.key)});
    for (std::size_t f = 0; f < def.families.size(); ++f) {
        const FamilyDef& family = def.families[f];
        // The second thrust-angle spelling is shown only when the first is not in use.
        if (family.keyPrefix == kThrustAngle &&
            doc.valueExists(def.section, std::string(kThrustAngleS) + "0"))
            continue;
        auto entries = probeFamily(doc, def.section, family, static_cast<int>(f));
        std::move(entries.begin(), entries.end(), std::back_inserter(table.rows));
    }
    if (def.kind == TableKind::Flaps) table.panelCaption = flapCaption(def.flaps, table.rows.front().value);
}

void ReadCfg(const ProfileDocument& doc, AircraftModel& model) {
    model.clear();
    const auto rows = variationRows();
    auto readRecord = [&](int n) {
        const std::string section = Catalogue::instance().variationTable(n).section;
        VariationRecord& r = model.record(n);
        r.description = doc.readString(section, kDescriptionKey);
        for (std::size_t i = 0; i < rows.size(); ++i)
            r.values[i] = doc.readString(section, rows[i].key);
    };
    readRecord(0);
    model.appendVariation(0);
    for (int n = 1; n < Catalogue::kVariations; ++n) {
        if (!doc.sectionExists(Catalogue::instance().variationTable(n).section)) continue;
        readRecord(n);
        model.appendVariation(n);
    }
    model.chooseVariation(0);

    for (SectionTable& table : model.tables().subspan(Catalogue::kVariations)) {
        if (table.def->kind == TableKind::Flaps && !doc.sectionExists(table.def->section)) continue;
        loadTable(doc, table);
    }
    model.performance = doc.readString(kGeneralSection, kPerformanceKey);
    model.unsavedChanges = false;
}

} // namespace rivetbench::config
