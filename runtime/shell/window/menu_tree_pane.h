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
  // Gives the items their pictures, once the tree shows. Looking them up in the
  // desktop's icon theme is a good part of a start that shows no tree at all.
  void showIcons();

 protected:
  void showNodes(const std::vector<page::MenuTreeNode>& nodes) override;

 private:
  QTreeWidgetItem* itemOf(int node) const;

  QTreeWidget* tree_;
  std::vector<QTreeWidgetItem*> items_;
  std::vector<page::MenuTreeNodeKind> kinds_;  // of items_, for their pictures
  bool iconsShown_ = false;
};

}  // namespace pemo::shell
