#include "editor/app/nav_tree.h"

#include "editor/app/gui_text.h"
#include "editor/config/catalogue.h"

#include <QHeaderView>
#include <vector>

namespace rivetbench::app {
namespace {
constexpr int kIndexRole = Qt::UserRole + 1;
}

NavTree::NavTree(QWidget* parent) : QTreeWidget(parent) {
    setObjectName("treeSectNav");
    setHeaderHidden(true);
    setColumnCount(1);
    setMouseTracking(true); // the pointer highlights the node under it
    setUniformRowHeights(true);
    setIndentation(14);
    setMinimumWidth(213);
    setMaximumWidth(260);
    const auto& cat = config::Catalogue::instance();
    auto* rootItem = new QTreeWidgetItem(this, QStringList(fromUtf8(cat.rootText())));
    rootItem->setData(0, kIndexRole, 0);
    rootItem->setIcon(0, QIcon(QStringLiteral(":/icons/tree_root.svg")));
    QIcon nodeIcon(QStringLiteral(":/icons/tree_node.svg"));
    nodeIcon.addFile(QStringLiteral(":/icons/tree_node_selected.svg"), {}, QIcon::Selected);
    std::vector<QTreeWidgetItem*> byIndex(config::Catalogue::kTreeNodes + 1, nullptr);
    byIndex[0] = rootItem;
    for (const config::TreeNode& n : cat.treeNodes()) {
        QTreeWidgetItem* parentItem = byIndex[static_cast<std::size_t>(n.parent)];
        auto* item = new QTreeWidgetItem(parentItem, QStringList(fromUtf8(n.text)));
        item->setData(0, kIndexRole, n.index);
        item->setIcon(0, nodeIcon);
        byIndex[static_cast<std::size_t>(n.index)] = item;
    }
    connect(this, &QTreeWidget::currentItemChanged, this, &NavTree::onCurrentChanged);
    connect(this, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { emit nodeChosen(absoluteIndex(item)); });
}

int NavTree::absoluteIndex(const QTreeWidgetItem* item) {
    return item ? item->data(0, kIndexRole).toInt() : -1;
}

QTreeWidgetItem* NavTree::node(int index) const {
    QTreeWidgetItemIterator it(const_cast<NavTree*>(this));
    for (; *it; ++it)
        if (absoluteIndex(*it) == index) return *it;
    return nullptr;
}

void NavTree::SetNodeBoldState(QTreeWidgetItem* item, bool bold) {
    if (!item) return;
    QFont f = item->font(0);
    f.setBold(bold);
    item->setFont(0, f);
}

void NavTree::expandAllFromRoot() {
    expandAll();
}

void NavTree::collapseAllFromRoot() {
    collapseAll();
}

void NavTree::onCurrentChanged(QTreeWidgetItem* current, QTreeWidgetItem* /*previous*/) {
    if (!current) return;
    // Fold the branch opened by the last choice unless the new node lies inside it.
    if (autoFold_ && expandedBranch_ && expandedBranch_ != current && expandedBranch_ != root()) {
        bool inside = false;
        for (QTreeWidgetItem* p = current->parent(); p; p = p->parent())
            inside = inside || p == expandedBranch_;
        if (!inside) expandedBranch_->setExpanded(false);
    }
    if (current->childCount() > 0) {
        current->setExpanded(true);
        expandedBranch_ = current;
    }
    emit nodeChosen(absoluteIndex(current));
}

} // namespace rivetbench::app
