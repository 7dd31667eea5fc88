#pragma once
// The menu tree `TV`: one item per node, in the order the nodes were added, with the
// pictures of their kinds.
#include <QTreeWidget>
#include <vector>

#include "runtime/shell/shell_window.h"

namespace pemo::shell {

class MenuTreePane : public MenuTreeView {
 public:
  explicit MenuTreePane(QTreeWidget* tree) : tree_(tree) {}
  // The node an item of the tree stands for (0 for none).
  int nodeOf(const QTreeWidgetItem* item) const;

  int selectedNode() override;
  void selectAndExpand(int node) override;
  void select(int node) override;

 protected:
  void showNodes(const std::vector<page::MenuTreeNode>& nodes) override;

 private:
  QTreeWidgetItem* itemOf(int node) const;

  QTreeWidget* tree_;
  std::vector<QTreeWidgetItem*> items_;
};

}  // namespace pemo::shell
