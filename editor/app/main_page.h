#pragma once

#include "editor/config/aircraft_folder.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace rivetbench::app {

class UiSounds;

// pnlMain: the aircraft folder selector and what was found in the folder.
class MainPage : public QWidget {
    Q_OBJECT
  public:
    explicit MainPage(UiSounds* sounds, QWidget* parent = nullptr);

    // The status fields, marks and thumbnail of a folder just read.
    void showStatus(const config::FolderStatus& status);
    void setOriginalMark(const QString& mark);

    // The folder selector: the path shown and the recent folders below it.
    QString selectedPath() const;
    void setSelectedPath(const QString& path);
    QStringList recentFolders() const;
    void setRecentFolders(const QStringList& folders);

  signals:
    void folderChosen(const QString& path); // the user picked or typed a folder
    void browseRequested();
    void findAircraftRequested();

  private:
    void commitTypedPath();

    UiSounds* sounds_;
    QComboBox* dirCombo_;
    QPushButton* btnBrowse_;
    QPushButton* btnFindAircraft_;
    QLabel* cfgPathLabel_;
    QLabel* imgAcftThumb_;
    QLineEdit* titleEdit_;
    QLineEdit* manEdit_;
    QLineEdit* airFileEdit_;
    QLabel* labelVariations_;
    QLabel* labelOriginal_;
    QLabel* loadwrightLabel_;
};

} // namespace rivetbench::app
