#pragma once
// The menu tree `TV` as the link actions walk it: nodes numbered from 1 in the order
// they were added, each with its menu file.
#include <QTreeWidget>
#include <vector>

#include "runtime/page/link_ports.h"

namespace pemo::shell {

class MenuTreePane : public page::MenuTreePort {
 public:
  explicit MenuTreePane(QTreeWidget* tree) : tree_(tree) {}
  void setNodes(const std::vector<page::MenuTreeNode>& nodes);
  // The node an item of the tree stands for (0 for none).
  int nodeOf(const QTreeWidgetItem* item) const;

  int selectedNode() override;
  int parentOf(int node) override;
  std::vector<int> childrenOf(int node) override;
  std::string nodeFile(int node) override;
  void selectAndExpand(int node) override;

 private:
  QTreeWidget* tree_;
  std::vector<page::MenuTreeNode> nodes_;
  std::vector<QTreeWidgetItem*> items_;
};

}  // namespace pemo::shell
