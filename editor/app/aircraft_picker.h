#pragma once

#include <QDialog>
#include <filesystem>
#include <memory>

class QLabel;
class QLineEdit;
class QProgressBar;
class QSortFilterProxyModel;
class QStandardItemModel;
class QTreeView;
class QPushButton;

namespace rivetbench::app {

// Lists every aircraft under the simulator's SimObjects by its title, filtered as the user types.
// The scan runs on a worker thread; the window stays responsive and shows its progress.
class AircraftPicker : public QDialog {
    Q_OBJECT
  public:
    AircraftPicker(std::filesystem::path simulatorFolder, QWidget* parent = nullptr);
    ~AircraftPicker() override;

    QString chosenFolder() const { return chosen_; }
    // Starts a scan of another simulator folder (the user's choice when none was found).
    void scan(const std::filesystem::path& simulatorFolder);
    bool scanning() const;

  signals:
    void scanFinished(int count);

  private:
    void chooseSimulatorFolder();
    void accept() override;
    struct Worker;
    std::unique_ptr<Worker> worker_;
    QLineEdit* edFilter_;
    QTreeView* lvAircraft_;
    QStandardItemModel* items_;
    QSortFilterProxyModel* filter_;
    QProgressBar* progress_;
    QLabel* status_;
    QPushButton* open_;
    QString chosen_;
};

} // namespace rivetbench::app
