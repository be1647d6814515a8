// Draws the windows of Rivetbench offscreen into PNG files for the README:
//   rivetbench-screenshots <output folder>
#include "editor/app/app_environment.h"
#include "editor/app/message_dlg.h"
#include "editor/app/nav_tree.h"
#include "editor/app/section_view.h"
#include "editor/app/tfrm_about.h"
#include "editor/app/tfrm_main.h"
#include "editor/edit/tfrm_edit_value.h"
#include "editor/platform/no_platform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QToolButton>
#include <cstdio>

namespace {

using namespace rivetbench;

void save(QWidget* w, const QString& file) {
    QApplication::processEvents();
    if (!w->grab().save(file)) std::fprintf(stderr, "could not write %s\n", qPrintable(file));
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: rivetbench-screenshots <output folder>\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);
    QTemporaryDir temp;
    const std::filesystem::path root = temp.path().toStdString();
    std::filesystem::create_directories(root / "program" / "images");
    std::filesystem::copy_file(std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()) /
                                   "images" / "thumbnail.jpg",
                               root / "program" / "images" / "thumbnail.jpg");
    auto env = app::AppEnvironment::create(root / "program", root / "config", root / "data",
                                           std::make_unique<platform::EmptyRegistry>(),
                                           std::make_unique<platform::LocalPaths>());
    app::TfrmMain w(*env);
    w.show();
    save(&w, out + "/main-page.png");

    w.imgConfigClick();
    save(&w, out + "/config-main.png");
    auto* tree = w.findChild<app::NavTree*>("treeSectNav");
    for (auto [node, file] : {std::pair{3, "config-general.png"}, std::pair{9, "config-engine.png"},
                              std::pair{16, "config-flaps.png"}, std::pair{2, "config-description.png"}}) {
        tree->setCurrentItem(tree->node(node));
        save(&w, out + "/" + file);
    }
    w.imgSettingsClick();
    save(&w, out + "/settings-page.png");

    app::TfrmAbout* about = w.findChild<app::TfrmAbout*>();
    about->show();
    save(about, out + "/about.png");
    about->hide();

    // The edit dialog on a row of [Reference Speeds], then the save question with its details.
    w.imgConfigClick();
    tree->setCurrentItem(tree->node(5));
    auto* speeds = w.findChild<app::SectionView*>("lvRefSpeeds");
    w.lvDblClick(speeds, 2);
    app::TfrmEditValue* edit = w.editValueDialog();
    save(edit, out + "/edit-value.png");
    edit->findChild<QPlainTextEdit*>("ValEdit")->setPlainText(QStringLiteral("130.0"));
    emit edit->applied(QStringLiteral("130.0"));
    edit->hide();
    save(&w, out + "/config-edited.png");

    app::setMessageDlgResponder([&](QMessageBox& box) {
        box.show();
        for (QAbstractButton* b : box.buttons())
            if (box.buttonRole(b) == QMessageBox::ActionRole) b->click(); // "Show Details..."
        QApplication::processEvents();
        box.adjustSize();
        save(&box, out + "/save-details.png");
        box.hide();
        return QMessageBox::Cancel;
    });
    w.btnSaveClick();
    app::setMessageDlgResponder({});
    w.model().unsavedChanges = false;
    return 0;
}
