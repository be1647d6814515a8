#include "editor/config/catalogue.h"

#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>

using namespace rivetbench::config;

namespace {
const Catalogue& cat() {
    return Catalogue::instance();
}
} // namespace

TEST(Catalogue, TablesAndTreeHangTogether) {
    ASSERT_EQ(cat().tables().size(), std::size_t{Catalogue::kTables});
    std::set<std::string> names;
    for (const TableDef& def : cat().tables()) {
        EXPECT_TRUE(names.insert(def.name).second) << def.name;
        EXPECT_EQ(cat().table(def.name), &def);
    }
    for (int n = 0; n < Catalogue::kVariations; ++n) {
        const TableDef& def = cat().variationTable(n);
        EXPECT_EQ(def.kind, TableKind::Variation);
        EXPECT_EQ(def.section, "fltsim." + std::to_string(n));
        EXPECT_EQ(def.fixedRows.size(), 22u);
    }
    for (const TableDef& def : cat().singleSectionTables())
        EXPECT_NE(def.kind, TableKind::Variation) << def.name;

    const auto nodes = cat().treeNodes();
    ASSERT_EQ(nodes.size(), std::size_t{Catalogue::kTreeNodes});
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        EXPECT_EQ(nodes[i].index, static_cast<int>(i) + 1);
        EXPECT_LT(nodes[i].parent, nodes[i].index); // a parent comes before its children
        if (!nodes[i].table.empty()) {
            EXPECT_NE(cat().table(nodes[i].table), nullptr) << nodes[i].table;
        }
    }

    std::map<const TableDef*, int> written;
    for (const TableDef* def : cat().writeOrder())
        ++written[def];
    EXPECT_EQ(written.size(), std::size_t{Catalogue::kTables});
    EXPECT_EQ(written.count(nullptr), 0u);
    for (const auto& [def, times] : written)
        EXPECT_EQ(times, 1) << (def ? def->name : "null");
}

TEST(Catalogue, CaptionsResolve) {
    for (const TableDef& def : cat().tables()) {
        for (const RowDef& row : def.fixedRows) {
            const auto ref = cat().findCaption(row.caption);
            ASSERT_TRUE(ref) << row.caption;
            ASSERT_GE(ref->fixedRow, 0) << row.caption;
            EXPECT_EQ(ref->table->fixedRows[static_cast<std::size_t>(ref->fixedRow)].caption, row.caption);
        }
    }
    const struct {
        const char* caption;
        const char* table;
        int family;
    } families[] = {
        {"Light - 3", "lvLightsData", 0},          {"Light - 10", "lvLightsData", 0},
        {"Induction Compass - 1", "lvDirInd", 1},  {"Thrust Angle Engine No. 2", "lvGenEngData", 1},
        {"Flaps Position - 4", "lvFlaps0Data", 0}, {"Attitude Indicator - 2", "lvAttIndData", 0},
    };
    for (const auto& f : families) {
        const auto ref = cat().findCaption(f.caption);
        ASSERT_TRUE(ref) << f.caption;
        EXPECT_EQ(ref->table->name, f.table) << f.caption;
        EXPECT_EQ(ref->family, f.family) << f.caption;
        EXPECT_EQ(ref->fixedRow, -1) << f.caption;
    }
    for (const char* nothing : {"Light - 0", "Light - ", "Light - x", "No Such Caption"})
        EXPECT_FALSE(cat().findCaption(nothing)) << nothing;
}

TEST(Catalogue, FindKey) {
    auto one = [](std::string_view section, std::string_view key) {
        const auto refs = cat().findKey(section, key);
        EXPECT_EQ(refs.size(), 1u) << section << ' ' << key;
        return refs.empty() ? RowRef{} : refs.front();
    };
    RowRef ref = one("FUEL", "center1");
    ASSERT_NE(ref.table, nullptr);
    EXPECT_EQ(ref.table->name, "lvFuel");
    EXPECT_EQ(ref.fixedRow, 0);

    ref = one("GeneralEngineData", "thrustanglepitchheading.3");
    ASSERT_NE(ref.table, nullptr);
    EXPECT_EQ(ref.table->name, "lvGenEngData");
    EXPECT_EQ(ref.family, 2);

    ref = one("fltsim.7", "TITLE");
    ASSERT_NE(ref.table, nullptr);
    EXPECT_EQ(ref.table->name, "lvMainAircraft_7");

    ref = one("flaps.2", "flaps-position.1");
    ASSERT_NE(ref.table, nullptr);
    EXPECT_EQ(ref.table->name, "lvFlaps2Data");

    ref = one("autopilot", "max_bank"); // [autopilot] is spread over six tables
    ASSERT_NE(ref.table, nullptr);
    EXPECT_EQ(ref.table->name, "lvAPLateralData");

    EXPECT_TRUE(cat().findKey("lights", "light.05").empty());
    EXPECT_TRUE(cat().findKey("fuel", "description").empty());
    EXPECT_TRUE(cat().findKey("weight_and_balance", "empty_weight").empty());
}
