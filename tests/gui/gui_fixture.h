#pragma once

#include "editor/app/app_environment.h"
#include "editor/app/message_dlg.h"
#include "editor/app/tfrm_main.h"
#include "editor/platform/no_platform.h"

#include <QApplication>
#include <QString>
#include <QStringList>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <random>
#include <sstream>

namespace rivetbench::test {

namespace fs = std::filesystem;

// A registry with just the values a test puts in it.
class FakeRegistry : public platform::Registry {
  public:
    std::map<std::string, platform::RegistryValue> values; // "root|key|name", lower case key/name
    static std::string id(platform::RegistryRoot root, std::string_view key, std::string_view name) {
        std::string s =
            std::to_string(static_cast<int>(root)) + "|" + std::string(key) + "|" + std::string(name);
        for (char& c : s)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        while (s.find("\\|") != std::string::npos)
            s.erase(s.find("\\|"), 1);
        return s;
    }
    bool keyExists(platform::RegistryRoot, std::string_view) const override { return true; }
    std::optional<platform::RegistryValue> value(platform::RegistryRoot root, std::string_view key,
                                                 std::string_view name) const override {
        auto it = values.find(id(root, key, name));
        if (it == values.end()) return std::nullopt;
        return it->second;
    }
};

inline std::string readAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

inline void writeAll(const fs::path& p, std::string_view bytes) {
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << bytes;
}

// A made-up machine: program folder, user folders and registry in a fresh temporary folder. The
// message boxes shown meanwhile are recorded and answered with `answer`.
class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::random_device rd;
        root = fs::temp_directory_path() / ("rivetbench-gui-" + std::to_string(rd()));
        program = root / "program";
        fs::create_directories(program / "images");
        fs::copy_file(fs::path(RIVETBENCH_SAMPLE_DIR) / "texture" / "thumbnail.jpg",
                      program / "images" / "thumbnail.jpg");
        app::setMessageDlgResponder([this](QMessageBox& box) {
            messages << box.text();
            titles << box.windowTitle();
            return answer;
        });
    }
    void TearDown() override {
        window.reset();
        env.reset();
        app::setMessageDlgResponder({});
        std::error_code ec;
        fs::remove_all(root, ec);
    }

    // The window, shown (which reads the settings and the start folder).
    app::TfrmMain& start() {
        auto reg = std::make_unique<FakeRegistry>();
        registry = reg.get();
        for (auto& [k, v] : registryValues)
            reg->values[k] = v;
        env = app::AppEnvironment::create(program, root / "config", root / "data", std::move(reg),
                                          std::make_unique<platform::LocalPaths>());
        window = std::make_unique<app::TfrmMain>(*env);
        window->show();
        QApplication::processEvents();
        return *window;
    }

    template <typename T> T* find(const char* name) const {
        T* w = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    // An aircraft folder of the test's own, from the sample plus extra files.
    fs::path aircraft(const std::string& name, bool withCfg = true) {
        const fs::path folder = root / "aircraft" / name;
        fs::create_directories(folder);
        if (withCfg) fs::copy_file(fs::path(RIVETBENCH_SAMPLE_DIR) / "aircraft.cfg", folder / "aircraft.cfg");
        return folder;
    }

    void setSimulator(const fs::path& folder) {
        writeAll(folder / "fsx.exe", "MZ");
        registryValues[FakeRegistry::id(platform::RegistryRoot::CurrentUser,
                                        "SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\10.0",
                                        "AppPath")] = {platform::RegistryValue::Type::String,
                                                       folder.string()};
    }

    fs::path root, program;
    std::map<std::string, platform::RegistryValue> registryValues;
    FakeRegistry* registry = nullptr;
    std::unique_ptr<app::AppEnvironment> env;
    std::unique_ptr<app::TfrmMain> window;
    QStringList messages, titles;
    QMessageBox::StandardButton answer = QMessageBox::Ok;
};

} // namespace rivetbench::test
