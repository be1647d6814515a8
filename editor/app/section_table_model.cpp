#include "editor/app/section_table_model.h"

#include "editor/app/gui_text.h"

#include <QFont>

namespace rivetbench::app {

SectionTableModel::SectionTableModel(const config::SectionTable& table, QObject* parent)
    : QAbstractTableModel(parent), table_(table) {}

int SectionTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(table_.rows.size());
}

int SectionTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 2;
}

QVariant SectionTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const config::Row& row = table_.rows[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        // Captions are our own ASCII; values are the file's bytes.
        return index.column() == 0 ? fromUtf8(row.caption) : fromFileText(row.value, encoding_);
    case Qt::FontRole:
        if (edited_.contains(index.row())) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    case Qt::ToolTipRole:
        return index.column() == 0 ? QString::fromLatin1("%1=").arg(fromUtf8(row.key))
                                   : fromFileText(row.value, encoding_);
    default:
        return {};
    }
}

QVariant SectionTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    return section == 0 ? QStringLiteral("Parameter") : QStringLiteral("Value");
}

void SectionTableModel::markEdited(int row) {
    edited_.insert(row);
    emit dataChanged(index(row, 0), index(row, 1));
}

void SectionTableModel::clearEdited() {
    edited_.clear();
    refresh();
}

void SectionTableModel::refresh() {
    beginResetModel();
    endResetModel();
}

} // namespace rivetbench::app
