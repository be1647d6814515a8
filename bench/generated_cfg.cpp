#include "bench/generated_cfg.h"

#include "editor/config/catalogue.h"
#include "editor/config/profile_document.h"

#include <cstdint>
#include <cstdio>
#include <set>
#include <string_view>
#include <vector>

namespace rivetbench::bench {
namespace {

using config::Catalogue;
using config::FamilyDef;
using config::RowDef;
using config::TableDef;

// Our own generator rather than <random>: its distributions differ between standard libraries,
// and the file must be the same everywhere.
class Lcg {
  public:
    int below(int n) {
        state_ = state_ * 1664525u + 1013904223u;
        return static_cast<int>((state_ >> 8) % static_cast<std::uint32_t>(n));
    }
    // A value in [lo, hi) with the given number of decimals.
    std::string number(double lo, double hi, int decimals) {
        const double v = lo + (hi - lo) * below(100000) / 100000.0;
        char buf[32];
        std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
        return buf;
    }
    std::string triple(double range) {
        return number(-range, range, 2) + ", " + number(-range / 4, range / 4, 2) + ", " +
               number(-range / 2, range / 2, 2);
    }

  private:
    std::uint32_t state_ = 20240917u;
};

class Writer {
  public:
    explicit Writer(std::string& out) : out_(out) {}
    void line(std::string_view text) {
        out_ += text;
        out_ += "\r\n";
    }
    void header(std::string_view section) {
        out_ += '[';
        out_ += section;
        out_ += "]\r\n";
    }
    // Every seventh key carries an inline comment, in either style files use.
    void key(std::string_view name, std::string_view value) {
        out_ += name;
        out_ += '=';
        out_ += value;
        if (++keys_ % 7 == 0) out_ += keys_ % 2 ? "  ; checked against the handbook" : "  // tuned in flight";
        out_ += "\r\n";
    }

  private:
    std::string& out_;
    unsigned keys_ = 0;
};

// Windows-1252 bytes: é, en dash, degree sign, copyright sign.
constexpr std::string_view kEAcute = "\xE9";
constexpr std::string_view kEnDash = "\x96";
constexpr std::string_view kDegree = "\xB0";
constexpr std::string_view kCopyright = "\xA9";

std::string description(int variation, Lcg& rng) {
    const std::string sentences[] = {
        "The R-20 Pelican is a rugged high-wing utility aircraft built for short, rough strips.",
        "Its single turboprop gives a steady climb even at maximum take-off weight.",
        "This livery was painted for the A" + std::string(kEAcute) + "ro-Club of the northern lakes.",
        "Recommended cruise is 160 KTAS at 10,000 ft with the outside air at -5" + std::string(kDegree) +
            "C.",
        "Flaps extend in three stages " + std::string(kEnDash) + " 10, 20 and 30 degrees " +
            std::string(kEnDash) + " and the stall warning sounds about five knots before the break.",
        "The cabin seats nine passengers or carries up to 3,300 lb of cargo on the flat floor.",
        "Paint and textures " + std::string(kCopyright) + " Rivetbench, for benchmarking only.",
        "Start the engine with the fuel condition lever at cut-off and advance it once Ng passes 12 %.",
    };
    std::string text = "Variation " + std::to_string(variation) + ".";
    for (int i = 0; i < 14; ++i) {
        text += i % 4 == 3 ? "\\n\\n" : " ";
        text += sentences[rng.below(static_cast<int>(std::size(sentences)))];
    }
    return text;
}

std::string variationValue(std::string_view key, int n, Lcg& rng) {
    const std::string num = std::to_string(n);
    if (key == "title") return "Rivet R-20 Pelican Livery " + num;
    if (key == "ui_type") return "R-20 Pelican";
    if (key == "ui_manufacturer") return "Rivet A" + std::string(kEAcute) + "ronautique";
    if (key == "ui_variation") return "\"Livery " + num + "\"";
    if (key == "ui_typerole") return "Single Engine Prop";
    if (key == "ui_createdby") return "Rivetbench " + std::string(kEnDash) + " generated";
    if (key == "sim") return "RivetPelican";
    if (key == "model" || key == "panel" || key == "sound") return n % 3 ? "" : "float";
    if (key == "texture") return num;
    if (key == "kb_checklists") return "RivetPelican_check";
    if (key == "kb_reference") return "RivetPelican_ref";
    if (key == "atc_id") return "N" + std::to_string(200 + n) + "RP";
    if (key == "atc_id_colour") return "0xffffffff";
    if (key == "atc_model") return "RP20";
    if (key == "atc_parking_types") return "RAMP,CARGO";
    if (key == "atc_heavy") return "0";
    if (key == "atc_airline") return n % 2 ? "LAKEAIR" : "";
    if (key == "atc_flight_number") return std::to_string(100 + n * 7);
    if (key == "visual_damage") return "1";
    if (key == "prop_anim_ratio") return rng.number(0.5, 2.0, 2);
    return "";
}

std::string fixedValue(std::string_view key, Lcg& rng) {
    if (key == "atc_type") return "RIVET";
    if (key == "atc_model") return "RP20";
    if (key == "category") return "airplane";
    if (key == "type") return std::to_string(1 + rng.below(2)); // trailing or leading edge flaps
    if (key.find("type") != std::string_view::npos) return std::to_string(rng.below(3));
    switch (rng.below(4)) {
    case 0:
        return std::to_string(rng.below(2));
    case 1:
        return rng.number(0, 400, 1);
    case 2:
        return rng.number(0, 2, 3);
    default:
        return rng.triple(20);
    }
}

std::string memberValue(std::string_view prefix, int n, Lcg& rng) {
    if (prefix == "light.") return std::to_string(1 + rng.below(9)) + ", " + rng.triple(30) + ", fx_navred";
    if (prefix == "point.")
        return "1, " + rng.triple(20) + ", 1600, 0, 0.68, " + rng.number(0, 80, 1) +
               ", 0.50, 2.5, 0.80, 4.0, 4.0, " + std::to_string(n % 3) + ", 200.0, 250.0";
    if (prefix == "engine." || prefix == "propeller.") return rng.triple(15);
    if (prefix == config::kThrustAngleS) return rng.number(-3, 3, 1) + ", " + rng.number(-3, 3, 1);
    if (prefix == "exit.") return rng.number(0.2, 0.6, 2) + ", " + std::to_string(n % 4);
    if (prefix == "flaps-position.") return std::to_string(n * 5) + ", " + rng.number(0, 2000, 0);
    if (prefix == "smoke.") return rng.triple(10) + ", fx_smoke_w";
    return std::to_string(rng.below(3)) + ", " + rng.number(0, 2, 2); // instruments: system, scalar
}

// The tables that share a section ([autopilot] has six) are written as one section.
struct SectionPlan {
    std::string name;
    std::vector<const TableDef*> tables;
};

std::vector<SectionPlan> sectionPlans() {
    std::vector<SectionPlan> plans;
    for (const TableDef& def : Catalogue::instance().singleSectionTables()) {
        SectionPlan* plan = nullptr;
        for (SectionPlan& p : plans)
            if (config::equalsIgnoreCase(p.name, def.section)) plan = &p;
        if (!plan) plan = &plans.emplace_back(SectionPlan{def.section, {}});
        plan->tables.push_back(&def);
    }
    return plans;
}

void writeSection(Writer& w, const SectionPlan& plan, int ordinal, Lcg& rng) {
    w.line(ordinal % 2 ? "; ---- " + plan.name + " ----" : "//---- " + plan.name + " ----");
    w.header(plan.name);
    std::set<std::string> written; // lower-case keys, as the same key may be in two tables
    for (const TableDef* def : plan.tables)
        for (const RowDef& row : def->fixedRows)
            if (written.insert(config::asciiLower(row.key)).second) w.key(row.key, fixedValue(row.key, rng));
    if (plan.name == config::kGeneralSection)
        w.key(config::kPerformanceKey, "Cruise 160 KTAS\\nRange 900 NM\\nCeiling 25,000 ft");
    for (const TableDef* def : plan.tables) {
        for (const FamilyDef& family : def->families) {
            // Files use one thrust-angle spelling; the other is only shown when the first is absent.
            if (family.keyPrefix == config::kThrustAngle) continue;
            const int members = 10 + rng.below(11);
            for (int n = 0; n < members; ++n)
                w.key(std::string(family.keyPrefix) + std::to_string(n),
                      memberValue(family.keyPrefix, n, rng));
        }
    }
    w.line("");
}

void writeUnknownSection(Writer& w, std::string_view name, int keys, Lcg& rng) {
    w.line("; Settings of a third-party gauge, kept untouched by the editor");
    w.header(name);
    for (int k = 0; k < keys; ++k)
        w.key("param_" + std::to_string(k), std::to_string(rng.below(1000)) + ", " + rng.triple(50));
    w.line("");
}

} // namespace

std::string generateCfg(std::size_t targetBytes) {
    std::string out;
    out.reserve(targetBytes + 8192);
    Writer w(out);
    Lcg rng;
    w.line("; ==========================================================================");
    w.line(";  Rivet R-20 Pelican " + std::string(kEnDash) + " generated for Rivetbench benchmarks");
    w.line("; ==========================================================================");
    w.line("");

    const auto rows = config::variationRows();
    for (int n = 0; n < Catalogue::kVariations; ++n) {
        w.header("fltsim." + std::to_string(n));
        for (const RowDef& row : rows) {
            w.key(row.key, variationValue(row.key, n, rng));
            if (row.key == "ui_createdby") w.key(config::kDescriptionKey, description(n, rng));
        }
        w.line("");
    }

    const std::vector<SectionPlan> plans = sectionPlans();
    for (std::size_t i = 0; i < plans.size(); ++i) {
        writeSection(w, plans[i], static_cast<int>(i), rng);
        if (i % 10 == 5) writeUnknownSection(w, "RivetGauge_" + std::to_string(i), 60, rng);
    }

    for (int i = 0; out.size() < targetBytes; ++i)
        writeUnknownSection(w, "RivetPadding." + std::to_string(i), 50, rng);
    return out;
}

std::string generateLargeCfg() {
    return generateCfg(300 * 1024);
}

} // namespace rivetbench::bench
