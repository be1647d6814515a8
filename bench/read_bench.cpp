// How fast an aircraft.cfg is parsed, read into the editor's tables and written back.
#include "bench/generated_cfg.h"
#include "editor/config/aircraft_model.h"
#include "editor/config/cfg_reader.h"
#include "editor/config/file_io.h"
#include "editor/config/profile_document.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdint>
#include <string>
#include <thread>

namespace {

using rivetbench::config::AircraftModel;
using rivetbench::config::ProfileDocument;

// The bundled sample may be written while the benchmarks start, so give it a few seconds.
const std::string* sampleBytes() {
    static const std::string bytes = [] {
        for (int attempt = 0; attempt < 10; ++attempt) {
            auto read = rivetbench::config::readFileBytes(RIVETBENCH_SAMPLE_DIR "/aircraft.cfg");
            if (read.ok && !read.bytes.empty()) return read.bytes;
            std::this_thread::sleep_for(std::chrono::seconds(1));
        }
        return std::string();
    }();
    return bytes.empty() ? nullptr : &bytes;
}

const std::string& largeBytes() {
    static const std::string bytes = rivetbench::bench::generateLargeCfg();
    return bytes;
}

const std::string& tenMegabyteBytes() {
    static const std::string bytes = rivetbench::bench::generateCfg(10 * 1024 * 1024);
    return bytes;
}

void setBytes(benchmark::State& state, const std::string& bytes) {
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
    state.counters["file_bytes"] = static_cast<double>(bytes.size());
}

// The new document replaces the previous one, as when Rivetbench reopens a file. Destroying it
// before the next parse instead lets glibc hand the heap back to the system each time, and a 10 MB
// parse then spends about half its time in page faults.
void parse(benchmark::State& state, const std::string& bytes) {
    ProfileDocument doc;
    for (auto _ : state) {
        doc = ProfileDocument::fromBytes(bytes);
        benchmark::DoNotOptimize(doc);
    }
    setBytes(state, bytes);
}

// The editor keeps one model and reads each file into it, so the model outlives the loop.
void read(benchmark::State& state, const std::string& bytes) {
    ProfileDocument doc;
    AircraftModel model;
    for (auto _ : state) {
        doc = ProfileDocument::fromBytes(bytes);
        rivetbench::config::ReadCfg(doc, model);
        benchmark::DoNotOptimize(model);
    }
    setBytes(state, bytes);
}

void BM_ParseSample(benchmark::State& state) {
    if (const std::string* bytes = sampleBytes())
        parse(state, *bytes);
    else
        state.SkipWithError("samples/aircraft/aircraft.cfg is missing");
}

void BM_ParseLarge(benchmark::State& state) {
    parse(state, largeBytes());
}
void BM_Parse10MB(benchmark::State& state) {
    parse(state, tenMegabyteBytes());
}

void BM_ReadSample(benchmark::State& state) {
    if (const std::string* bytes = sampleBytes())
        read(state, *bytes);
    else
        state.SkipWithError("samples/aircraft/aircraft.cfg is missing");
}

void BM_ReadLarge(benchmark::State& state) {
    read(state, largeBytes());
}
void BM_Read10MB(benchmark::State& state) {
    read(state, tenMegabyteBytes());
}

// A read followed by a look at every variation in the list, as a user paging through them.
void BM_ReadLargeAllVariations(benchmark::State& state) {
    const std::string& bytes = largeBytes();
    ProfileDocument doc;
    AircraftModel model;
    for (auto _ : state) {
        doc = ProfileDocument::fromBytes(bytes);
        rivetbench::config::ReadCfg(doc, model);
        const int count = static_cast<int>(model.variationList().size());
        for (int k = 0; k < count; ++k)
            model.chooseVariation(k);
        benchmark::DoNotOptimize(model);
    }
    setBytes(state, bytes);
}

// An unmodified document hands back its original bytes, so one value is changed first.
void BM_SerializeLarge(benchmark::State& state) {
    ProfileDocument doc = ProfileDocument::fromBytes(largeBytes());
    doc.writeString("fltsim.0", "title", "Rivet R-20 Pelican Livery 0 (edited)");
    std::string out;
    for (auto _ : state) {
        out = doc.toBytes();
        benchmark::DoNotOptimize(out);
    }
    setBytes(state, out);
}

BENCHMARK(BM_ParseSample);
BENCHMARK(BM_ParseLarge);
BENCHMARK(BM_Parse10MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadSample);
BENCHMARK(BM_ReadLarge)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Read10MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadLargeAllVariations)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SerializeLarge)->Unit(benchmark::kMillisecond);

} // namespace
