#pragma once
// The objects of one kind: element 0 is the design template and never a menu object;
// objects are elements 1 and up, with holes where objects were deleted.
#include <optional>
#include <vector>

#include "editor/document/menu_object.h"

namespace pemo::editor {

class ControlArray {
 public:
  explicit ControlArray(ObjectKind kind);

  ObjectKind kind() const { return kind_; }
  const MenuObject& templateElement() const { return *elements_[0]; }

  // Loads element index (1 and up) as a copy of the template, hidden. An element that
  // already exists is left as it is. Returns the element.
  MenuObject& load(int index);
  void unload(int index);
  bool exists(int index) const;
  // Highest index in use (0 when the kind has no object).
  int upperBound() const;
  // The lowest index from 1 up that holds no object.
  int firstFreeIndex() const;
  // Number of objects (holes and the template not counted).
  int count() const;

  // Element access; the element must exist.
  MenuObject& at(int index);
  const MenuObject& at(int index) const;
  MenuObject* find(int index);
  const MenuObject* find(int index) const;

 private:
  ObjectKind kind_;
  std::vector<std::optional<MenuObject>> elements_;
};

}  // namespace pemo::editor
