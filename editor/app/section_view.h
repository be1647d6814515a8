#pragma once

#include <QTableView>

namespace rivetbench::config {
struct TableDef;
}

namespace rivetbench::app {

class SectionTableModel;

// The one table widget every section is shown in: a two-column report list with whole-row
// selection; values change only through the edit dialog.
class SectionView : public QTableView {
    Q_OBJECT
  public:
    SectionView(const config::TableDef& def, SectionTableModel* model, QWidget* parent = nullptr);
    const config::TableDef& def() const { return def_; }
    SectionTableModel* sectionModel() const { return model_; }

  signals:
    void rowActivated(int row); // double-click or Enter on a row

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    const config::TableDef& def_;
    SectionTableModel* model_;
};

} // namespace rivetbench::app
