#pragma once

#include "editor/config/catalogue.h"

#include <span>
#include <string_view>

// Raw catalogue data; Catalogue builds its tables from it once.
namespace rivetbench::config::data {

struct SingleTable {
    std::string_view name;
    std::string_view section;
    std::string_view node;
    std::string_view panel;
    std::string_view panelCaption;
    int parameterWidth;
    int valueWidth;
    TableKind kind;
    std::span<const RowDef> rows;
    std::span<const FamilyDef> families;
    int flaps;
};

extern const std::span<const RowDef> variationRows;
extern const std::span<const SingleTable> singleTableList; // tree order
extern const std::span<const std::string_view> writeOrder; // single-section tables
extern const std::span<const TreeNode> treeNodes;

} // namespace rivetbench::config::data
