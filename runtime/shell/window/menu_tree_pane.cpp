#include "runtime/shell/window/menu_tree_pane.h"

#include <QApplication>
#include <QSignalBlocker>
#include <QStyle>

namespace pemo::shell {
namespace {

using Kind = page::MenuTreeNodeKind;

// The pictures of the node kinds: the start menu, a linked menu (open while selected),
// a program and a missing file, from the desktop's style.
QIcon nodeIcon(Kind kind) {
  QStyle* style = QApplication::style();
  switch (kind) {
    case Kind::Root: return style->standardIcon(QStyle::SP_DirHomeIcon);
    case Kind::LinkedMenu: {
      QIcon icon = style->standardIcon(QStyle::SP_DirClosedIcon);
      for (int size : {16, 32}) icon.addPixmap(style->standardIcon(QStyle::SP_DirOpenIcon).pixmap(size), QIcon::Selected);
      return icon;
    }
    case Kind::Program: return style->standardIcon(QStyle::SP_FileIcon);
    case Kind::MissingMenu: return style->standardIcon(QStyle::SP_MessageBoxWarning);
  }
  return {};
}

}  // namespace

void MenuTreePane::showNodes(const std::vector<page::MenuTreeNode>& nodes) {
  tree_->clear();
  items_.clear();
  items_.reserve(nodes.size());
  kinds_.clear();
  iconsShown_ = false;
  QList<QTreeWidgetItem*> tops;
  for (size_t i = 0; i < nodes.size(); ++i) {
    const page::MenuTreeNode& n = nodes[i];
    QTreeWidgetItem* parent = itemOf(n.parent);
    auto* item = new QTreeWidgetItem(parent);
    if (!parent) tops.push_back(item);
    item->setText(0, QString::fromStdString(n.caption));
    item->setData(0, Qt::UserRole, static_cast<int>(i + 1));
    items_.push_back(item);
    kinds_.push_back(n.kind);
  }
  tree_->addTopLevelItems(tops);
  if (tree_->isVisible()) showIcons();
}

void MenuTreePane::showIcons() {
  if (iconsShown_) return;
  iconsShown_ = true;
  const QIcon icons[] = {nodeIcon(Kind::Root), nodeIcon(Kind::LinkedMenu), nodeIcon(Kind::MissingMenu),
                         nodeIcon(Kind::Program)};
  for (size_t i = 0; i < items_.size(); ++i) items_[i]->setIcon(0, icons[static_cast<int>(kinds_[i])]);
}

QTreeWidgetItem* MenuTreePane::itemOf(int node) const {
  return node >= 1 && node <= static_cast<int>(items_.size()) ? items_[node - 1] : nullptr;
}

int MenuTreePane::nodeOf(const QTreeWidgetItem* item) const { return item ? item->data(0, Qt::UserRole).toInt() : 0; }

int MenuTreePane::selectedNode() { return nodeOf(tree_->currentItem()); }

void MenuTreePane::select(int node) {
  if (QTreeWidgetItem* item = itemOf(node)) {
    // The tree expands the collapsed nodes above the one it makes current. Those are the
    // program's moves, not the user's expansions: told, each would open its menu.
    const QSignalBlocker quiet(tree_);
    tree_->setCurrentItem(item);
  }
}

void MenuTreePane::selectAndExpand(int node) {
  if (QTreeWidgetItem* item = itemOf(node)) {
    const QSignalBlocker quiet(tree_);
    tree_->setCurrentItem(item);
    item->setExpanded(true);
  }
}

}  // namespace pemo::shell
