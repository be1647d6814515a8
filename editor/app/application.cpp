#include "editor/app/application.h"

#include "editor/app/app_environment.h"
#include "editor/app/message_dlg.h"
#include "editor/app/tfrm_about.h"
#include "editor/app/tfrm_main.h"
#include "editor/platform/admin_check.h"
#include "editor/platform/single_instance.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>

namespace rivetbench::app {
namespace {

const char* const kAdminMessage =
    "Restricted Non-Admin Windows Logon Detected!\n\nRivetbench cannot be used in a protected mode,\nplease "
    "log onto Windows in Admin Mode.\n\nNow shutting down Rivetbench for FSX.";

QString instanceName() {
    QString user = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
    return QStringLiteral("RIVETBENCH-") + user.toUpper();
}

} // namespace

int runRivetbench(int argc, char** argv) {
    QElapsedTimer clock;
    clock.start();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Rivetbench"));
    QApplication::setApplicationDisplayName(QStringLiteral("Rivetbench for FSX"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/rivetbench.svg")));
    const bool timing = app.arguments().contains(QStringLiteral("--timing"));

    // A second start brings the first window forward and ends before showing anything.
    platform::SingleInstance instance(instanceName());
    if (instance.anotherIsRunning()) return 0;

    TfrmSplash splash;
    splash.show();
    splash.repaint();
    QApplication::processEvents();

    auto env = AppEnvironment::system();
    TfrmMain main(*env);
    if (!platform::IsAdmin()) {
        QMessageBox box(QMessageBox::Information, QStringLiteral("Rivetbench for FSX"),
                        QString::fromLatin1(kAdminMessage), QMessageBox::Ok);
        box.exec();
        return 0;
    }
    QObject::connect(&instance, &platform::SingleInstance::activationRequested, &main, [&main] {
        main.setWindowState((main.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
        main.show();
        main.raise();
        main.activateWindow();
    });
    // The splash stays a moment so it can be read, without holding up the window behind it.
    QTimer::singleShot(std::max<qint64>(0, 1000 - clock.elapsed()), &splash, &QWidget::close);
    main.show();
    if (timing) {
        QTimer::singleShot(0, &main, [&clock] {
            std::printf("window shown after %lld ms\n", static_cast<long long>(clock.elapsed()));
            std::fflush(stdout);
        });
    }
    return app.exec();
}

} // namespace rivetbench::app
