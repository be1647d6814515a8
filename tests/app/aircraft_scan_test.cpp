#include "editor/app/aircraft_scan.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <stop_token>
#include <utility>

namespace fs = std::filesystem;
using namespace rivetbench::app;

namespace {

std::string cfg(const std::string& title) {
    return "[fltsim.0]\r\ntitle=" + title + "\r\nsim=x\r\n";
}

std::string utf16leWithBom(std::u16string_view text) {
    std::string bytes = "\xff\xfe";
    for (const char16_t c : text) {
        bytes += static_cast<char>(c & 0xff);
        bytes += static_cast<char>(c >> 8);
    }
    return bytes;
}

class AircraftScan : public ::testing::Test {
  protected:
    fs::path sim = fs::temp_directory_path() / ("rivetbench-scan-" + std::to_string(std::random_device{}()));
    fs::path planes = sim / "simobjects" / "Airplanes";
    fs::path rotors = sim / "simobjects" / "ROTORCRAFT";

    void SetUp() override {
        put(planes / "Beech_Baron" / "aircraft.cfg", cfg("Beech Baron 58"));
        put(planes / "cafe" / "Aircraft.cfg", cfg(" Caf\xe9 Racer ")); // Windows-1252, padded
        put(planes / "Blank" / "aircraft.cfg", cfg("  "));
        put(planes / "Jet" / "AIRCRAFT.CFG", utf16leWithBom(u"[fltsim.0]\r\ntitle=\u00dcnicode Jet\r\n"));
        put(planes / "b_twin" / "aircraft.cfg", cfg("Twin Otter"));
        put(planes / "a_twin" / "aircraft.cfg", cfg("Twin Otter"));
        put(planes / "NoCfg" / "texture" / "thumbnail.jpg", "");
        fs::create_directories(planes / "CfgIsFolder" / "aircraft.cfg");
        put(planes / "stray.cfg", cfg("Not a folder"));
        put(rotors / "Bell_206" / "aircraft.cfg", cfg("bell 206B"));
        put(sim / "simobjects" / "Boats" / "Ferry" / "aircraft.cfg", cfg("Ferry"));
    }
    void TearDown() override { fs::remove_all(sim); }

    static void put(const fs::path& p, const std::string& bytes) {
        fs::create_directories(p.parent_path());
        std::ofstream(p, std::ios::binary) << bytes;
    }
};

TEST_F(AircraftScan, ListsAirplanesAndRotorcraftSortedByTitle) {
    const std::vector<AircraftEntry> expected = {
        {planes / "Beech_Baron", "Beech Baron 58", "Airplanes"},
        {rotors / "Bell_206", "bell 206B", "ROTORCRAFT"},
        {planes / "Blank", "Blank", "Airplanes"},
        {planes / "cafe", "Caf\u00e9 Racer", "Airplanes"},
        {planes / "a_twin", "Twin Otter", "Airplanes"},
        {planes / "b_twin", "Twin Otter", "Airplanes"},
        {planes / "Jet", "\u00dcnicode Jet", "Airplanes"},
    };
    const auto found = scanAircraft(sim);
    ASSERT_EQ(found.size(), expected.size());
    for (std::size_t i = 0; i < found.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(found[i].folder, expected[i].folder);
        EXPECT_EQ(found[i].title, expected[i].title);
        EXPECT_EQ(found[i].category, expected[i].category);
    }
}

TEST_F(AircraftScan, ReportsProgressUpToTheTotal) {
    std::vector<std::pair<std::size_t, std::size_t>> calls;
    scanAircraft(sim, {}, [&](std::size_t done, std::size_t total) { calls.emplace_back(done, total); });
    ASSERT_EQ(calls.size(), 9u); // every folder is a candidate, with or without a cfg
    for (std::size_t i = 0; i < calls.size(); ++i)
        EXPECT_EQ(calls[i], std::make_pair(i + 1, calls.size()));
}

TEST_F(AircraftScan, StopEndsTheScanWithWhatWasFound) {
    std::stop_source stop;
    stop.request_stop();
    int calls = 0;
    EXPECT_TRUE(scanAircraft(sim, stop.get_token(), [&](std::size_t, std::size_t) { ++calls; }).empty());
    EXPECT_EQ(calls, 0);

    std::stop_source later;
    calls = 0;
    const auto some = scanAircraft(sim, later.get_token(), [&](std::size_t, std::size_t) {
        if (++calls == 3) later.request_stop();
    });
    EXPECT_EQ(calls, 3);
    EXPECT_LE(some.size(), 3u);
}

TEST_F(AircraftScan, OversizedCfgShowsTheFolderName) {
    const fs::path huge = planes / "Huge" / "aircraft.cfg";
    put(huge, cfg("Huge Title"));
    fs::resize_file(huge, 17u * 1024 * 1024);
    bool seen = false;
    for (const auto& a : scanAircraft(sim)) {
        if (a.folder != planes / "Huge") continue;
        seen = true;
        EXPECT_EQ(a.title, "Huge");
    }
    EXPECT_TRUE(seen);
}

TEST_F(AircraftScan, NoSimObjectsFindsNothing) {
    EXPECT_TRUE(scanAircraft(sim / "simobjects").empty());
    EXPECT_TRUE(scanAircraft(sim / "missing").empty());
}

} // namespace
