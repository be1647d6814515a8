#include "editor/app/app_environment.h"

#include "editor/app/gui_text.h"
#include "editor/app/settings.h"

#include <QCoreApplication>
#include <QStandardPaths>

// Resources of a static library are registered by hand, once, before anything uses them.
static void initResources() {
    Q_INIT_RESOURCE(sample);
}

namespace rivetbench::app {
namespace fs = std::filesystem;

std::unique_ptr<AppEnvironment> AppEnvironment::create(fs::path programFolder,
                                                       const fs::path& userConfigFolder,
                                                       fs::path userDataFolder,
                                                       std::unique_ptr<platform::Registry> registry,
                                                       std::unique_ptr<platform::PathMapper> paths) {
    static const bool registered = (initResources(), true);
    (void)registered;
    auto env = std::make_unique<AppEnvironment>();
    env->programFolder = std::move(programFolder);
    env->settingsFile = settingsFilePath(env->programFolder, userConfigFolder);
    env->userDataFolder = std::move(userDataFolder);
    env->registry = std::move(registry);
    env->paths = std::move(paths);
    env->locations = std::make_unique<Locations>(*env->registry, *env->paths);
    env->player = std::make_unique<platform::SoundPlayer>();
    fs::path windowsFolder;
#ifdef _WIN32
    windowsFolder = toPath(qEnvironmentVariable("SystemRoot", QStringLiteral("C:\\Windows")));
#else
    if (auto w = env->paths->toLocal("C:\\windows")) windowsFolder = *w;
#endif
    AppEnvironment* self = env.get();
    env->sounds = std::make_unique<UiSounds>(
        *env->player, [self] { return self->simulatorFolder(); }, windowsFolder);
    return env;
}

std::unique_ptr<AppEnvironment> AppEnvironment::system() {
    const fs::path program = toPath(QCoreApplication::applicationDirPath());
    const fs::path config = toPath(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
    const fs::path data = toPath(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    return create(program, config, data, platform::systemRegistry(), platform::systemPathMapper());
}

fs::path AppEnvironment::simulatorFolder() const {
    try {
        return locations->GetFSXPath();
    } catch (const std::exception&) {
        return {};
    }
}

} // namespace rivetbench::app
