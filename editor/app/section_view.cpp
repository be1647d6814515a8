#include "editor/app/section_view.h"

#include "editor/app/section_table_model.h"
#include "editor/config/catalogue.h"

#include <QHeaderView>
#include <QKeyEvent>

namespace rivetbench::app {

SectionView::SectionView(const config::TableDef& def, SectionTableModel* model, QWidget* parent)
    : QTableView(parent), def_(def), model_(model) {
    setObjectName(QString::fromStdString(def.name));
    setModel(model);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAlternatingRowColors(true);
    setShowGrid(false);
    setWordWrap(false);
    setTabKeyNavigation(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setStretchLastSection(true);
    setColumnWidth(0, def.parameterWidth);
    connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid()) emit rowActivated(index.row());
    });
}

void SectionView::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentIndex().isValid()) {
        emit rowActivated(currentIndex().row());
        return;
    }
    QTableView::keyPressEvent(event);
}

} // namespace rivetbench::app
