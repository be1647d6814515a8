#pragma once

#include "editor/app/app_environment.h"
#include "editor/app/settings.h"
#include "editor/config/aircraft_folder.h"
#include "editor/config/aircraft_model.h"

#include <QWidget>
#include <functional>

class QLabel;
class QPushButton;
class QStackedWidget;
class QToolButton;

namespace rivetbench::app {

class MainPage;
class NavTree;
class SectionPanels;
class SettingsPage;
class TfrmAbout;
class TfrmEditValue;
class SectionView;

// The one main window: the Main, Config and Settings pages, the icon bar, the links and the bottom
// buttons. It owns the aircraft model and shows it; reading and saving are the libraries' work.
class TfrmMain : public QWidget {
    Q_OBJECT
  public:
    explicit TfrmMain(AppEnvironment& env, QWidget* parent = nullptr);
    ~TfrmMain() override;

    config::AircraftModel& model() { return model_; }
    const config::FolderStatus& folderStatus() const { return status_; }
    AppEnvironment& environment() { return env_; }
    SectionPanels& panels() { return *panels_; }

    // Page and panel switching.
    void imgMainIcoClick();
    void imgConfigClick();
    void imgSettingsClick();
    void ShowPanel(QWidget* panel);
    void ShowMainPanel();
    void ShowSettingsPanel();
    void HideAllPanels();
    QWidget* currentSectionPanel() const { return currentSectionPanel_; }

    // DirComboPathChange: the folder selector accepted a folder; the model is read from it.
    void DirComboPathChange(const QString& path);
    // ReadCfg on the current folder, with the status fields.
    void ReadCfg();
    // Save and Restore; false when a save failed (the caller then stays where it is).
    bool btnSaveClick();
    void btnRestoreClick();
    // The save offer made before the model is left: true when the caller may go on.
    bool offerSave();

    // lv<Table>DblClick for every table: opens TfrmEditValue on the row (HndTheVal included).
    void lvDblClick(SectionView* view, int row);
    TfrmEditValue* editValueDialog() const { return editValue_; }

    QString currentAircraftFolder() const { return currentFolder_; }
    QString selectedFolder() const { return selectedFolder_; }

    // What launches other programs or windows is plugged in here; a control whose hook is not set
    // is disabled rather than left doing nothing.
    std::function<void()> onFsx;
    std::function<void()> onHelp;
    std::function<void()> onNews;
    std::function<void()> onEditCurrent;
    std::function<void()> onEditOriginal;
    std::function<void()> onLaunchAirEditor;
    std::function<void()> onSdkNote;
    std::function<void()> onHintEdit; // the edit dialog's hint icon
    std::function<void()> onSaved; // after a save or restore wrote aircraft.cfg (the raw editor reloads)
    void enableHookedControls();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void FormCreate();
    void FormShow();
    bool FormCloseQuery();
    void FormClose();
    QWidget* buildHeader();
    QWidget* buildBottom();
    void buildShortcuts();
    void treeNodeChosen(int index);
    void leaveConfigFor(QWidget* page);
    void showSectionLinks(bool show);
    void syncPageButtons();
    void readFolder(const QString& folder);
    void browseForFolder();
    void findAircraft();
    void centreOnDesktop();
    void loadRecentFolders();
    void saveRecentFolders();
    QString startFolder(const Settings& settings);
    void playClick(int index);
    void ApplyChanges(const QString& text);
    void updateUnsavedMark();

    AppEnvironment& env_;
    config::AircraftModel model_;
    config::FolderStatus status_;
    Settings settings_;
    bool shown_ = false;
    bool firstConfigVisit_ = true;
    QString currentFolder_;  // the folder read last (LastCfg at start)
    QString selectedFolder_; // the selector's accepted path; written as LastCfg

    MainPage* mainPage_ = nullptr;
    SettingsPage* settingsPage_ = nullptr;
    NavTree* tree_ = nullptr;
    QStackedWidget* stack_ = nullptr;
    SectionPanels* panels_ = nullptr;
    QWidget* currentSectionPanel_ = nullptr;
    QWidget* sectionLinks_ = nullptr;
    QWidget* configPage_ = nullptr;
    TfrmAbout* about_ = nullptr;
    TfrmEditValue* editValue_ = nullptr;
    QLabel* lbUnsaved_ = nullptr;
    struct EditTarget {
        const config::TableDef* def = nullptr;
        int row = -1;
    } editTarget_; // the row the dialog was opened on
    QLabel* lbMainTitle_ = nullptr;
};

} // namespace rivetbench::app
