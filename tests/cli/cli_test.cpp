// Runs the built rivetbench-cfg as a user would: a subprocess with stdin on /dev/null, its output and
// exit status checked, each test in a folder of its own.

#include "editor/config/text_encoding.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <optional>
#include <set>
#include <signal.h>
#include <spawn.h>
#include <sstream>
#include <string>
#include <string_view>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

// ---------------------------------------------------------------------------------------------
// Running the tool

struct Result {
    int exitCode = -1; // -1 unless the tool exited by itself
    int signal = 0;    // the signal that ended it, if one did
    bool timedOut = false;
    std::string out;
    std::string err;
};

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const fs::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Output goes to files rather than pipes so a large output cannot stall the child.
Result runTool(const std::vector<std::string>& args, const fs::path& ioFolder) {
    const fs::path outPath = ioFolder / "stdout", errPath = ioFolder / "stderr";
    std::vector<std::string> store{RIVETBENCH_CFG_TOOL};
    store.insert(store.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : store)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, store[0].c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    Result r;
    if (spawned != 0) {
        ADD_FAILURE() << "cannot start " << store[0];
        return r;
    }
    // A hang is a failure too; a minute is far beyond any of these runs.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    int status = 0;
    while (::waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            r.timedOut = true;
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    if (WIFEXITED(status)) r.exitCode = WEXITSTATUS(status);
    if (WIFSIGNALED(status)) r.signal = WTERMSIG(status);
    r.out = readFile(outPath);
    r.err = readFile(errPath);
    return r;
}

// For a failed expectation: what the tool said.
std::string describe(const Result& r) {
    return "exit " + std::to_string(r.exitCode) + ", signal " + std::to_string(r.signal) +
           (r.timedOut ? ", timed out" : "") + "\nstdout: " + r.out.substr(0, 2000) +
           "\nstderr: " + r.err.substr(0, 2000);
}

std::size_t countOf(std::string_view text, std::string_view what) {
    std::size_t n = 0;
    for (auto at = text.find(what); at != std::string_view::npos; at = text.find(what, at + what.size()))
        ++n;
    return n;
}

std::vector<std::string> linesOf(std::string_view text) {
    std::vector<std::string> lines;
    std::istringstream in{std::string(text)};
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::set<std::string> entriesOf(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(folder))
        names.insert(e.path().filename().string());
    return names;
}

// ---------------------------------------------------------------------------------------------
// A small JSON reader: enough to check the shape of show --json, and strict about UTF-8.

struct Json {
    enum class Kind { Null, Bool, Number, String, Array, Object };
    Kind kind = Kind::Null;
    bool boolean = false;
    std::string text;               // a string's value, or a number as written
    std::vector<std::string> names; // an object's keys, in order
    std::vector<Json> items;        // an array's items, or an object's values

    const Json& operator[](std::string_view name) const {
        static const Json none;
        const auto at = std::find(names.begin(), names.end(), name);
        return at == names.end() ? none : items[static_cast<std::size_t>(at - names.begin())];
    }
    const Json& operator[](std::size_t i) const {
        static const Json none;
        return i < items.size() ? items[i] : none;
    }
};

// Length of the well-formed UTF-8 sequence at the front of S, or 0.
std::size_t utf8SequenceLength(std::string_view s) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned>(static_cast<unsigned char>(s[i])); };
    const unsigned lead = byte(0);
    std::size_t n = 0;
    unsigned lo = 0x80, hi = 0xBF;
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        n = 2;
    else if (lead == 0xE0)
        n = 3, lo = 0xA0;
    else if (lead == 0xED)
        n = 3, hi = 0x9F;
    else if (lead >= 0xE1 && lead <= 0xEF)
        n = 3;
    else if (lead == 0xF0)
        n = 4, lo = 0x90;
    else if (lead == 0xF4)
        n = 4, hi = 0x8F;
    else if (lead >= 0xF1 && lead <= 0xF3)
        n = 4;
    else
        return 0;
    if (s.size() < n || byte(1) < lo || byte(1) > hi) return 0;
    for (std::size_t i = 2; i < n; ++i)
        if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
    return n;
}

class JsonReader {
  public:
    explicit JsonReader(std::string_view in) : in_(in) {}

    // The whole input as one value, or nothing when it is not valid JSON.
    std::optional<Json> document() {
        Json v;
        if (!value(v, 0)) return std::nullopt;
        space();
        if (pos_ != in_.size()) return std::nullopt;
        return v;
    }

  private:
    bool value(Json& v, int depth) {
        space();
        if (pos_ >= in_.size() || depth > 64) return false;
        const char c = in_[pos_];
        if (c == '{' || c == '[') return container(v, depth, c == '{');
        if (c == '"') {
            v.kind = Json::Kind::String;
            return string(v.text);
        }
        if (word("true") || word("false")) {
            v.kind = Json::Kind::Bool;
            v.boolean = c == 't';
            return true;
        }
        if (word("null")) return true;
        return number(v);
    }

    bool container(Json& v, int depth, bool object) {
        v.kind = object ? Json::Kind::Object : Json::Kind::Array;
        const char close = object ? '}' : ']';
        ++pos_;
        space();
        if (eat(close)) return true;
        do {
            if (object) {
                space();
                std::string name;
                if (!(pos_ < in_.size() && in_[pos_] == '"' && string(name))) return false;
                space();
                if (!eat(':')) return false;
                v.names.push_back(std::move(name));
            }
            Json item;
            if (!value(item, depth + 1)) return false;
            v.items.push_back(std::move(item));
            space();
        } while (eat(','));
        return eat(close);
    }

    bool string(std::string& out) {
        ++pos_; // the opening quote
        while (pos_ < in_.size()) {
            const char c = in_[pos_];
            if (c == '"') {
                ++pos_;
                return true;
            }
            if (static_cast<unsigned char>(c) < 0x20) return false;
            if (c == '\\') {
                if (!escape(out)) return false;
                continue;
            }
            const std::size_t n = utf8SequenceLength(in_.substr(pos_));
            if (n == 0) return false;
            out.append(in_.substr(pos_, n));
            pos_ += n;
        }
        return false;
    }

    bool escape(std::string& out) {
        if (++pos_ >= in_.size()) return false;
        const char c = in_[pos_++];
        switch (c) {
        case '"':
        case '\\':
        case '/':
            out += c;
            return true;
        case 'b':
            out += '\b';
            return true;
        case 'f':
            out += '\f';
            return true;
        case 'n':
            out += '\n';
            return true;
        case 'r':
            out += '\r';
            return true;
        case 't':
            out += '\t';
            return true;
        case 'u':
            break;
        default:
            return false;
        }
        std::uint32_t cp = 0;
        if (!hex4(cp) || (cp >= 0xDC00 && cp <= 0xDFFF)) return false;
        if (cp >= 0xD800 && cp <= 0xDBFF) {
            std::uint32_t low = 0;
            if (!(word("\\u") && hex4(low) && low >= 0xDC00 && low <= 0xDFFF)) return false;
            cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
        }
        rivetbench::config::appendUtf8(out, cp);
        return true;
    }

    bool hex4(std::uint32_t& cp) {
        if (in_.size() - pos_ < 4) return false;
        for (int i = 0; i < 4; ++i) {
            const char h = in_[pos_++];
            const int d = h >= '0' && h <= '9'   ? h - '0'
                          : h >= 'a' && h <= 'f' ? h - 'a' + 10
                          : h >= 'A' && h <= 'F' ? h - 'A' + 10
                                                 : -1;
            if (d < 0) return false;
            cp = cp * 16 + static_cast<std::uint32_t>(d);
        }
        return true;
    }

    bool number(Json& v) {
        const std::size_t start = pos_;
        auto digits = [&] {
            const std::size_t from = pos_;
            while (pos_ < in_.size() && in_[pos_] >= '0' && in_[pos_] <= '9')
                ++pos_;
            return pos_ > from;
        };
        eat('-');
        if (!eat('0') && !digits()) return false;
        if (eat('.') && !digits()) return false;
        if (eat('e') || eat('E')) {
            if (!eat('+')) eat('-');
            if (!digits()) return false;
        }
        v.kind = Json::Kind::Number;
        v.text = std::string(in_.substr(start, pos_ - start));
        return true;
    }

    bool word(std::string_view w) {
        if (in_.substr(pos_, w.size()) != w) return false;
        pos_ += w.size();
        return true;
    }
    bool eat(char c) {
        if (pos_ >= in_.size() || in_[pos_] != c) return false;
        ++pos_;
        return true;
    }
    void space() {
        while (pos_ < in_.size() &&
               (in_[pos_] == ' ' || in_[pos_] == '\t' || in_[pos_] == '\n' || in_[pos_] == '\r'))
            ++pos_;
    }

    std::string_view in_;
    std::size_t pos_ = 0;
};

std::vector<std::string> tableNames(const Json& doc) {
    std::vector<std::string> names;
    for (const Json& t : doc["tables"].items)
        names.push_back(t["table"].text);
    return names;
}

const Json* tableNamed(const Json& doc, std::string_view name) {
    for (const Json& t : doc["tables"].items)
        if (t["table"].text == name) return &t;
    return nullptr;
}

// ---------------------------------------------------------------------------------------------
// Fixtures

// Small enough to read at a glance; CR LF like the files the tool meets.
const std::string kSmallCfg = "[fltsim.0]\r\n"
                              "title=Alpha\r\n"
                              "atc_id=N1 ; reg\r\n"
                              "description=First\r\n"
                              "\r\n"
                              "[fltsim.1]\r\n"
                              "title=Bravo\r\n"
                              "\r\n"
                              "[General]\r\n"
                              "atc_type=Old\r\n"
                              "performance=Fast\r\n"
                              "\r\n"
                              "[lights]\r\n"
                              "light.0=1, 0,0,0, fx_a\r\n";

// The fixture name is lower case so that `ctest -R cli` picks these tests.
class cli : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        root_ =
            fs::temp_directory_path() / ("rivetbench-cli-" + std::to_string(::getpid()) + "-" + info->name());
        fs::remove_all(root_);
        fs::create_directories(root_ / "io");
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(root_, ec);
    }

    Result run(const std::vector<std::string>& args) { return runTool(args, root_ / "io"); }

    // A fresh folder NAME holding an aircraft.cfg of CFG.
    std::string aircraft(const std::string& name, std::string_view cfg) {
        const fs::path folder = root_ / name;
        fs::create_directories(folder);
        writeFile(folder / "aircraft.cfg", cfg);
        return folder.string();
    }

    // A copy of the bundled sample, so no test writes into the source tree.
    std::string sample(const std::string& name = "sample") {
        const fs::path folder = root_ / name;
        fs::copy(RIVETBENCH_SAMPLE_DIR, folder, fs::copy_options::recursive);
        return folder.string();
    }

    std::optional<Json> showJson(const std::string& folder) {
        const Result r = run({"show", folder, "--json"});
        EXPECT_EQ(r.exitCode, 0) << describe(r);
        EXPECT_EQ(r.err, "");
        return JsonReader(r.out).document();
    }

    fs::path root_;
};

std::string cfgOf(const std::string& folder) {
    return readFile(fs::path(folder) / "aircraft.cfg");
}
bool hasBackup(const std::string& folder) {
    return fs::exists(fs::path(folder) / "aircraft.tab");
}

// ---------------------------------------------------------------------------------------------
// show

TEST_F(cli, ShowTextNamesEveryVariationOfTheSample) {
    const Result r = run({"show", sample()});
    ASSERT_EQ(r.exitCode, 0) << describe(r);
    for (const char* title :
         {"Rivetbench Sparrow 180 Red", "Rivetbench Sparrow 180 Blue", "Rivetbench Sparrow 180 Floats"})
        EXPECT_NE(r.out.find(title), std::string::npos) << title;
    EXPECT_NE(r.out.find("(3)"), std::string::npos);
    EXPECT_EQ(r.err, "");
}

TEST_F(cli, ShowJsonHasTheDocumentedShape) {
    const std::string folder = sample();
    const auto doc = showJson(folder);
    ASSERT_TRUE(doc) << "not valid JSON";
    EXPECT_EQ(doc->names, (std::vector<std::string>{"file", "found", "encoding", "status", "variations",
                                                    "performance", "tables"}));
    EXPECT_EQ((*doc)["file"].text, (fs::path(folder) / "aircraft.cfg").string());
    EXPECT_EQ((*doc)["found"].kind, Json::Kind::Bool);
    EXPECT_TRUE((*doc)["found"].boolean);
    EXPECT_EQ((*doc)["encoding"].text, "windows-1252");

    const Json& status = (*doc)["status"];
    EXPECT_EQ(status.names, (std::vector<std::string>{"title", "manufacturer", "air_file", "variations",
                                                      "original", "kbx", "thumbnail", "config_path_label"}));
    EXPECT_EQ(status["variations"].text, "(3)");
    EXPECT_EQ(status["kbx"].kind, Json::Kind::Bool);

    const Json& variations = (*doc)["variations"];
    ASSERT_EQ(variations.items.size(), 3u);
    const std::array<const char*, 3> titles{"Rivetbench Sparrow 180 Red", "Rivetbench Sparrow 180 Blue",
                                            "Rivetbench Sparrow 180 Floats"};
    for (std::size_t k = 0; k < 3; ++k) {
        const Json& v = variations[k];
        EXPECT_EQ(v.names, (std::vector<std::string>{"position", "section", "title", "description"}));
        EXPECT_EQ(v["position"].text, std::to_string(k));
        EXPECT_EQ(v["section"].text, "fltsim." + std::to_string(k));
        EXPECT_EQ(v["title"].text, titles[k]);
    }
    EXPECT_NE((*doc)["performance"].text.find("Cruise Speed"), std::string::npos);

    // One table per variation, then the 52 single-section tables, each named once.
    const auto names = tableNames(*doc);
    ASSERT_EQ(names.size(), 3u + 52u);
    EXPECT_EQ(names[0], "lvMainAircraft_0");
    EXPECT_EQ(names[1], "lvMainAircraft_1");
    EXPECT_EQ(names[2], "lvMainAircraft_2");
    EXPECT_EQ(names[3], "lvGeneral");
    EXPECT_EQ(names.back(), "lvContactPntsData");
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), names.size());
    for (const Json& t : (*doc)["tables"].items) {
        EXPECT_EQ(t.names, (std::vector<std::string>{"table", "section", "node", "caption", "rows"}));
        for (const Json& row : t["rows"].items)
            EXPECT_EQ(row.names, (std::vector<std::string>{"caption", "key", "value"})) << t["table"].text;
    }
    // Values come as the profile read gives them: the inline comment stays.
    const Json& main0 = (*doc)["tables"][0];
    EXPECT_EQ(main0["section"].text, "fltsim.0");
    const auto atc = std::find_if(main0["rows"].items.begin(), main0["rows"].items.end(),
                                  [](const Json& row) { return row["key"].text == "atc_id"; });
    ASSERT_NE(atc, main0["rows"].items.end());
    EXPECT_EQ((*atc)["value"].text, "N180RB  ; registration");
}

TEST_F(cli, ShowJsonConvertsWindows1252ToUtf8) {
    const auto doc = showJson(aircraft("e", "[fltsim.0]\r\ntitle=Caf\xE9 Plane\r\n"));
    ASSERT_TRUE(doc) << "not valid JSON (a raw 0xE9 byte is not UTF-8)";
    EXPECT_EQ((*doc)["variations"][0]["title"].text, "Caf\xC3\xA9 Plane");
    EXPECT_NE((*doc)["status"]["title"].text.find("Caf\xC3\xA9 Plane"), std::string::npos);
    EXPECT_EQ((*doc)["tables"][0]["rows"][0]["value"].text, "Caf\xC3\xA9 Plane");
}

TEST_F(cli, ShowJsonKeepsGapsInTheVariationNumbers) {
    const auto doc = showJson(aircraft("gap", "[fltsim.0]\r\ntitle=Zero\r\n[fltsim.2]\r\ntitle=Two\r\n"));
    ASSERT_TRUE(doc);
    const Json& variations = (*doc)["variations"];
    ASSERT_EQ(variations.items.size(), 2u);
    EXPECT_EQ(variations[0]["section"].text, "fltsim.0");
    EXPECT_EQ(variations[1]["section"].text, "fltsim.2");
    EXPECT_EQ(variations[1]["position"].text, "1");
    EXPECT_EQ(variations[1]["title"].text, "Two");
    const auto names = tableNames(*doc);
    ASSERT_EQ(names.size(), 2u + 52u);
    EXPECT_EQ(names[0], "lvMainAircraft_0");
    EXPECT_EQ(names[1], "lvMainAircraft_2");
    EXPECT_EQ((*doc)["tables"][1]["section"].text, "fltsim.2");
}

TEST_F(cli, ShowJsonGivesIndexedEntriesTheirRealKey) {
    const auto doc = showJson(aircraft(
        "lights",
        "[fltsim.0]\r\ntitle=A\r\n[lights]\r\nlight.0=1, 0,0,0, fx_a\r\nlight.5=2, 1,1,1, fx_b\r\n"));
    ASSERT_TRUE(doc);
    const Json* lights = tableNamed(*doc, "lvLightsData");
    ASSERT_NE(lights, nullptr);
    const Json& rows = (*lights)["rows"];
    ASSERT_EQ(rows.items.size(), 2u);
    EXPECT_EQ(rows[0]["key"].text, "light.0");
    EXPECT_EQ(rows[0]["value"].text, "1, 0,0,0, fx_a");
    EXPECT_EQ(rows[1]["key"].text, "light.5");
    EXPECT_EQ(rows[1]["value"].text, "2, 1,1,1, fx_b");
}

TEST_F(cli, ShowOfAFolderWithoutCfgSaysNotFound) {
    const fs::path folder = root_ / "bare";
    fs::create_directories(folder);
    const auto doc = showJson(folder.string());
    ASSERT_TRUE(doc);
    EXPECT_EQ((*doc)["found"].kind, Json::Kind::Bool);
    EXPECT_FALSE((*doc)["found"].boolean);
    EXPECT_EQ((*doc)["status"]["variations"].text, "(-)");
    EXPECT_FALSE(fs::exists(folder / "aircraft.cfg"));
}

// ---------------------------------------------------------------------------------------------
// get

TEST_F(cli, GetPrintsTheRawValueOrNothing) {
    const std::string folder = aircraft("g", "[fltsim.0]\r\n"
                                             "title=Caf\xE9 One\r\n"
                                             "ui_variation=\"Red Stripe\"\r\n"
                                             "atc_id = N1  ; reg\r\n"
                                             "[General]\r\n"
                                             "atc_type=Old\r\n");
    struct Case {
        const char* section;
        const char* key;
        int exitCode;
        std::string out;
    };
    const Case cases[] = {
        {"fltsim.0", "title", 0, "Caf\xE9 One\n"}, // the byte as stored, not converted
        {"fltsim.0", "ui_variation", 0, "Red Stripe\n"},
        {"fltsim.0", "atc_id", 0, "N1  ; reg\n"},
        {"FLTSIM.0", "ATC_ID", 0, "N1  ; reg\n"},
        {"general", "Atc_Type", 0, "Old\n"},
        {"fltsim.0", "nothing", 1, ""},
        {"fltsim.1", "title", 1, ""},
        {"no_such_section", "title", 1, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("["s + c.section + "] " + c.key);
        const Result r = run({"get", folder, c.section, c.key});
        EXPECT_EQ(r.exitCode, c.exitCode) << describe(r);
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.err, "");
    }
    // The configuration file itself will do as well as its folder.
    const Result direct = run({"get", folder + "/aircraft.cfg", "general", "atc_type"});
    EXPECT_EQ(direct.exitCode, 0) << describe(direct);
    EXPECT_EQ(direct.out, "Old\n");
}

TEST_F(cli, GetGivesUtf16TextAsUtf8) {
    const std::u16string text = u"[fltsim.0]\r\ntitle=Caf\u00e9\r\n";
    std::string bytes = "\xFF\xFE";
    for (const char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    const Result r = run({"get", aircraft("w", bytes), "fltsim.0", "title"});
    EXPECT_EQ(r.exitCode, 0) << describe(r);
    EXPECT_EQ(r.out, "Caf\xC3\xA9\n");
}

// ---------------------------------------------------------------------------------------------
// Bad input

TEST_F(cli, BadFoldersAreRefusedCleanlyByEveryCommand) {
    const fs::path missing = root_ / "missing";
    const fs::path dirCfg = root_ / "dircfg";
    fs::create_directories(dirCfg / "aircraft.cfg");
    const fs::path bare = root_ / "bare";
    fs::create_directories(bare);
    const fs::path locked = aircraft("locked", kSmallCfg);
    fs::permissions(locked / "aircraft.cfg", fs::perms::none);
    // Permissions do not stop every user (root reads anything); only test what this one cannot read.
    const bool lockedIsUnreadable = !std::ifstream(locked / "aircraft.cfg").is_open();

    struct Folder {
        fs::path path;
        const char* says;
    };
    const Folder folders[] = {
        {missing, "no such folder"},
        {dirCfg, "directory"},
        {bare, "no aircraft.cfg"},
        {locked, "Unable to read"},
    };
    const std::vector<std::vector<std::string>> commands = {
        {"show"}, {"get", "fltsim.0", "title"}, {"set", "fltsim.0", "title", "X"}, {"save"}, {"restore"},
    };
    for (const Folder& f : folders) {
        if (f.path == locked && !lockedIsUnreadable) continue;
        for (const auto& command : commands) {
            // A folder without aircraft.cfg is something to show; every other command needs the file.
            if (f.path == bare && command[0] == "show") continue;
            std::vector<std::string> args{command[0], f.path.string()};
            args.insert(args.end(), command.begin() + 1, command.end());
            args.push_back("--yes");
            SCOPED_TRACE(f.path.filename().string() + ": " + command[0]);
            const Result r = run(args);
            EXPECT_EQ(r.exitCode, 2) << describe(r);
            EXPECT_NE(r.err.find(f.says), std::string::npos) << r.err;
            EXPECT_EQ(r.out, "");
        }
    }
    EXPECT_FALSE(fs::exists(missing));
    EXPECT_EQ(entriesOf(bare), std::set<std::string>{});
}

TEST_F(cli, BadUsageExitsWithTwo) {
    const std::string folder = aircraft("a", kSmallCfg);
    const std::vector<std::vector<std::string>> lines = {
        {},
        {"fly", folder},
        {"show", folder, "--colour"},
        {"show"},
        {"get", folder, "fltsim.0"},
        {"set", folder, "fltsim.0", "title"},
        {"save", folder, "extra"},
    };
    for (const auto& args : lines) {
        SCOPED_TRACE(::testing::PrintToString(args));
        const Result r = run(args);
        EXPECT_EQ(r.exitCode, 2) << describe(r);
        EXPECT_NE(r.err.find("usage"), std::string::npos) << r.err;
    }
    EXPECT_EQ(cfgOf(folder), kSmallCfg);
}

// Whatever the bytes, the tool ends by itself with a status of its own, and JSON stays JSON.
TEST_F(cli, HostileBytesNeverCrashTheTool) {
    const std::string longLine(100 * 1024, 'x');
    const std::string utf16Head = "\xFF\xFE"s + "[\0f\0l\0t\0s\0i\0m\0.\0"
                                                "0\0]\0\n\0t\0i\0t\0l\0e\0=\0"s;
    struct Case {
        const char* name;
        std::string bytes;
    };
    const Case cases[] = {
        {"empty", ""},
        {"nul bytes", "[fltsim.0]\ntitle=a\0b\n\0\0\0[\0]\n=\0\n"s},
        {"0xFF run", std::string(5000, '\xFF')},
        {"0xFF run after a section", "[fltsim.0]\r\ntitle=" + std::string(4000, '\xFF') + "\r\n"},
        {"100 KB line", "[fltsim.0]\r\ntitle=" + longLine + "\r\n"},
        {"100 KB section name", "[" + longLine + "]\r\nk=v\r\n"},
        {"lone brackets", "[\r\n[\r\n[fltsim.0\r\n[\r\ntitle=[\r\n]\r\n[]\r\n"},
        {"only equals signs", "=\r\n=\r\n==\r\n=\r\n"},
        {"bare carriage returns", "[fltsim.0]\rtitle=A\r\r[General]\ratc_type=B\r"},
        {"utf-16 mark and an odd byte", "\xFF\xFE\xFF"},
        {"utf-16 lone surrogate", utf16Head + "\x00\xD8x\0\n\0"s},
        {"utf-8 mark then invalid bytes", "\xEF\xBB\xBF[fltsim.0]\ntitle=a\xFF\xFE\xC0\x80\xED\xA0\x80\n"},
        {"undefined windows-1252 bytes", "[fltsim.0]\ntitle=\x81\x8D\x8F\x90\x9D\n"},
        {"many variations",
         [] {
             std::string s;
             for (int n = 0; n < 300; ++n)
                 s += "[fltsim." + std::to_string(n) + "]\ntitle=T" + std::to_string(n) + "\n";
             return s;
         }()},
        {"indexed keys far out",
         "[lights]\nlight.99999999999=1\nlight.-1=2\nlight.=3\n[flaps.0]\nflaps-position.4294967296=1\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string folder = aircraft("h", c.bytes);
        const std::vector<std::vector<std::string>> runs = {
            {"show", folder},
            {"show", folder, "--json"},
            {"get", folder, "fltsim.0", "title"},
            {"save", folder, "--dry-run"},
            {"set", folder, "fltsim.0", "title", "New", "--yes"},
        };
        for (const auto& args : runs) {
            SCOPED_TRACE(args[0] + (args.size() > 2 ? " " + args[2] : ""));
            const Result r = run(args);
            ASSERT_FALSE(r.timedOut) << describe(r);
            ASSERT_EQ(r.signal, 0) << describe(r);
            const bool allowed = r.exitCode == 0 || (args[0] == "get" && r.exitCode == 1) ||
                                 ((args[0] == "save" || args[0] == "set") && r.exitCode == 3);
            EXPECT_TRUE(allowed) << describe(r);
            if (r.exitCode != 0 && r.exitCode != 1) {
                EXPECT_NE(r.err, "") << "a refusal must say why";
            }
            if (args.back() == "--json") {
                EXPECT_TRUE(JsonReader(r.out).document()) << r.out.substr(0, 2000);
            }
        }
        fs::remove_all(folder);
    }
}

// ---------------------------------------------------------------------------------------------
// set

struct Triple {
    std::string section, key, value;
};

TEST_F(cli, SetAppliesEveryPairInOneSave) {
    struct Case {
        const char* name;
        std::vector<Triple> pairs;
        std::vector<Triple> expected; // read back with get
    };
    const Case cases[] = {
        {"one pair",
         {{"fltsim.0", "atc_id", "N2"}},
         {{"fltsim.0", "atc_id", "N2"}, {"General", "atc_type", "Old"}}},
        {"many pairs",
         {
             {"fltsim.1", "title", "Bravo Caf\xC3\xA9"}, // UTF-8 in, Windows-1252 on disk
             {"fltsim.0", "description", "Second"},
             {"General", "performance", "Fast\\nFar"},
             {"lights", "light.0", "3, 0,0,0, fx_c"},
             {"lights", "light.5", "2, 1,1,1, fx_b"}, // not in the file yet
             {"fltsim.0", "atc_id", "A"},
             {"FLTSIM.0", "ATC_ID", "B"}, // the last of repeated pairs wins
         },
         {
             {"fltsim.1", "title", "Bravo Caf\xE9"},
             {"fltsim.0", "description", "Second"},
             {"General", "performance", "Fast\\nFar"},
             {"lights", "light.0", "3, 0,0,0, fx_c"},
             {"lights", "light.5", "2, 1,1,1, fx_b"},
             {"fltsim.0", "atc_id", "B"},
             {"fltsim.0", "title", "Alpha"},
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string folder = aircraft(c.name, kSmallCfg);
        std::vector<std::string> args{"set", folder};
        for (const Triple& p : c.pairs)
            args.insert(args.end(), {p.section, p.key, p.value});
        args.push_back("--yes");
        const Result r = run(args);
        ASSERT_EQ(r.exitCode, 0) << describe(r);
        EXPECT_EQ(countOf(r.out, "has been saved"), 1u) << r.out;
        EXPECT_EQ(entriesOf(folder), (std::set<std::string>{"aircraft.cfg", "aircraft.tab"}));
        EXPECT_EQ(readFile(fs::path(folder) / "aircraft.tab"), kSmallCfg);
        for (const Triple& e : c.expected) {
            const Result g = run({"get", folder, e.section, e.key});
            EXPECT_EQ(g.out, e.value + "\n") << e.section << " " << e.key;
        }
        // A later save keeps the first backup: it is the original that restore brings back.
        ASSERT_EQ(run({"set", folder, "fltsim.0", "atc_id", "Later", "--yes"}).exitCode, 0);
        EXPECT_EQ(readFile(fs::path(folder) / "aircraft.tab"), kSmallCfg);
    }
}

TEST_F(cli, SetTakesOptionsAnywhere) {
    struct Case {
        std::vector<std::string> args; // "F" stands for the folder
        std::string value;             // atc_id of [fltsim.0] afterwards
    };
    const Case cases[] = {
        {{"--yes", "set", "F", "fltsim.0", "atc_id", "N2"}, "N2"},
        {{"set", "F", "fltsim.0", "atc_id", "N2", "--yes"}, "N2"},
        {{"set", "F", "fltsim.0", "--yes", "atc_id", "--keep-blanks", "N2"}, "N2"},
        {{"set", "F", "fltsim.0", "atc_id", "-2.5", "--yes"}, "-2.5"},       // one dash is a value
        {{"set", "--yes", "F", "--", "fltsim.0", "atc_id", "--N2"}, "--N2"}, // "--" ends the options
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        const std::string folder = aircraft("o" + std::to_string(n++), kSmallCfg);
        std::vector<std::string> args = c.args;
        std::replace(args.begin(), args.end(), "F"s, folder);
        const Result r = run(args);
        ASSERT_EQ(r.exitCode, 0) << describe(r);
        EXPECT_EQ(run({"get", folder, "fltsim.0", "atc_id"}).out, c.value + "\n");
        EXPECT_TRUE(hasBackup(folder));
    }
}

TEST_F(cli, SetRefusalsWriteNothing) {
    struct Case {
        std::vector<std::string> pairs;
        int exitCode;
        std::vector<std::string> says;
        bool suggests; // lists near matches
    };
    const Case cases[] = {
        // A good pair before the bad one is not saved either.
        {{"fltsim.0", "atc_id", "N2", "fltsim.0", "atc_idd", "X"},
         2,
         {"[fltsim.0] atc_idd is not a key of any table", "[fltsim.0] atc_id\n"},
         true},
        {{"fltsim.0", "atc_id", "N2", "fltsim.7", "title", "X"}, 2, {"[fltsim.7] is not a variation"}, false},
        {{"flaps.0", "flaps-position.0", "0, 0"}, 2, {"[flaps.0] is not in this aircraft.cfg"}, false},
        {{"fltsim.0", "atc_id"}, 2, {"usage"}, false},
        // A line break would split the entry in two.
        {{"fltsim.0", "title", "A\r\n[General]\r\natc_type=Injected"}, 3, {"line break"}, false},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.pairs));
        const std::string folder = aircraft("r" + std::to_string(n++), kSmallCfg);
        std::vector<std::string> args{"set", "--yes", folder};
        args.insert(args.end(), c.pairs.begin(), c.pairs.end());
        const Result r = run(args);
        EXPECT_EQ(r.exitCode, c.exitCode) << describe(r);
        for (const std::string& s : c.says)
            EXPECT_NE(r.err.find(s), std::string::npos) << r.err;
        EXPECT_EQ(r.err.find("Did you mean") != std::string::npos, c.suggests) << r.err;
        EXPECT_EQ(cfgOf(folder), kSmallCfg);
        EXPECT_EQ(entriesOf(folder), std::set<std::string>{"aircraft.cfg"});
    }
}

TEST_F(cli, SetWithoutYesAndNoTerminalIsNotConfirmed) {
    const std::string folder = aircraft("a", kSmallCfg);
    const Result r = run({"set", folder, "fltsim.0", "atc_id", "N2"});
    EXPECT_EQ(r.exitCode, 4) << describe(r);
    EXPECT_NE(r.err.find("not confirmed"), std::string::npos) << r.err;
    EXPECT_EQ(cfgOf(folder), kSmallCfg);
    EXPECT_EQ(entriesOf(folder), std::set<std::string>{"aircraft.cfg"});
}

TEST_F(cli, SetDryRunPrintsTheDiffAndWritesNothing) {
    const std::string folder = aircraft("a", kSmallCfg);
    const Result r = run({"set", folder, "fltsim.0", "atc_id", "N2", "--dry-run"});
    ASSERT_EQ(r.exitCode, 0) << describe(r);
    EXPECT_EQ(r.out.rfind("--- a/aircraft.cfg\n+++ b/aircraft.cfg\n@@ ", 0), 0u) << r.out;
    std::vector<std::string> changed;
    for (const std::string& line : linesOf(r.out))
        if (!line.empty() && (line[0] == '-' || line[0] == '+') && line.rfind("--- ", 0) != 0 &&
            line.rfind("+++ ", 0) != 0)
            changed.push_back(line);
    EXPECT_EQ(changed, (std::vector<std::string>{"-atc_id=N1 ; reg", "+atc_id=N2"}));
    EXPECT_EQ(cfgOf(folder), kSmallCfg);
    EXPECT_EQ(entriesOf(folder), std::set<std::string>{"aircraft.cfg"});
}

// ---------------------------------------------------------------------------------------------
// save and restore

TEST_F(cli, SaveKeepingBlanksOnlyAddsLines) {
    const std::string folder = sample();
    const std::string original = cfgOf(folder);
    const Result r = run({"save", folder, "--yes", "--keep-blanks"});
    ASSERT_EQ(r.exitCode, 0) << describe(r);
    EXPECT_EQ(readFile(fs::path(folder) / "aircraft.tab"), original);

    // Every original line is still there, in its order.
    const auto before = linesOf(original);
    const auto after = linesOf(cfgOf(folder));
    std::size_t matched = 0;
    for (const std::string& line : after)
        if (matched < before.size() && line == before[matched]) ++matched;
    EXPECT_EQ(matched, before.size())
        << "first line lost: " << (matched < before.size() ? before[matched] : "");
}

TEST_F(cli, RestorePutsTheOriginalBack) {
    const std::string folder = sample();
    const std::string original = cfgOf(folder);
    ASSERT_EQ(run({"set", folder, "fltsim.0", "atc_id", "N2", "--yes"}).exitCode, 0);
    const std::string edited = cfgOf(folder);
    ASSERT_NE(edited, original);

    const Result declined = run({"restore", folder});
    EXPECT_EQ(declined.exitCode, 4) << describe(declined);
    EXPECT_EQ(cfgOf(folder), edited);
    EXPECT_TRUE(hasBackup(folder));

    const Result r = run({"restore", folder, "--yes"});
    ASSERT_EQ(r.exitCode, 0) << describe(r);
    EXPECT_EQ(cfgOf(folder), original);
    EXPECT_FALSE(hasBackup(folder));

    const Result again = run({"restore", folder, "--yes"});
    EXPECT_EQ(again.exitCode, 1) << describe(again);
    EXPECT_EQ(cfgOf(folder), original);
}

} // namespace
