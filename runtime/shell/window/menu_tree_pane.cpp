#include "runtime/shell/window/menu_tree_pane.h"

namespace pemo::shell {

void MenuTreePane::setNodes(const std::vector<page::MenuTreeNode>& nodes) {
  tree_->clear();
  nodes_ = nodes;
  items_.clear();
  for (size_t i = 0; i < nodes.size(); ++i) {
    const page::MenuTreeNode& n = nodes[i];
    QTreeWidgetItem* parent = n.parent >= 1 && n.parent <= static_cast<int>(items_.size()) ? items_[n.parent - 1] : nullptr;
    auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree_);
    item->setText(0, QString::fromStdString(n.caption.empty() ? n.file : n.caption));
    item->setData(0, Qt::UserRole, static_cast<int>(i + 1));
    items_.push_back(item);
  }
  if (!items_.empty()) {
    tree_->setCurrentItem(items_[0]);
    items_[0]->setExpanded(true);
  }
}

int MenuTreePane::nodeOf(const QTreeWidgetItem* item) const { return item ? item->data(0, Qt::UserRole).toInt() : 0; }

int MenuTreePane::selectedNode() { return nodeOf(tree_->currentItem()); }

int MenuTreePane::parentOf(int node) {
  return node >= 1 && node <= static_cast<int>(nodes_.size()) ? nodes_[node - 1].parent : 0;
}

std::vector<int> MenuTreePane::childrenOf(int node) {
  std::vector<int> children;
  for (size_t i = 0; i < nodes_.size(); ++i)
    if (nodes_[i].parent == node && node != 0) children.push_back(static_cast<int>(i + 1));
  return children;
}

std::string MenuTreePane::nodeFile(int node) {
  return node >= 1 && node <= static_cast<int>(nodes_.size()) ? nodes_[node - 1].file : std::string();
}

void MenuTreePane::selectAndExpand(int node) {
  if (node < 1 || node > static_cast<int>(items_.size())) return;
  tree_->setCurrentItem(items_[node - 1]);
  items_[node - 1]->setExpanded(true);
}

}  // namespace pemo::shell
