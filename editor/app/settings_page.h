#pragma once

#include "editor/app/settings.h"

#include <QWidget>
#include <functional>

class QCheckBox;
class QLineEdit;
class QToolButton;

namespace rivetbench::app {

class UiSounds;

// pnlSettings: the option check boxes, the three read-only paths and the tools. While the window
// runs, these controls are the settings.
class SettingsPage : public QWidget {
    Q_OBJECT
  public:
    SettingsPage(UiSounds* sounds, QWidget* parent = nullptr);

    void load(const Settings& settings);
    void store(Settings& settings) const;

    bool removeComments() const;
    bool removeBlanks() const;
    bool expandTree() const;
    bool minimize() const;

    // Where the file dialogs start; asked when a button is pressed.
    std::function<std::filesystem::path()> fsDocsFolder;
    std::function<std::filesystem::path()> fsxFolder;

  signals:
    void expandTreeChanged(bool expand);
    void editCurrentRequested();
    void editOriginalRequested();
    void centreRequested();
    void launchAirEditorRequested();

  private:
    QCheckBox* addCheck(const char* name, const char* text, bool on);
    void btnSelFlightFileClick();
    void btnSelFSXExeClick();
    void btnSelAirFileEditorClick();

    UiSounds* sounds_;
    QCheckBox* minCheckBox_;
    QCheckBox* cbTreeExpand_;
    QCheckBox* cbRemoveComments_;
    QCheckBox* cbRemoveBlanks_;
    QLineEdit* edFlightFileName_;
    QLineEdit* edFSXExePath_;
    QLineEdit* edFSEditPath_;
};

} // namespace rivetbench::app
