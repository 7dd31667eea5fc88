#pragma once
// The object list at the top of the property window: the menu, then every object of the
// menu window, kind by kind in index order, with the table that says what each entry
// stands for.
#include <string>
#include <vector>

#include "editor/document/menu_document.h"

namespace pemo::editor::property {

struct ObjectList {
  std::vector<std::string> entries;
  std::vector<ObjectRef> table;  // one row per entry; row 0 is the menu, (0, 0)
  // The entry that stands for the object; -1 when none does.
  int position(ObjectRef object) const;
};

ObjectList buildObjectList(const MenuDocument& document);

}  // namespace pemo::editor::property
