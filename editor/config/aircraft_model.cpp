#include "editor/config/aircraft_model.h"

#include <algorithm>

namespace rivetbench::config {

int SectionTable::findCaption(std::string_view caption) const {
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (rows[i].caption == caption) return static_cast<int>(i);
    return -1;
}

AircraftModel::AircraftModel() {
    const Catalogue& cat = Catalogue::instance();
    tables_.reserve(cat.tables().size());
    for (const TableDef& def : cat.tables())
        tables_.push_back(SectionTable{&def, {}, std::string(def.panelCaption)});
    for (VariationRecord& r : records_)
        r.values.resize(variationRows().size());
}

SectionTable& AircraftModel::table(const TableDef& def) {
    return tables_[static_cast<std::size_t>(Catalogue::instance().tableIndex(def))];
}

const SectionTable& AircraftModel::table(const TableDef& def) const {
    return tables_[static_cast<std::size_t>(Catalogue::instance().tableIndex(def))];
}

SectionTable* AircraftModel::table(std::string_view name) {
    const TableDef* def = Catalogue::instance().table(name);
    return def ? &table(*def) : nullptr;
}

const SectionTable* AircraftModel::table(std::string_view name) const {
    const TableDef* def = Catalogue::instance().table(name);
    return def ? &table(*def) : nullptr;
}

std::vector<std::string> AircraftModel::variationTitles() const {
    std::vector<std::string> titles;
    titles.reserve(variationList_.size());
    for (int n : variationList_)
        titles.push_back(record(n).values[0]);
    return titles;
}

int AircraftModel::chosenVariation() const {
    return chosen_ >= 0 && chosen_ < static_cast<int>(variationList_.size())
               ? variationList_[static_cast<std::size_t>(chosen_)]
               : -1;
}

std::string AircraftModel::versionNumberLabel() const {
    return "(" + std::to_string(variationList_.size()) + ")";
}

void AircraftModel::clear() {
    unsavedChanges = false;
    variationList_.clear();
    chosen_ = -1;
    for (SectionTable& t : tables_) {
        t.rows.clear();
        t.panelCaption = std::string(t.def->panelCaption);
    }
    for (VariationRecord& r : records_) {
        std::fill(r.values.begin(), r.values.end(), std::string());
        r.description.clear();
    }
    performance.clear();
}

void AircraftModel::loadVariationTable(int n) {
    SectionTable& t = variationTable(n);
    const VariationRecord& r = record(n);
    const auto defs = variationRows();
    t.rows.clear();
    for (std::size_t i = 0; i < defs.size(); ++i)
        t.rows.push_back(Row{std::string(defs[i].caption), r.values[i], std::string(defs[i].key)});
}

void AircraftModel::chooseVariation(int position) {
    if (position < 0 || position >= static_cast<int>(variationList_.size())) return;
    chosen_ = position;
    loadVariationTable(variationList_[static_cast<std::size_t>(position)]);
}

const std::string& AircraftModel::description() const {
    static const std::string none;
    const int n = chosenVariation();
    return n >= 0 ? record(n).description : none;
}

void AircraftModel::setDescription(std::string text) {
    const int n = chosenVariation();
    if (n >= 0) record(n).description = std::move(text);
}

void AircraftModel::setValue(SectionTable& t, std::size_t row, std::string value) {
    if (row >= t.rows.size()) return;
    if (t.def->kind == TableKind::Variation) record(t.def->variation).values[row] = value;
    t.rows[row].value = std::move(value);
    unsavedChanges = true;
}

} // namespace rivetbench::config
