#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace rivetbench::config {

// A row that is always present: one named key of the table's section.
struct RowDef {
    std::string_view caption;
    std::string_view key;
    std::string_view writeKey; // the spelling a write of a missing key uses
};

// Keys made of a prefix ending in '.' and a decimal number, shown as caption prefix + (number + 1).
struct FamilyDef {
    std::string_view keyPrefix;
    std::string_view captionPrefix;
};

enum class TableKind {
    Variation,    // lvMainAircraft_N, filled from its variation record when chosen
    Fixed,        // fixed rows only
    WithFamilies, // fixed rows, then indexed families
    FamiliesOnly,
    Flaps, // fixed rows and a family, filled only when the section exists
};

struct TableDef {
    std::string name;              // lvFuel, lvMainAircraft_7
    std::string section;           // as a write of a missing section spells it
    std::string_view node;         // tree text of the node that shows the table
    std::string_view panel;        // pnlFuel
    std::string_view panelCaption; // "Fuel:" as designed
    int parameterWidth = 180;
    int valueWidth = 110;
    TableKind kind = TableKind::Fixed;
    std::span<const RowDef> fixedRows;
    std::span<const FamilyDef> families;
    int variation = -1; // N of [fltsim.N] for variation tables
    int flaps = -1;     // K of [flaps.K] for flap tables
};

// One node of the navigation tree below the root; index counts depth-first from the root (0).
struct TreeNode {
    int index;
    std::string_view text;
    int parent; // 0 for top-level nodes
    std::string_view panel;
    std::string_view groupCaption;
    std::string_view table; // empty for the description panel; lvMainAircraft_0 for [Main]
};

struct RowRef {
    const TableDef* table = nullptr;
    int fixedRow = -1; // position among the fixed rows, or -1
    int family = -1;   // family position, or -1
};

class Catalogue {
  public:
    static constexpr int kVariations = 60;
    static constexpr int kTables = 112;
    static constexpr int kTreeNodes = 54;

    static const Catalogue& instance();

    // All 112 tables in navigation-tree order: the 60 variation tables come first.
    std::span<const TableDef> tables() const { return tables_; }
    const TableDef& variationTable(int n) const { return tables_[static_cast<std::size_t>(n)]; }
    std::span<const TableDef> singleSectionTables() const { return std::span(tables_).subspan(kVariations); }
    const TableDef* table(std::string_view name) const;
    int tableIndex(const TableDef& def) const;

    // The order in which a save writes the tables, so that new sections land in that order.
    std::span<const TableDef* const> writeOrder() const { return writeOrder_; }

    std::span<const TreeNode> treeNodes() const;
    std::string_view rootText() const { return "Aircraft.Cfg"; }

    // The row a caption stands for (first table in tree order when captions repeat); family
    // captions resolve by their prefix and number.
    std::optional<RowRef> findCaption(std::string_view caption) const;

    // Every place a key of a section is shown: fixed rows and family members. Sections and keys
    // match without regard to case; fltsim.N and flaps.K resolve to their own tables.
    std::vector<RowRef> findKey(std::string_view section, std::string_view key) const;

  private:
    Catalogue();
    std::vector<TableDef> tables_;
    std::vector<const TableDef*> writeOrder_;
};

// The variation rows shared by all 60 variation tables; the description is a text-box key.
std::span<const RowDef> variationRows();
inline constexpr std::string_view kDescriptionKey = "description";
inline constexpr std::string_view kPerformanceKey = "performance";
inline constexpr std::string_view kGeneralSection = "General";
inline constexpr std::string_view kGeneralEngineSection = "GeneralEngineData";
inline constexpr std::string_view kThrustAngleS = "thrustanglespitchheading.";
inline constexpr std::string_view kThrustAngle = "thrustanglepitchheading.";

// Parses "<prefix><decimal>" as Windows would look the key up: the number without leading zeros.
std::optional<int> familyNumber(std::string_view key, std::string_view prefix);

} // namespace rivetbench::config
