#include "cli/aircraft_source.h"
#include "cli/commands.h"
#include "cli/json_writer.h"

#include <algorithm>
#include <iostream>

namespace rivetbench::cli {
namespace {

using config::AircraftModel;
using config::FolderStatus;
using config::SectionTable;

// The tables in tree order: one variation table per variation read, then the 52 others.
template <typename Visit> void forEachShownTable(AircraftModel& model, Visit visit) {
    for (const int n : model.variationList()) {
        model.loadVariationTable(n);
        visit(model.variationTable(n));
    }
    for (const SectionTable& t : model.tables().subspan(config::Catalogue::kVariations))
        visit(t);
}

std::string shownCaption(const SectionTable& t) {
    return t.def->kind == config::TableKind::Flaps ? t.panelCaption : std::string(t.def->panelCaption);
}

void printJson(LoadedAircraft& a) {
    const FolderStatus& st = a.status;
    auto u = [&](std::string_view s) { return config::toUtf8(s, st.encoding); };
    JsonWriter w;
    w.beginObject();
    w.key("file"), w.value(st.cfgPath.string());
    w.key("found"), w.value(st.found);
    w.key("encoding");
    w.value(st.encoding == config::TextEncoding::Ansi      ? "windows-1252"
            : st.encoding == config::TextEncoding::Utf8Bom ? "utf-8-bom"
                                                           : "utf-16le-bom");
    w.key("status");
    w.beginObject();
    w.key("title"), w.value(u(st.title));
    w.key("manufacturer"), w.value(u(st.manufacturer));
    w.key("air_file"), w.value(u(st.airFile));
    w.key("variations"), w.value(st.variations);
    w.key("original"), w.value(st.original);
    w.key("kbx"), w.value(st.kbx);
    w.key("thumbnail"), w.value(st.thumbnail.string());
    w.key("config_path_label"), w.value(st.cfgPathLabel);
    w.endObject();
    w.key("variations");
    w.beginArray();
    const auto& list = a.model.variationList();
    for (std::size_t k = 0; k < list.size(); ++k) {
        const config::VariationRecord& r = a.model.record(list[k]);
        w.beginObject();
        w.key("position"), w.value(static_cast<int>(k));
        w.key("section"), w.value("fltsim." + std::to_string(list[k]));
        w.key("title"), w.value(u(r.values[0]));
        w.key("description"), w.value(u(r.description));
        w.endObject();
    }
    w.endArray();
    w.key("performance"), w.value(u(a.model.performance));
    w.key("tables");
    w.beginArray();
    forEachShownTable(a.model, [&](const SectionTable& t) {
        w.beginObject();
        w.key("table"), w.value(t.def->name);
        w.key("section"), w.value(t.def->section);
        w.key("node"), w.value(t.def->node);
        w.key("caption"), w.value(shownCaption(t));
        w.key("rows");
        w.beginArray();
        for (const config::Row& r : t.rows) {
            w.beginObject();
            w.key("caption"), w.value(r.caption);
            w.key("key"), w.value(u(r.key));
            w.key("value"), w.value(u(r.value));
            w.endObject();
        }
        w.endArray();
        w.endObject();
    });
    w.endArray();
    w.endObject();
    std::cout << w.str() << "\n";
}

void printText(LoadedAircraft& a) {
    const FolderStatus& st = a.status;
    auto u = [&](std::string_view s) { return config::toUtf8(s, st.encoding); };
    std::cout << "File:          " << st.cfgPathLabel << "\n"
              << "Title:        " << u(st.title) << "\n"
              << "Manufacturer: " << u(st.manufacturer) << "\n"
              << "Air file:     " << u(st.airFile) << "\n"
              << "Variations:    " << st.variations << "\n"
              << "Original:      " << st.original << "\n"
              << "Loadwright:    " << (st.kbx ? "aircraft.kbx present" : "-") << "\n"
              << "Thumbnail:     " << st.thumbnail.string() << "\n\n";

    std::cout << "Variation list " << a.model.versionNumberLabel() << ":\n";
    const auto& list = a.model.variationList();
    for (std::size_t k = 0; k < list.size(); ++k) {
        const config::VariationRecord& r = a.model.record(list[k]);
        std::cout << "  " << k << "  [fltsim." << list[k] << "]  " << u(r.values[0]) << "\n"
                  << "     description: " << u(r.description) << "\n";
    }
    std::cout << "\nPerformance: " << u(a.model.performance) << "\n";

    forEachShownTable(a.model, [&](const SectionTable& t) {
        std::cout << "\n"
                  << t.def->node << "  " << shownCaption(t) << "  " << t.def->name << "  [" << t.def->section
                  << "]" << (t.empty() ? "  (empty)" : "") << "\n";
        std::size_t width = 0;
        for (const config::Row& r : t.rows)
            width = std::max(width, r.caption.size() + r.key.size());
        for (const config::Row& r : t.rows) {
            std::cout << "  " << r.caption << " (" << u(r.key) << ")"
                      << std::string(width - r.caption.size() - r.key.size() + 1, ' ') << "= " << u(r.value)
                      << "\n";
        }
    });
}

} // namespace

int runShow(const Args& args) {
    if (args.positional.size() != 2) {
        std::cerr << "usage: rivetbench-cfg show FOLDER [--json]\n";
        return kExitBadInput;
    }
    auto loaded = loadAircraft(args.positional[1], false);
    if (!loaded) return kExitBadInput;
    if (args.json)
        printJson(*loaded);
    else
        printText(*loaded);
    return kExitOk;
}

int runGet(const Args& args) {
    if (args.positional.size() != 4) {
        std::cerr << "usage: rivetbench-cfg get FOLDER SECTION KEY\n";
        return kExitBadInput;
    }
    auto loaded = loadAircraft(args.positional[1], true);
    if (!loaded) return kExitBadInput;
    const auto value = loaded->document.value(args.positional[2], args.positional[3]);
    if (!value) return kExitAbsent;
    // Raw bytes, as the profile read gives them; UTF-16 files come out in UTF-8.
    std::cout.write(value->data(), static_cast<std::streamsize>(value->size()));
    std::cout << "\n";
    return kExitOk;
}

} // namespace rivetbench::cli
