#pragma once

#include <QTreeWidget>

namespace rivetbench::app {

// treeSectNav: the root "Aircraft.Cfg" and the 54 section nodes, two levels deep. Choosing a node
// expands it and folds the branch opened before.
class NavTree : public QTreeWidget {
    Q_OBJECT
  public:
    explicit NavTree(QWidget* parent = nullptr);
    // The node's absolute index, counted depth-first from the root (0).
    static int absoluteIndex(const QTreeWidgetItem* item);
    QTreeWidgetItem* node(int index) const;
    QTreeWidgetItem* root() const { return topLevelItem(0); }
    void SetNodeBoldState(QTreeWidgetItem* node, bool bold);
    void expandAllFromRoot();
    void collapseAllFromRoot();
    // With the tree kept expanded nothing is folded on a choice.
    void setAutoFold(bool fold) { autoFold_ = fold; }

  signals:
    void nodeChosen(int index); // treeSectNavClick / treeSectNavChange

  private:
    void onCurrentChanged(QTreeWidgetItem* current, QTreeWidgetItem* previous);
    QTreeWidgetItem* expandedBranch_ = nullptr;
    bool autoFold_ = false;
};

} // namespace rivetbench::app
