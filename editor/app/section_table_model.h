#pragma once

#include "editor/config/section_table.h"
#include "editor/config/text_encoding.h"

#include <QAbstractTableModel>
#include <QSet>

namespace rivetbench::app {

// One section table as the two columns "Parameter" and "Value". The model reads the rows it is
// given; refresh() after the rows change.
class SectionTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    SectionTableModel(const config::SectionTable& table, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void setEncoding(config::TextEncoding encoding) { encoding_ = encoding; }
    void refresh();
    // Rows changed since the last read show in bold until the next save or read.
    void markEdited(int row);
    void clearEdited();
    bool isEdited(int row) const { return edited_.contains(row); }
    const config::SectionTable& table() const { return table_; }

  private:
    const config::SectionTable& table_;
    config::TextEncoding encoding_ = config::TextEncoding::Ansi;
    QSet<int> edited_;
};

} // namespace rivetbench::app
