#include "editor/app/settings_page.h"

#include "editor/app/gui_text.h"
#include "editor/app/ui_sound.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace rivetbench::app {
namespace {

QString driveRoot() {
#ifdef _WIN32
    return QStringLiteral("C:\\");
#else
    return QDir::homePath();
#endif
}

} // namespace

SettingsPage::SettingsPage(UiSounds* sounds, QWidget* parent) : QWidget(parent), sounds_(sounds) {
    setObjectName("pnlSettings");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* options = new QGroupBox(QStringLiteral(" Settings: "), this);
    auto* optionsLayout = new QGridLayout(options);
    minCheckBox_ = addCheck("MinCheckBox", "Minimize on launching FSX", false);
    minCheckBox_->setToolTip(QStringLiteral("Minimize Rivetbench when launching FSX"));
    cbTreeExpand_ = addCheck("cbTreeExpand", "Always Expanded Config Tree", true);
    cbRemoveComments_ = addCheck("cbRemoveComments", "Remove Comments on Editing", true);
    cbRemoveBlanks_ = addCheck("cbRemoveBlanks", "Remove Blank Config Values", true);
    optionsLayout->addWidget(minCheckBox_, 0, 0);
    optionsLayout->addWidget(cbTreeExpand_, 0, 1);
    optionsLayout->addWidget(cbRemoveComments_, 1, 0);
    optionsLayout->addWidget(cbRemoveBlanks_, 1, 1);
    layout->addWidget(options);

    auto* paths = new QGroupBox(QStringLiteral(" File Paths: "), this);
    auto* pathsLayout = new QGridLayout(paths);
    struct PathRow {
        const char* label;
        const char* field;
        const char* button;
        const char* hint;
        QLineEdit** edit;
        void (SettingsPage::*click)();
    };
    const PathRow rows[] = {
        {"Default Flight for Launching FSX:", "edFlightFileName", "btnSelFlightFile",
         "Select the flight you want Rivetbench to use when booting up FSX", &edFlightFileName_,
         &SettingsPage::btnSelFlightFileClick},
        {"Default Path to the FSX.exe file:", "edFSXExePath", "btnSelFSXExe", "", &edFSXExePath_,
         &SettingsPage::btnSelFSXExeClick},
        {"Path to your AIR file Editor Program:", "edFSEditPath", "btnSelAirFileEditor",
         "Select the path to your AIR file Editor.", &edFSEditPath_, &SettingsPage::btnSelAirFileEditorClick},
    };
    int r = 0;
    for (const PathRow& row : rows) {
        auto* label = new QLabel(QString::fromLatin1(row.label), paths);
        auto* edit = new QLineEdit(paths);
        edit->setObjectName(row.field);
        edit->setReadOnly(true);
        auto* button = new QToolButton(paths);
        button->setObjectName(row.button);
        button->setText(QStringLiteral("..."));
        button->setIcon(QIcon(QStringLiteral(":/icons/folder_open.svg")));
        button->setToolTip(QStringLiteral("Choose the file"));
        const QString hint = QString::fromLatin1(row.hint);
        label->setToolTip(hint);
        edit->setToolTip(hint);
        label->setBuddy(button);
        *row.edit = edit;
        pathsLayout->addWidget(label, r, 0, 1, 2);
        pathsLayout->addWidget(edit, r + 1, 0);
        pathsLayout->addWidget(button, r + 1, 1);
        connect(button, &QToolButton::clicked, this, row.click);
        r += 2;
    }
    layout->addWidget(paths);

    auto* tools = new QGroupBox(QStringLiteral(" Tools: "), this);
    auto* toolsLayout = new QGridLayout(tools);
    struct Tool {
        const char* name;
        const char* icon;
        const char* text;
        void (SettingsPage::*signal)();
    };
    const Tool toolRows[] = {
        {"lbEditCurrentCfg", ":/icons/tool_edit_current.svg", "Manually edit the Current Aircraft.Cfg",
         &SettingsPage::editCurrentRequested},
        {"lbEditOriginalCfg", ":/icons/tool_edit_original.svg", "Manually edit the Original Aircraft.Cfg",
         &SettingsPage::editOriginalRequested},
        {"lbCenterForm", ":/icons/tool_center.svg", "Center Rivetbench on Desktop",
         &SettingsPage::centreRequested},
        {"lbLaunchAirEditor", ":/icons/tool_launch_air.svg", "Launch AIR File Editor Application",
         &SettingsPage::launchAirEditorRequested},
    };
    int t = 0;
    for (const Tool& tool : toolRows) {
        auto* b = new QToolButton(tools);
        b->setObjectName(tool.name);
        b->setIcon(QIcon(QString::fromLatin1(tool.icon)));
        b->setText(QString::fromLatin1(tool.text));
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        b->setAutoRaise(true);
        b->setCursor(Qt::PointingHandCursor);
        connect(b, &QToolButton::clicked, this, [this, sig = tool.signal] {
            if (sounds_) sounds_->PlayUISound(0);
            emit(this->*sig)();
        });
        toolsLayout->addWidget(b, t / 2, t % 2);
        ++t;
    }
    layout->addWidget(tools);
    layout->addStretch(1);

    connect(cbTreeExpand_, &QCheckBox::clicked, this, [this](bool on) { emit expandTreeChanged(on); });
}

QCheckBox* SettingsPage::addCheck(const char* name, const char* text, bool on) {
    auto* box = new QCheckBox(QString::fromLatin1(text), this);
    box->setObjectName(name);
    box->setChecked(on);
    // MinCheckBoxClick, cbRemoveCommentsClick, cbRemoveBlanksClick, cbTreeExpandClick
    connect(box, &QCheckBox::clicked, this, [this] {
        if (sounds_) sounds_->PlayUISound(1);
    });
    return box;
}

void SettingsPage::load(const Settings& s) {
    minCheckBox_->setChecked(s.minimize);
    cbTreeExpand_->setChecked(s.expandTree);
    cbRemoveComments_->setChecked(s.removeComments);
    cbRemoveBlanks_->setChecked(s.removeBlanks);
    edFSEditPath_->setText(fromUtf8(s.fsEditPath));
    edFSXExePath_->setText(fromUtf8(s.fsxExePath));
    edFlightFileName_->setText(fromUtf8(s.defaultFlight));
}

void SettingsPage::store(Settings& s) const {
    s.minimize = minCheckBox_->isChecked();
    s.expandTree = cbTreeExpand_->isChecked();
    s.removeComments = cbRemoveComments_->isChecked();
    s.removeBlanks = cbRemoveBlanks_->isChecked();
    s.fsEditPath = edFSEditPath_->text().toStdString();
    s.fsxExePath = edFSXExePath_->text().toStdString();
    s.defaultFlight = edFlightFileName_->text().toStdString();
}

bool SettingsPage::removeComments() const {
    return cbRemoveComments_->isChecked();
}
bool SettingsPage::removeBlanks() const {
    return cbRemoveBlanks_->isChecked();
}
bool SettingsPage::expandTree() const {
    return cbTreeExpand_->isChecked();
}
bool SettingsPage::minimize() const {
    return minCheckBox_->isChecked();
}

void SettingsPage::btnSelFlightFileClick() {
    if (sounds_) sounds_->PlayUISound(0);
    const QString start = fsDocsFolder ? toQString(fsDocsFolder()) : QString();
    const QString file =
        QFileDialog::getOpenFileName(this, QStringLiteral("Select a Flight (FLT) file..."), start,
                                     QStringLiteral("FSX Flight Files (*.FLT *.flt)"));
    if (!file.isEmpty()) edFlightFileName_->setText(QDir::toNativeSeparators(file));
}

void SettingsPage::btnSelFSXExeClick() {
    if (sounds_) sounds_->PlayUISound(0);
    QString start;
    try {
        start = fsxFolder ? toQString(fsxFolder()) : QString();
    } catch (const std::exception&) {
        // An unreadable registry entry only costs the dialog its starting folder.
    }
    const QString file =
        QFileDialog::getOpenFileName(this, QStringLiteral("Select the FSX Executable file..."), start,
                                     QStringLiteral("FSX Executable (fsx.exe FSX.exe FSX.EXE)"));
    if (!file.isEmpty()) edFSXExePath_->setText(QDir::toNativeSeparators(file));
}

void SettingsPage::btnSelAirFileEditorClick() {
    if (sounds_) sounds_->PlayUISound(0);
    const QString file =
        QFileDialog::getOpenFileName(this, QStringLiteral("Select your AIR file editor..."), driveRoot(),
                                     QStringLiteral("Application Files (*.exe)"));
    if (!file.isEmpty()) edFSEditPath_->setText(QDir::toNativeSeparators(file));
}

} // namespace rivetbench::app
