#include "editor/app/tfrm_main.h"

#include "editor/app/aircraft_picker.h"
#include "editor/app/gui_prompter.h"
#include "editor/app/gui_text.h"
#include "editor/app/main_page.h"
#include "editor/app/message_dlg.h"
#include "editor/app/nav_tree.h"
#include "editor/app/sample_aircraft.h"
#include "editor/app/section_panels.h"
#include "editor/app/section_table_model.h"
#include "editor/app/section_view.h"
#include "editor/app/settings_page.h"
#include "editor/app/tfrm_about.h"
#include "editor/app/window_placement.h"
#include "editor/config/trim_rec.h"
#include "editor/edit/tfrm_edit_value.h"
#include "editor/save/line_diff.h"
#include "editor/save/save_restore.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QShortcut>
#include <QStackedWidget>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace rivetbench::app {
namespace fs = std::filesystem;

namespace {

const char* const kTitle = "Rivetbench for FSX";
const char* const kMakerSite = "https://www.kestrix.example/";
const char* const kLoadFirst = "Before editing please load an aircraft first!";

QToolButton* pageButton(const char* name, const char* text, const char* icon, QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setText(QString::fromLatin1(text));
    QIcon i(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(icon)));
    i.addFile(QStringLiteral(":/icons/%1_over.svg").arg(QLatin1String(icon)), {}, QIcon::Active);
    i.addFile(QStringLiteral(":/icons/%1_over.svg").arg(QLatin1String(icon)), {}, QIcon::Normal, QIcon::On);
    b->setIcon(i);
    b->setIconSize(QSize(28, 28));
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    b->setAutoRaise(true);
    b->setCheckable(true);
    b->setFixedSize(66, 54);
    b->setCursor(Qt::PointingHandCursor);
    return b;
}

QToolButton* linkButton(const char* name, const char* text, const char* icon, QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setText(QString::fromLatin1(text));
    b->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(icon))));
    b->setIconSize(QSize(16, 16));
    b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    b->setAutoRaise(true);
    b->setCursor(Qt::PointingHandCursor);
    return b;
}

QPushButton* bottomButton(const char* name, const char* text, const char* icon, QWidget* parent) {
    auto* b = new QPushButton(QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(icon))),
                              QString::fromLatin1(text), parent);
    b->setObjectName(name);
    b->setMinimumWidth(80);
    b->setAutoDefault(false);
    return b;
}

bool folderHasCfg(const QString& folder) {
    std::error_code ec;
    return !folder.isEmpty() && fs::is_regular_file(toPath(folder) / "aircraft.cfg", ec);
}

// Folders are held with a trailing separator, as the program always has.
QString withSeparator(QString path) {
    if (!path.isEmpty() && !path.endsWith(QLatin1Char('/')) && !path.endsWith(QDir::separator()))
        path += QDir::separator();
    return path;
}

} // namespace

TfrmMain::TfrmMain(AppEnvironment& env, QWidget* parent) : QWidget(parent), env_(env) {
    setObjectName("TfrmMain");
    setWindowTitle(QString::fromLatin1(kTitle));
    setWindowIcon(QIcon(QStringLiteral(":/icons/rivetbench.svg")));
    resize(600, 470);
    setMinimumSize(600, 470);
    FormCreate();
}

TfrmMain::~TfrmMain() {
    // The table views read the model, a member: they must go before it does, not after in ~QWidget.
    qDeleteAll(findChildren<QWidget*>(Qt::FindDirectChildrenOnly));
}

void TfrmMain::FormCreate() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 6, 10, 8);
    layout->setSpacing(6);
    layout->addWidget(buildHeader());

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    layout->addWidget(line);

    configPage_ = new QWidget(this);
    auto* body = new QHBoxLayout(configPage_);
    body->setContentsMargins(0, 0, 0, 0);
    tree_ = new NavTree(configPage_);
    tree_->hide();
    stack_ = new QStackedWidget(configPage_);
    stack_->setObjectName("pageArea");
    stack_->addWidget(new QWidget); // nothing shown: HideAllPanels
    mainPage_ = new MainPage(env_.sounds.get());
    settingsPage_ = new SettingsPage(env_.sounds.get());
    stack_->addWidget(mainPage_);
    stack_->addWidget(settingsPage_);
    panels_ = new SectionPanels(model_, env_.sounds.get(), stack_);
    body->addWidget(tree_);
    body->addWidget(stack_, 1);
    layout->addWidget(configPage_, 1);

    sectionLinks_ = new QWidget(this);
    auto* links = new QHBoxLayout(sectionLinks_);
    links->setContentsMargins(0, 0, 0, 0);
    links->addStretch(1);
    auto* sdk = linkButton("SDKNoteLabel", "SDK Note", "sdk_note", sectionLinks_);
    auto* fsedit = linkButton("LaunchFSEditLabel", "Launch Air File Editor", "fsedit", sectionLinks_);
    links->addWidget(sdk);
    links->addWidget(fsedit);
    sectionLinks_->hide();
    layout->addWidget(sectionLinks_);

    layout->addWidget(buildBottom());

    settingsPage_->fsDocsFolder = [this] { return env_.locations->GetFSDocsPath(); };
    settingsPage_->fsxFolder = [this] { return env_.locations->GetFSXPath(); };
    about_ = new TfrmAbout(env_.sounds.get(), this);
    editValue_ = new TfrmEditValue(env_.sounds.get(), this);
    editValue_->setWindowModality(Qt::WindowModal); // the main window takes no input meanwhile
    connect(editValue_, &TfrmEditValue::applied, this, &TfrmMain::ApplyChanges);
    connect(editValue_, &TfrmEditValue::hintEditRequested, this, [this] {
        if (onHintEdit) onHintEdit();
    });
    connect(panels_, &SectionPanels::rowActivated, this, &TfrmMain::lvDblClick);
    connect(panels_, &SectionPanels::textBoxEdited, this, &TfrmMain::updateUnsavedMark);

    connect(tree_, &NavTree::nodeChosen, this, &TfrmMain::treeNodeChosen);
    connect(mainPage_, &MainPage::folderChosen, this, &TfrmMain::DirComboPathChange);
    connect(mainPage_, &MainPage::browseRequested, this, &TfrmMain::browseForFolder);
    connect(mainPage_, &MainPage::findAircraftRequested, this, &TfrmMain::findAircraft);
    connect(settingsPage_, &SettingsPage::expandTreeChanged, this, [this](bool on) {
        tree_->setAutoFold(!on);
        on ? tree_->expandAllFromRoot() : tree_->collapseAllFromRoot();
    });
    connect(settingsPage_, &SettingsPage::centreRequested, this, &TfrmMain::centreOnDesktop);
    auto hook = [this](auto signal, std::function<void()> TfrmMain::*member) {
        connect(settingsPage_, signal, this, [this, member] {
            if (this->*member) (this->*member)();
        });
    };
    hook(&SettingsPage::editCurrentRequested, &TfrmMain::onEditCurrent);
    hook(&SettingsPage::editOriginalRequested, &TfrmMain::onEditOriginal);
    hook(&SettingsPage::launchAirEditorRequested, &TfrmMain::onLaunchAirEditor);
    connect(sdk, &QToolButton::clicked, this, [this] {
        playClick(0);
        if (onSdkNote) onSdkNote();
    });
    connect(fsedit, &QToolButton::clicked, this, [this] {
        playClick(0);
        if (onLaunchAirEditor) onLaunchAirEditor();
    });
    enableHookedControls();
    buildShortcuts();
    ShowMainPanel();
    loadRecentFolders();
}

QWidget* TfrmMain::buildHeader() {
    // The title above the page icons, the links to their right, as the window has always had them.
    auto* header = new QWidget(this);
    auto* row = new QHBoxLayout(header);
    row->setContentsMargins(0, 0, 0, 0);
    auto* left = new QVBoxLayout;
    left->setSpacing(2);
    auto* titleRow = new QHBoxLayout;
    auto* icon = new QLabel(header);
    icon->setPixmap(QIcon(QStringLiteral(":/icons/rivetbench.svg")).pixmap(24, 24));
    lbMainTitle_ = new QLabel(QStringLiteral("RIVETBENCH FOR FSX"), header);
    lbMainTitle_->setObjectName("lbMainTitle");
    QFont titleFont = lbMainTitle_->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    titleFont.setBold(true);
    titleFont.setLetterSpacing(QFont::PercentageSpacing, 104);
    lbMainTitle_->setFont(titleFont);
    titleRow->addWidget(icon);
    titleRow->addWidget(lbMainTitle_);
    titleRow->addStretch(1);
    left->addLayout(titleRow);

    auto* pages = new QHBoxLayout;
    pages->setSpacing(4);
    auto* main = pageButton("lbMainIco", "Main", "page_main", header);
    auto* config = pageButton("lbConfigIco", "Config", "page_config", header);
    auto* settings = pageButton("lbSettingsIco", "Settings", "page_settings", header);
    for (QToolButton* b : {main, config, settings})
        pages->addWidget(b);
    pages->addStretch(1);
    left->addLayout(pages);
    row->addLayout(left, 1);
    connect(main, &QToolButton::clicked, this, &TfrmMain::imgMainIcoClick);
    connect(config, &QToolButton::clicked, this, &TfrmMain::imgConfigClick);
    connect(settings, &QToolButton::clicked, this, &TfrmMain::imgSettingsClick);

    auto* linkGrid = new QGridLayout;
    linkGrid->setSpacing(0);
    auto* web = linkButton("lbWebsite", "Kestrix Website", "link_web", header);
    auto* news = linkButton("lbNews", "Kestrix News", "link_news", header);
    auto* help = linkButton("lbHelpFile", "View Help File", "link_help", header);
    auto* about = linkButton("lbAbout", "About Rivetbench", "link_about", header);
    linkGrid->addWidget(web, 0, 0);
    linkGrid->addWidget(news, 1, 0);
    linkGrid->addWidget(help, 0, 1);
    linkGrid->addWidget(about, 1, 1);
    auto* linkColumn = new QVBoxLayout;
    linkColumn->addStretch(1);
    linkColumn->addLayout(linkGrid);
    row->addLayout(linkColumn);
    connect(web, &QToolButton::clicked, this, [this] {
        playClick(0);
        QDesktopServices::openUrl(QUrl(QString::fromLatin1(kMakerSite)));
    });
    connect(help, &QToolButton::clicked, this, [this] {
        playClick(0);
        if (onHelp) onHelp();
    });
    connect(about, &QToolButton::clicked, this, [this] {
        playClick(0);
        about_->show();
        about_->raise();
    });
    connect(news, &QToolButton::clicked, this, [this] {
        playClick(0);
        if (onNews) onNews();
    });
    return header;
}

QWidget* TfrmMain::buildBottom() {
    auto* bottom = new QWidget(this);
    auto* row = new QHBoxLayout(bottom);
    row->setContentsMargins(0, 0, 0, 0);
    auto* maker = new QLabel(QStringLiteral("\u00A9 Kestrix"), bottom);
    maker->setObjectName("lbKestrix");
    maker->setEnabled(false);
    row->addWidget(maker);
    row->addStretch(1);
    lbUnsaved_ = new QLabel(QStringLiteral("\u25CF Unsaved changes"), bottom);
    lbUnsaved_->setObjectName("lbUnsaved");
    lbUnsaved_->setStyleSheet(QStringLiteral("color: #b7791f; font-weight: bold;"));
    lbUnsaved_->setToolTip(
        QStringLiteral("Changed values are shown in bold; Save writes them into aircraft.cfg."));
    lbUnsaved_->hide();
    row->addWidget(lbUnsaved_);
    auto* fsx = bottomButton("btnFSX", "&FSX", "btn_fsx", bottom);
    auto* restore = bottomButton("btnRestore", "&Restore", "btn_restore", bottom);
    auto* save = bottomButton("btnSave", "&Save", "btn_save", bottom);
    auto* exit = bottomButton("btnExit", "&Exit", "btn_exit", bottom);
    fsx->setToolTip(QStringLiteral("Test the aircraft in the simulator (Ctrl+F)"));
    restore->setToolTip(QStringLiteral("Put the original aircraft.cfg back from its backup (Ctrl+R)"));
    save->setToolTip(QStringLiteral("Save the changes into aircraft.cfg (Ctrl+S)"));
    for (QPushButton* b : {fsx, restore, save, exit})
        row->addWidget(b);
    connect(fsx, &QPushButton::clicked, this, [this] {
        if (onFsx) onFsx();
    });
    connect(restore, &QPushButton::clicked, this, &TfrmMain::btnRestoreClick);
    connect(save, &QPushButton::clicked, this, [this] { btnSaveClick(); });
    connect(exit, &QPushButton::clicked, this, [this] {
        playClick(0);
        close();
    });
    return bottom;
}

void TfrmMain::buildShortcuts() {
    // Window-wide, like the form's key preview: they work whichever control has the focus.
    auto add = [this](QKeySequence key, auto action) {
        auto* s = new QShortcut(key, this);
        s->setContext(Qt::WindowShortcut);
        connect(s, &QShortcut::activated, this, action);
    };
    add(QKeySequence(Qt::Key_Escape), [this] {
        if (stack_->currentWidget() != mainPage_) imgMainIcoClick();
    });
    add(QKeySequence(Qt::Key_F1), [this] {
        if (onHelp) onHelp();
    });
    add(QKeySequence(Qt::CTRL | Qt::Key_F), [this] {
        if (onFsx) onFsx();
    });
    add(QKeySequence(Qt::CTRL | Qt::Key_R), [this] { btnRestoreClick(); });
    add(QKeySequence(Qt::CTRL | Qt::Key_S), [this] { btnSaveClick(); });
}

void TfrmMain::enableHookedControls() {
    const std::pair<const char*, bool> controls[] = {
        {"btnFSX", bool(onFsx)},
        {"lbHelpFile", bool(onHelp)},
        {"lbNews", bool(onNews)},
        {"lbEditCurrentCfg", bool(onEditCurrent)},
        {"lbEditOriginalCfg", bool(onEditOriginal)},
        {"lbLaunchAirEditor", bool(onLaunchAirEditor)},
        {"LaunchFSEditLabel", bool(onLaunchAirEditor)},
        {"SDKNoteLabel", bool(onSdkNote)},
        {"imgHintEdit", bool(onHintEdit)},
    };
    for (const auto& [name, on] : controls)
        if (QWidget* w = findChild<QWidget*>(QLatin1String(name))) w->setEnabled(on);
}

void TfrmMain::playClick(int index) {
    if (env_.sounds) env_.sounds->PlayUISound(index);
}

// ---- start and end ------------------------------------------------------------------------

void TfrmMain::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!shown_) FormShow();
}

void TfrmMain::FormShow() {
    if (shown_) return;
    shown_ = true;
    enableHookedControls();
    QScreen* screen = QGuiApplication::primaryScreen();
    const QRect screenRect = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    const QPoint centred = centredPosition(screenRect, size());
    SettingsDefaults defaults;
    defaults.centredTop = centred.y();
    defaults.centredLeft = centred.x();
    QString registryError;
    auto guarded = [&registryError](auto lookup) {
        return [lookup, &registryError]() -> fs::path {
            try {
                return lookup();
            } catch (const std::exception& e) {
                registryError = QString::fromStdString(e.what());
                return {};
            }
        };
    };
    defaults.fsxPath = guarded([this] { return env_.locations->GetFSXPath(); });
    defaults.fsDocsPath = guarded([this] { return env_.locations->GetFSDocsPath(); });
    settings_ = ReadIniFile(env_.settingsFile, defaults);
    settingsPage_->load(settings_);

    QList<QRect> screens;
    for (QScreen* s : QGuiApplication::screens())
        screens << s->availableGeometry();
    move(placeWindow(QPoint(settings_.left, settings_.top), frameGeometry().size(), screens, centred));

    tree_->SetNodeBoldState(tree_->root(), true);
    ShowMainPanel();

    const QString folder = startFolder(settings_);
    if (!folder.isEmpty()) {
        QDir dir(folder);
        if (dir.exists())
            DirComboPathChange(folder);
        else
            readFolder(withSeparator(folder)); // shows that the stored folder has no aircraft.cfg
    }
    tree_->setAutoFold(!settingsPage_->expandTree());
    settingsPage_->expandTree() ? tree_->expandAllFromRoot() : tree_->collapseAllFromRoot();
    if (!registryError.isEmpty()) MessageDlgCtr(this, registryError, MsgDlgType::Error, QMessageBox::Ok);
}

QString TfrmMain::startFolder(const Settings& settings) {
    if (!settings.lastCfg.empty()) return QString::fromStdString(settings.lastCfg);
    const fs::path sim = env_.simulatorFolder();
    if (!sim.empty()) {
        const fs::path c172 = sim / "SimObjects" / "Airplanes" / "C172";
        std::error_code ec;
        if (fs::is_directory(c172, ec)) return toQString(c172);
    }
    // Nothing configured and no simulator: a working copy of the bundled sample.
    const fs::path sample = sampleAircraftFolder(env_.userDataFolder);
    return sample.empty() ? QString() : toQString(sample);
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    FormClose();
    about_->hide();
    event->accept();
}

bool TfrmMain::FormCloseQuery() {
    // A failed save keeps the window open with the edits still marked.
    return offerSave();
}

void TfrmMain::FormClose() {
    settings_.top = pos().y();
    settings_.left = pos().x();
    settingsPage_->store(settings_);
    saveRecentFolders();
    if (auto error = WriteIniFile(env_.settingsFile, settings_, selectedFolder_.toStdString()))
        MessageDlgCtr(this, QString::fromStdString(*error), MsgDlgType::Error, QMessageBox::Ok);
}

void TfrmMain::loadRecentFolders() {
    QSettings store(toQString(env_.userDataFolder / "recent.ini"), QSettings::IniFormat);
    mainPage_->setRecentFolders(store.value(QStringLiteral("folders")).toStringList());
}

void TfrmMain::saveRecentFolders() {
    QSettings store(toQString(env_.userDataFolder / "recent.ini"), QSettings::IniFormat);
    store.setValue(QStringLiteral("folders"), mainPage_->recentFolders());
}

// ---- pages --------------------------------------------------------------------------------

void TfrmMain::HideAllPanels() {
    stack_->setCurrentIndex(0);
}

void TfrmMain::ShowMainPanel() {
    HideAllPanels();
    stack_->setCurrentWidget(mainPage_);
    syncPageButtons();
}

void TfrmMain::ShowSettingsPanel() {
    HideAllPanels();
    stack_->setCurrentWidget(settingsPage_);
    syncPageButtons();
}

void TfrmMain::ShowPanel(QWidget* panel) {
    if (!panel) return;
    HideAllPanels();
    stack_->setCurrentWidget(panel);
    currentSectionPanel_ = panel;
    const QString name = panel->objectName();
    showSectionLinks(name == QLatin1String("pnlAirplaneGeoData") || name == QLatin1String("pnlRefSpeeds"));
    syncPageButtons();
}

void TfrmMain::syncPageButtons() {
    const char* page = tree_->isVisibleTo(this)               ? "lbConfigIco"
                       : stack_->currentWidget() == mainPage_ ? "lbMainIco"
                                                              : "lbSettingsIco";
    for (auto* b : findChildren<QToolButton*>())
        if (b->isCheckable()) b->setChecked(b->objectName() == QLatin1String(page));
}

void TfrmMain::showSectionLinks(bool show) {
    sectionLinks_->setVisible(show);
}

void TfrmMain::imgMainIcoClick() {
    leaveConfigFor(mainPage_);
}

void TfrmMain::imgSettingsClick() {
    leaveConfigFor(settingsPage_);
}

// The Main and Settings icons: pending edits are offered for saving first; a failed save keeps
// the page where it is.
void TfrmMain::leaveConfigFor(QWidget* page) {
    playClick(0);
    if (!offerSave()) {
        syncPageButtons();
        return;
    }
    tree_->hide();
    showSectionLinks(false);
    if (stack_->currentWidget() != page) page == mainPage_ ? ShowMainPanel() : ShowSettingsPanel();
    syncPageButtons();
}

void TfrmMain::imgConfigClick() {
    playClick(0);
    if (!folderHasCfg(currentFolder_)) {
        MessageDlgCtr(this, QString::fromLatin1(kLoadFirst), MsgDlgType::Information, QMessageBox::Ok);
        syncPageButtons(); // the page stays as it was, and so does its icon
        return;
    }
    if (tree_->isVisibleTo(this)) {
        syncPageButtons();
        return;
    }
    tree_->show();
    if (settingsPage_->expandTree()) {
        tree_->expandAllFromRoot();
        QTreeWidgetItem* selected = tree_->currentItem() ? tree_->currentItem() : tree_->root();
        tree_->setCurrentItem(selected);
    }
    tree_->setFocus();
    if (firstConfigVisit_) {
        firstConfigVisit_ = false;
        ShowPanel(panels_->panel(QStringLiteral("pnlFltsim")));
    } else {
        ShowPanel(currentSectionPanel_);
    }
}

void TfrmMain::treeNodeChosen(int index) {
    if (index < 1 || index > 54 || !tree_->isVisibleTo(this)) return;
    ShowPanel(panels_->panelForNode(index));
}

void TfrmMain::centreOnDesktop() {
    if (QScreen* s = screen()) move(centredPosition(s->availableGeometry(), frameGeometry().size()));
}

// ---- the aircraft folder ------------------------------------------------------------------

void TfrmMain::DirComboPathChange(const QString& path) {
    QString folder = QDir::cleanPath(path.trimmed());
    if (folder.isEmpty()) return;
    if (!QDir(folder).exists()) {
        MessageDlgCtr(
            this, QStringLiteral("The folder \"%1\" does not exist.").arg(QDir::toNativeSeparators(folder)),
            MsgDlgType::Warning, QMessageBox::Ok);
        mainPage_->setSelectedPath(selectedFolder_);
        return;
    }
    // Edits would be dropped by the read: offer to save them first, as leaving the page does.
    if (!offerSave()) {
        mainPage_->setSelectedPath(selectedFolder_);
        return;
    }
    folder = QDir::toNativeSeparators(folder);
    selectedFolder_ = folder;
    mainPage_->setSelectedPath(folder);
    readFolder(withSeparator(folder));
}

void TfrmMain::readFolder(const QString& folder) {
    currentFolder_ = folder;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    status_ = config::openAircraftFolder(toPath(folder), env_.programFolder, model_);
    panels_->refresh(status_.encoding);
    mainPage_->showStatus(status_);
    updateUnsavedMark();
    QApplication::restoreOverrideCursor();
    if (!status_.readError.empty())
        MessageDlgCtr(this, fromUtf8(status_.readError), MsgDlgType::Error, QMessageBox::Ok);
}

void TfrmMain::ReadCfg() {
    readFolder(currentFolder_);
}

void TfrmMain::browseForFolder() {
    playClick(0);
    const QString start = selectedFolder_.isEmpty() ? QDir::homePath() : selectedFolder_;
    const QString folder =
        QFileDialog::getExistingDirectory(this, QStringLiteral("Choose an aircraft folder"), start);
    if (!folder.isEmpty()) DirComboPathChange(folder);
}

void TfrmMain::findAircraft() {
    playClick(0);
    AircraftPicker picker(env_.simulatorFolder(), this);
    if (picker.exec() == QDialog::Accepted && !picker.chosenFolder().isEmpty())
        DirComboPathChange(picker.chosenFolder());
}

// ---- save and restore ---------------------------------------------------------------------

bool TfrmMain::offerSave() {
    if (!model_.unsavedChanges) return true;
    if (!btnSaveClick()) return false;
    model_.unsavedChanges = false;
    updateUnsavedMark();
    return true;
}

void TfrmMain::updateUnsavedMark() {
    lbUnsaved_->setVisible(model_.unsavedChanges);
}

void TfrmMain::lvDblClick(SectionView* view, int row) {
    if (!view || row < 0) return;
    config::SectionTable& table = model_.table(view->def());
    if (row >= static_cast<int>(table.rows.size())) return;
    const config::Row& r = table.rows[static_cast<std::size_t>(row)];
    // HndTheVal
    std::string value = r.value;
    const bool removeComments = settingsPage_->removeComments();
    if (removeComments) value = config::TrimRec(value);
    editTarget_ = {&view->def(), row};
    editValue_->open(fromUtf8(r.caption), fromFileText(value, status_.encoding), removeComments);
}

void TfrmMain::ApplyChanges(const QString& text) {
    if (!editTarget_.def) return;
    config::SectionTable& table = model_.table(*editTarget_.def);
    model_.setValue(table, static_cast<std::size_t>(editTarget_.row), toFileText(text, status_.encoding));
    if (SectionTableModel* m = panels_->tableModel(table)) m->markEdited(editTarget_.row);
    if (editTarget_.def->kind == config::TableKind::Variation) panels_->refreshVariationLists();
    updateUnsavedMark();
}

bool TfrmMain::btnSaveClick() {
    GuiPrompter prompter(this, env_.sounds.get());
    save::FileStore files;
    const save::SaveContext ctx{toPath(currentFolder_), &model_, status_.encoding,
                                settingsPage_->removeBlanks()};
    // The question shows, behind "Show Details...", the lines the save would change.
    const save::MergedFile merged = save::mergeAircraftFile(ctx, files);
    if (merged.ok) {
        const std::string diff = save::mergedDiff(merged);
        prompter.setDetails(diff.empty() ? QStringLiteral("No line of aircraft.cfg changes.")
                                         : fromUtf8(diff));
    }
    const save::CommandResult result = save::btnSaveClick(ctx, prompter, files);
    if (result.outcome == save::Outcome::Failed) return false;
    if (result.outcome == save::Outcome::Done && onSaved) onSaved();
    if (result.reread) ReadCfg();
    updateUnsavedMark();
    return true;
}

void TfrmMain::btnRestoreClick() {
    GuiPrompter prompter(this, env_.sounds.get());
    save::FileStore files;
    const save::SaveContext ctx{toPath(currentFolder_), &model_, status_.encoding,
                                settingsPage_->removeBlanks()};
    const save::CommandResult result = save::btnRestoreClick(ctx, prompter, files);
    if (result.outcome == save::Outcome::Done && onSaved) onSaved();
    if (result.reread) ReadCfg();
}

} // namespace rivetbench::app
