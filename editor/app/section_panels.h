#pragma once

#include "editor/config/aircraft_model.h"
#include "editor/config/text_encoding.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <vector>

class QComboBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QStackedWidget;
class QWidget;

namespace rivetbench::app {

class SectionTableModel;
class SectionView;
class UiSounds;

// The 54 section panels of the Config page, built from the catalogue: one generic panel per tree
// node holding its table view, plus the variation choice, the description and performance boxes.
class SectionPanels : public QObject {
    Q_OBJECT
  public:
    SectionPanels(config::AircraftModel& model, UiSounds* sounds, QStackedWidget* stack);

    QWidget* panel(const QString& name) const { return panels_.value(name); }
    QWidget* panelForNode(int index) const;
    const std::vector<QWidget*>& all() const { return order_; }
    SectionView* view(const config::SectionTable& table) const;
    SectionView* view(const QString& name) const;

    // After a read: the tables, the variation lists, the boxes and the flap captions.
    void refresh(config::TextEncoding encoding);
    // ShowAcftGroupBox: shows variation table n, hides the other 59.
    void ShowAcftGroupBox(int n);
    void setVersionNumber(const QString& text);
    // The lists follow the titles in the records (an edited title shows at once).
    void refreshVariationLists();
    SectionTableModel* tableModel(const config::SectionTable& table) const;
    config::TextEncoding encoding() const { return encoding_; }

  signals:
    void rowActivated(SectionView* view, int row);
    void textBoxEdited(); // the description or performance box changed by the user

  private:
    QWidget* buildPanel(const config::TreeNode& node);
    QGroupBox* buildGroup(QWidget* panel, const config::TreeNode& node);
    SectionView* addView(const config::TableDef& def, QWidget* parent);
    void buildFltsim(QGroupBox* group);
    void buildDescription(QGroupBox* group);
    void buildGeneral(QGroupBox* group);
    void cbAcftVersionChange(int position);
    void cbAcftVersionDescChange(int position);
    void memDescriptionChange();
    void memPerformanceChange();

    config::AircraftModel& model_;
    UiSounds* sounds_;
    QStackedWidget* stack_;
    config::TextEncoding encoding_ = config::TextEncoding::Ansi;
    QHash<QString, QWidget*> panels_;
    QHash<QString, QGroupBox*> groups_;
    std::vector<QWidget*> order_;
    std::vector<SectionView*> views_; // in catalogue table order
    std::vector<SectionTableModel*> models_;
    QComboBox* cbAcftVersion_ = nullptr;
    QComboBox* cbAcftVersionDesc_ = nullptr;
    QLabel* versionNumberLabel_ = nullptr;
    QLabel* versionNumberDescLabel_ = nullptr;
    QPlainTextEdit* memDescription_ = nullptr;
    QPlainTextEdit* memPerformance_ = nullptr;
    bool filling_ = false; // boxes and lists set from code do not count as the user's change
};

// A stored group caption as the panel shows it: "General:" becomes "[General]:", while a caption
// that already begins with "[" stays.
QString shownGroupCaption(const QString& stored);

} // namespace rivetbench::app
