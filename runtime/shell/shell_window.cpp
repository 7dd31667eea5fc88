#include "runtime/shell/shell_window.h"

namespace pemo::shell {

void MenuTreeView::setNodes(std::vector<page::MenuTreeNode> nodes) {
  nodes_ = std::move(nodes);
  // Each node's children, so that walking a tree of many thousand nodes stays linear.
  children_.assign(nodes_.size() + 1, {});
  for (size_t i = 0; i < nodes_.size(); ++i) {
    int parent = nodes_[i].parent;
    if (parent >= 1 && parent <= static_cast<int>(nodes_.size())) children_[parent].push_back(static_cast<int>(i + 1));
  }
  showNodes(nodes_);
}

const page::MenuTreeNode* MenuTreeView::node(int node) const {
  return node >= 1 && node <= nodeCount() ? &nodes_[node - 1] : nullptr;
}

int MenuTreeView::parentOf(int n) {
  const page::MenuTreeNode* found = node(n);
  return found ? found->parent : 0;
}

std::vector<int> MenuTreeView::childrenOf(int n) { return node(n) ? children_[n] : std::vector<int>{}; }

std::string MenuTreeView::nodeFile(int n) {
  const page::MenuTreeNode* found = node(n);
  return found ? found->file : std::string();
}

}  // namespace pemo::shell
