// How long the window takes from nothing to shown with an aircraft read: the environment, the
// main window with its 54 panels and 112 tables, the settings, the folder read and the first paint.
#include "bench/generated_cfg.h"
#include "editor/app/app_environment.h"
#include "editor/app/tfrm_main.h"
#include "editor/platform/no_platform.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;
using namespace rivetbench;
using bench::generateLargeCfg;

void write(const fs::path& p, const std::string& bytes) {
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << bytes;
}

// One start: a program folder whose settings name an aircraft holding `cfg`.
void startWindow(benchmark::State& state, const std::string& cfg) {
    QTemporaryDir temp;
    const fs::path root = temp.path().toStdString();
    write(root / "aircraft" / "aircraft.cfg", cfg);
    write(root / "program" / "Rivetbench.ini",
          "[GenSettings]\r\nLastCfg=" + (root / "aircraft").string() + "\r\n");
    auto once = [&] {
        auto env = app::AppEnvironment::create(root / "program", root / "config", root / "data",
                                               std::make_unique<platform::EmptyRegistry>(),
                                               std::make_unique<platform::LocalPaths>());
        app::TfrmMain window(*env);
        window.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.grab()); // the first paint
    };
    once(); // fonts and styles load on the first window of a process, not at every start
    for (auto _ : state)
        once();
    state.SetLabel(std::to_string(cfg.size() / 1024) + " KB aircraft.cfg");
}

std::string sampleCfg() {
    std::ifstream in(RIVETBENCH_SAMPLE_DIR "/aircraft.cfg", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void BM_StartupSampleAircraft(benchmark::State& state) {
    startWindow(state, sampleCfg());
}
void BM_StartupLargeAircraft(benchmark::State& state) {
    startWindow(state, generateLargeCfg());
}

BENCHMARK(BM_StartupSampleAircraft)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartupLargeAircraft)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
