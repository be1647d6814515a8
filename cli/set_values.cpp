#include "cli/set_values.h"

#include "editor/config/profile_document.h"

#include <algorithm>

namespace rivetbench::cli {
namespace {

using config::Catalogue;
using config::equalsIgnoreCase;

std::size_t editDistance(std::string_view a, std::string_view b) {
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diag = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t up = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diag + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diag = up;
        }
    }
    return row[b.size()];
}

// The variation whose section is [fltsim.N], when SECTION names one.
std::optional<int> variationOf(const std::string& section) {
    const auto n = config::familyNumber(section, "fltsim.");
    if (n && *n < Catalogue::kVariations) return n;
    return std::nullopt;
}

} // namespace

std::vector<std::string> nearMatches(const std::string& section, const std::string& key) {
    struct Candidate {
        std::size_t score;
        std::string text;
    };
    std::vector<Candidate> found;
    const std::string lowKey = config::asciiLower(key);
    auto consider = [&](std::string_view sec, std::string_view k) {
        const std::string lowK = config::asciiLower(k);
        std::size_t score = editDistance(lowKey, lowK);
        if (lowK.find(lowKey) != std::string::npos || lowKey.find(lowK) != std::string::npos)
            score = std::min<std::size_t>(score, 1);
        if (!equalsIgnoreCase(sec, section)) score += 2;
        if (score <= std::max<std::size_t>(3, lowKey.size() / 4) + 2) {
            std::string text = "[" + std::string(sec) + "] " + std::string(k);
            const bool seen =
                std::any_of(found.begin(), found.end(), [&](const Candidate& c) { return c.text == text; });
            if (!seen) found.push_back({score, std::move(text)});
        }
    };
    const bool variation = variationOf(section).has_value();
    for (const config::TableDef& def : Catalogue::instance().tables()) {
        if (def.kind == config::TableKind::Variation && def.variation != 0) continue;
        const std::string sec = def.kind == config::TableKind::Variation && variation ? section : def.section;
        for (const config::RowDef& r : def.fixedRows)
            consider(sec, r.key);
        for (const config::FamilyDef& f : def.families)
            consider(sec, std::string(f.keyPrefix) + "0");
    }
    consider(variation ? section : "fltsim.0", config::kDescriptionKey);
    consider(config::kGeneralSection, config::kPerformanceKey);
    std::stable_sort(found.begin(), found.end(),
                     [](const Candidate& a, const Candidate& b) { return a.score < b.score; });
    std::vector<std::string> out;
    for (std::size_t i = 0; i < found.size() && i < 6; ++i)
        out.push_back(found[i].text);
    return out;
}

std::optional<std::string> setCatalogueValue(config::AircraftModel& model, const std::string& section,
                                             const std::string& key, std::string value) {
    const auto variation = variationOf(section);
    if (variation) {
        const auto& list = model.variationList();
        if (std::find(list.begin(), list.end(), *variation) == list.end())
            return "[" + section + "] is not a variation of this aircraft.";
        // The window writes a variation only once its table has been filled.
        if (model.variationTable(*variation).empty()) model.loadVariationTable(*variation);
        if (equalsIgnoreCase(key, config::kDescriptionKey)) {
            model.record(*variation).description = std::move(value);
            return std::nullopt;
        }
    }
    if (equalsIgnoreCase(section, config::kGeneralSection) &&
        equalsIgnoreCase(key, config::kPerformanceKey)) {
        model.performance = std::move(value);
        return std::nullopt;
    }
    const auto refs = Catalogue::instance().findKey(section, key);
    if (refs.empty()) {
        // Only an unknown key gets suggestions; other refusals concern a key that exists.
        std::string message = "[" + section + "] " + key + " is not a key of any table.";
        const auto near = nearMatches(section, key);
        if (!near.empty()) message += "\nDid you mean:";
        for (const std::string& n : near)
            message += "\n  " + n;
        return message;
    }
    for (const config::RowRef& ref : refs) {
        config::SectionTable& table = model.table(*ref.table);
        if (table.empty() && ref.table->kind == config::TableKind::Flaps)
            return "[" + section + "] is not in this aircraft.cfg, so its table is not written.";
        if (ref.fixedRow >= 0) {
            model.setValue(table, static_cast<std::size_t>(ref.fixedRow), value);
            continue;
        }
        const config::FamilyDef& family = ref.table->families[static_cast<std::size_t>(ref.family)];
        const int number = *config::familyNumber(key, family.keyPrefix);
        const std::string canonical = std::string(family.keyPrefix) + std::to_string(number);
        const auto row = std::find_if(table.rows.begin(), table.rows.end(), [&](const config::Row& r) {
            return equalsIgnoreCase(r.key, canonical);
        });
        if (row != table.rows.end()) {
            model.setValue(table, static_cast<std::size_t>(row - table.rows.begin()), value);
        } else {
            table.rows.push_back(config::Row{std::string(family.captionPrefix) + std::to_string(number + 1),
                                             value, canonical, ref.family, number});
            model.unsavedChanges = true;
        }
    }
    return std::nullopt;
}

} // namespace rivetbench::cli
