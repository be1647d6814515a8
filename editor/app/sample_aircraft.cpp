#include "editor/app/sample_aircraft.h"

#include "editor/app/gui_text.h"

#include <QDir>
#include <QFile>

namespace rivetbench::app {
namespace fs = std::filesystem;

fs::path sampleAircraftFolder(const fs::path& dataFolder) {
    const fs::path folder = dataFolder / "Sample Aircraft";
    std::error_code ec;
    if (fs::exists(folder / "aircraft.cfg", ec)) return folder;
    const QString target = toQString(folder);
    if (!QDir().mkpath(target + QStringLiteral("/texture"))) return {};
    for (const char* file : {"aircraft.cfg", "texture/thumbnail.jpg"}) {
        const QString to = target + QLatin1Char('/') + QLatin1String(file);
        if (!QFile::copy(QStringLiteral(":/sample/") + QLatin1String(file), to)) return {};
        // Resource files come out read-only; the working copy is meant to be edited.
        QFile::setPermissions(to, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    }
    return folder;
}

} // namespace rivetbench::app
