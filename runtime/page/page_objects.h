#pragma once
// The page's objects, one element array per kind as the window's control arrays hold
// them: element 0 is the template and never an object; unloading leaves a hole.
#include <array>
#include <functional>
#include <vector>

#include "platform/ui/element_array.h"
#include "runtime/page/page_object.h"

namespace pemo::page {

class PageObjects {
 public:
  // The kinds in the order the page walks them (frames after what they may contain).
  static const std::array<ObjectKind, 9>& kinds();

  PageObjects();

  // Loads element `index` (1 and up) of the kind, replacing nothing that is loaded.
  PageObject& load(ObjectKind kind, int index);
  void unload(ObjectKind kind, int index);
  // Unloads every element, objects before the frames that hold them.
  void clear();

  PageObject* find(ObjectKind kind, int index);
  const PageObject* find(ObjectKind kind, int index) const;
  // One past the highest loaded element (1 for only the template), as a control array counts.
  int count(ObjectKind kind) const;
  bool empty() const;

  void forEach(const std::function<void(PageObject&)>& f);
  void forEach(const std::function<void(const PageObject&)>& f) const;

  // The font of the templates of labels, buttons, picture buttons, combo boxes, radio
  // buttons and check boxes: a new element of those kinds starts with it, and the
  // font keys of its block change it.
  void setTemplateFont(const ui::Font& font);

 private:
  using Array = ui::ElementArray<PageObject>;
  Array& array(ObjectKind kind);
  const Array& array(ObjectKind kind) const;
  std::vector<Array> arrays_;  // in the order of kinds()
};

}  // namespace pemo::page
