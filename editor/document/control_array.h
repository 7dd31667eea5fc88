#pragma once
// The objects of one kind: element 0 is the design template of the kind and never a
// menu object; objects are elements 1 and up, loaded as hidden copies of the template,
// with holes where objects were deleted.
#include "editor/document/menu_object.h"
#include "platform/ui/element_array.h"

namespace pemo::editor {

class ControlArray : public ui::ElementArray<MenuObject> {
 public:
  explicit ControlArray(ObjectKind kind) : ElementArray(templateObject(kind)) {}

  ObjectKind kind() const { return templ().kind; }
};

}  // namespace pemo::editor
