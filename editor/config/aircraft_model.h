#pragma once

#include "editor/config/section_table.h"

#include <array>
#include <span>
#include <string>
#include <vector>

namespace rivetbench::config {

// The 22 row values and the description of one [fltsim.N].
struct VariationRecord {
    std::vector<std::string> values;
    std::string description;
};

// Everything the editor holds of one aircraft between a read and the next: the 112 tables, the
// variation records and list, the performance text and the unsaved-changes flag.
class AircraftModel {
  public:
    AircraftModel();

    std::span<SectionTable> tables() { return tables_; }
    std::span<const SectionTable> tables() const { return tables_; }
    SectionTable& table(const TableDef& def);
    const SectionTable& table(const TableDef& def) const;
    SectionTable* table(std::string_view name);
    const SectionTable* table(std::string_view name) const;
    SectionTable& variationTable(int n) { return tables_[static_cast<std::size_t>(n)]; }
    const SectionTable& variationTable(int n) const { return tables_[static_cast<std::size_t>(n)]; }

    VariationRecord& record(int n) { return records_[static_cast<std::size_t>(n)]; }
    const VariationRecord& record(int n) const { return records_[static_cast<std::size_t>(n)]; }

    // The variation list: position k shows the k-th variation read; its section number is mapped,
    // so a file with [fltsim.0] and [fltsim.2] lists two entries standing for 0 and 2.
    const std::vector<int>& variationList() const { return variationList_; }
    std::vector<std::string> variationTitles() const;
    void appendVariation(int n) { variationList_.push_back(n); }
    int chosenPosition() const { return chosen_; }
    int chosenVariation() const;
    std::string versionNumberLabel() const; // "(" count ")"

    // ClearAllListViews: empties the lists and all tables, drops unsaved edits.
    void clear();
    // cbAcftVersionChange: fills the chosen variation's table from its record and shows it.
    void chooseVariation(int position);
    // LoadMainAcftData_N
    void loadVariationTable(int n);

    // memDescription follows the chosen variation's record.
    const std::string& description() const;
    void setDescription(std::string text);

    std::string performance;
    bool unsavedChanges = false;

    // Apply of the edit dialog: one row's value. Variation rows reach the record too, so that
    // choosing the variation again keeps the edit.
    void setValue(SectionTable& table, std::size_t row, std::string value);

  private:
    std::vector<SectionTable> tables_;
    std::array<VariationRecord, 60> records_;
    std::vector<int> variationList_;
    int chosen_ = -1;
};

} // namespace rivetbench::config
