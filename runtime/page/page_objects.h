#pragma once
// The page's objects, one array per kind as the window's control arrays hold them:
// element 0 is the template and never an object; unloading leaves a hole.
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "runtime/page/page_object.h"

namespace pemo::page {

class PageObjects {
 public:
  // The kinds in the order the page walks them (frames after what they may contain).
  static const std::array<ObjectKind, 9>& kinds();

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
  void setTemplateFont(const menufile::Font& font) { templateFont_ = font; }

 private:
  std::vector<std::optional<PageObject>>& array(ObjectKind kind);
  const std::vector<std::optional<PageObject>>& array(ObjectKind kind) const;
  std::array<std::vector<std::optional<PageObject>>, 9> arrays_;
  menufile::Font templateFont_;
};

}  // namespace pemo::page
