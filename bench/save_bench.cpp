// What one save of a large aircraft.cfg costs: one parse, every write on the document, one write to
// disk, against the same writes made key by key with a parse and a rewrite of the file for each,
// as the Windows profile functions do them.
#include "bench/generated_cfg.h"
#include "editor/config/aircraft_model.h"
#include "editor/config/catalogue.h"
#include "editor/config/cfg_reader.h"
#include "editor/config/file_io.h"
#include "editor/save/blank_cleanup.h"
#include "editor/save/file_store.h"
#include "editor/save/write_cfg.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <functional>

namespace {

using rivetbench::config::AircraftModel;
using rivetbench::config::ProfileDocument;
namespace fs = std::filesystem;

struct Fixture {
    std::string bytes = rivetbench::bench::generateLargeCfg();
    AircraftModel model;
    fs::path file = fs::temp_directory_path() / "rivetbench-save-bench.cfg";

    Fixture() {
        rivetbench::config::ReadCfg(ProfileDocument::fromBytes(bytes), model);
        // One edit, as a user makes before saving.
        model.setValue(*model.table("lvFuel"), 3, "-0.5, -6.0, 3.2, 30.0, 1.0");
    }
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

void writeFile(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void BM_SaveLarge(benchmark::State& state) {
    Fixture& f = fixture();
    for (auto _ : state) {
        state.PauseTiming();
        writeFile(f.file, f.bytes);
        state.ResumeTiming();
        auto doc = ProfileDocument::fromBytes(rivetbench::config::readFileBytes(f.file).bytes);
        rivetbench::save::WriteCfg(doc, f.model, true);
        if (auto failed = rivetbench::config::replaceFileAtomically(f.file, doc.toBytes()))
            state.SkipWithError(failed->c_str());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(f.bytes.size()));
}

// Each profile operation reads, parses and rewrites the whole file.
class KeyByKeyFile {
  public:
    explicit KeyByKeyFile(fs::path path) : path_(std::move(path)) {}
    void apply(const std::function<void(ProfileDocument&)>& op) {
        auto doc = ProfileDocument::fromBytes(rivetbench::config::readFileBytes(path_).bytes);
        op(doc);
        writeFile(path_, doc.toBytes());
        ++operations_;
    }
    ProfileDocument read() const {
        return ProfileDocument::fromBytes(rivetbench::config::readFileBytes(path_).bytes);
    }
    long operations() const { return operations_; }

  private:
    fs::path path_;
    long operations_ = 0;
};

void BM_SaveLargeKeyByKey(benchmark::State& state) {
    Fixture& f = fixture();
    long operations = 0;
    for (auto _ : state) {
        state.PauseTiming();
        writeFile(f.file, f.bytes);
        state.ResumeTiming();
        KeyByKeyFile file(f.file);
        const auto& cat = rivetbench::config::Catalogue::instance();
        // Every row of every written table, then the description and performance texts.
        for (const auto* def : cat.writeOrder()) {
            const auto& table = f.model.table(*def);
            if (table.empty()) continue;
            if (def->kind == rivetbench::config::TableKind::Variation)
                file.apply([&](ProfileDocument& d) {
                    d.writeString(def->section, "description", f.model.record(def->variation).description);
                });
            for (const auto& row : table.rows)
                file.apply([&](ProfileDocument& d) { d.writeString(def->section, row.key, row.value); });
        }
        file.apply([&](ProfileDocument& d) { d.writeString("General", "performance", f.model.performance); });
        // The clean-up, one deletion or erasure per rewrite.
        const ProfileDocument snapshot = file.read();
        for (const std::string& section : snapshot.readSections())
            for (const std::string& key : snapshot.readSection(section))
                if (snapshot.readString(section, key).empty())
                    file.apply([&](ProfileDocument& d) { d.deleteKey(section, key); });
        const ProfileDocument cleaned = file.read();
        for (const std::string& section : cleaned.readSections())
            if (cleaned.readSection(section).empty())
                file.apply([&](ProfileDocument& d) { d.eraseSection(section); });
        operations = file.operations();
    }
    state.counters["file_rewrites"] = static_cast<double>(operations);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(f.bytes.size()));
}

BENCHMARK(BM_SaveLarge)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveLargeKeyByKey)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
