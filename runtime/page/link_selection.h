#pragma once
// The ordered selection of links that the selection styles collect and run: one item
// per object, "kind,index,link", in the order of the clicks.
#include <string>
#include <vector>

#include "menufile/types.h"

namespace pemo::page {

struct SelectionItem {
  menufile::ObjectKind kind;
  int index;
  std::string link;  // everything after the second comma, commas included
};

class LinkSelection {
 public:
  const std::vector<std::string>& items() const { return items_; }
  bool empty() const { return items_.empty(); }
  int count() const { return static_cast<int>(items_.size()); }
  void append(menufile::ObjectKind kind, int index, const std::string& link);
  void remove(int position);
  void clear() { items_.clear(); }

  // An item taken apart.
  static SelectionItem parse(const std::string& item);

 private:
  std::vector<std::string> items_;
};

// The caption without its position number: the text after its first blank (a caption
// without a blank is left as it is).
std::string withoutPositionPrefix(const std::string& caption);

}  // namespace pemo::page
