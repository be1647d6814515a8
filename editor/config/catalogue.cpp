#include "editor/config/catalogue.h"

#include "editor/config/catalogue_data.h"
#include "editor/config/profile_document.h"

#include <charconv>

namespace rivetbench::config {

std::span<const RowDef> variationRows() {
    return data::variationRows;
}

std::span<const TreeNode> Catalogue::treeNodes() const {
    return data::treeNodes;
}

const Catalogue& Catalogue::instance() {
    static const Catalogue catalogue;
    return catalogue;
}

Catalogue::Catalogue() {
    tables_.reserve(kTables);
    for (int n = 0; n < kVariations; ++n) {
        TableDef def;
        def.name = "lvMainAircraft_" + std::to_string(n);
        def.section = "fltsim." + std::to_string(n);
        def.node = "[Main]";
        def.panel = "pnlFltsim";
        def.panelCaption = "Main:";
        def.parameterWidth = 130;
        def.valueWidth = 160;
        def.kind = TableKind::Variation;
        def.fixedRows = data::variationRows;
        def.variation = n;
        tables_.push_back(std::move(def));
    }
    for (const data::SingleTable& t : data::singleTableList) {
        TableDef def;
        def.name = std::string(t.name);
        def.section = std::string(t.section);
        def.node = t.node;
        def.panel = t.panel;
        def.panelCaption = t.panelCaption;
        def.parameterWidth = t.parameterWidth;
        def.valueWidth = t.valueWidth;
        def.kind = t.kind;
        def.fixedRows = t.rows;
        def.families = t.families;
        def.flaps = t.flaps;
        tables_.push_back(std::move(def));
    }
    for (const TableDef& def : std::span(tables_).first(kVariations))
        writeOrder_.push_back(&def);
    for (std::string_view name : data::writeOrder)
        writeOrder_.push_back(table(name));
}

const TableDef* Catalogue::table(std::string_view name) const {
    for (const TableDef& def : tables_)
        if (def.name == name) return &def;
    return nullptr;
}

int Catalogue::tableIndex(const TableDef& def) const {
    return static_cast<int>(&def - tables_.data());
}

std::optional<int> familyNumber(std::string_view key, std::string_view prefix) {
    if (!startsWithIgnoreCase(key, prefix)) return std::nullopt;
    const std::string_view digits = key.substr(prefix.size());
    // Windows looks up "light.5", never "light.05": only the plain decimal spelling is a member.
    if (digits.empty() || digits.size() > 6 || digits[0] < '0' || digits[0] > '9' ||
        (digits.size() > 1 && digits[0] == '0'))
        return std::nullopt;
    int n = 0;
    const auto [ptr, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
    if (ec != std::errc() || ptr != digits.data() + digits.size()) return std::nullopt;
    return n;
}

std::optional<RowRef> Catalogue::findCaption(std::string_view caption) const {
    for (const TableDef& def : tables_) {
        for (std::size_t i = 0; i < def.fixedRows.size(); ++i)
            if (def.fixedRows[i].caption == caption) return RowRef{&def, static_cast<int>(i), -1};
        for (std::size_t f = 0; f < def.families.size(); ++f) {
            const std::string_view prefix = def.families[f].captionPrefix;
            if (caption.substr(0, prefix.size()) != prefix) continue;
            const auto n = familyNumber(caption.substr(prefix.size()), "");
            if (n && *n >= 1) return RowRef{&def, -1, static_cast<int>(f)};
        }
    }
    return std::nullopt;
}

std::vector<RowRef> Catalogue::findKey(std::string_view section, std::string_view key) const {
    std::vector<RowRef> refs;
    for (const TableDef& def : tables_) {
        if (!equalsIgnoreCase(def.section, section)) continue;
        for (std::size_t i = 0; i < def.fixedRows.size(); ++i)
            if (equalsIgnoreCase(def.fixedRows[i].key, key)) refs.push_back({&def, static_cast<int>(i), -1});
        for (std::size_t f = 0; f < def.families.size(); ++f)
            if (familyNumber(key, def.families[f].keyPrefix)) refs.push_back({&def, -1, static_cast<int>(f)});
    }
    return refs;
}

} // namespace rivetbench::config
