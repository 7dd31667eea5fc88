#include "runtime/page/page_objects.h"

#include <stdexcept>

#include "menufile/control_kind.h"
#include "menufile/values.h"
#include "platform/text/numbers.h"

namespace pemo::page {

ui::ControlGeometry PageObject::geometry() const {
  return {left, top, width, height, x1, y1, x2, y2, borderWidth};
}

ui::ControlLook PageObject::look() const {
  ui::ControlLook look;
  look.kind = menufile::controlKindOf(kind);
  look.geometry = geometry();
  look.caption = caption;
  look.foreColor = foreColor;
  look.backColor = backColor;
  look.font = font;
  look.picture = picture;
  look.stretch = stretch;
  look.state = value;
  look.visible = visible;
  look.enabled = enabled;
  return look;
}

int PageObject::linkStyle() const {
  return menufile::linkStyleOf(kind == ObjectKind::Label ? text::Val(styleText) : style);
}

const std::array<ObjectKind, 9>& PageObjects::kinds() {
  static const std::array<ObjectKind, 9> order{ObjectKind::Image, ObjectKind::Label,    ObjectKind::Button,
                                               ObjectKind::PictureButton, ObjectKind::Radio,
                                               ObjectKind::CheckBox, ObjectKind::ComboBox, ObjectKind::Line,
                                               ObjectKind::Frame};
  return order;
}

namespace {
size_t slot(ObjectKind kind) {
  const auto& k = PageObjects::kinds();
  for (size_t i = 0; i < k.size(); ++i)
    if (k[i] == kind) return i;
  throw std::invalid_argument("not a page object kind");
}
}  // namespace

std::vector<std::optional<PageObject>>& PageObjects::array(ObjectKind kind) { return arrays_[slot(kind)]; }
const std::vector<std::optional<PageObject>>& PageObjects::array(ObjectKind kind) const {
  return arrays_[slot(kind)];
}

PageObject& PageObjects::load(ObjectKind kind, int index) {
  if (index < 1) throw std::out_of_range("element 0 is the template");
  auto& a = array(kind);
  if (a.size() <= static_cast<size_t>(index)) a.resize(index + 1);
  if (!a[index]) {
    a[index].emplace();
    a[index]->kind = kind;
    a[index]->index = index;
    if (kind == ObjectKind::Label || kind == ObjectKind::Button || kind == ObjectKind::PictureButton ||
        kind == ObjectKind::ComboBox || kind == ObjectKind::Radio || kind == ObjectKind::CheckBox)
      a[index]->font = templateFont_;
  }
  return *a[index];
}

void PageObjects::unload(ObjectKind kind, int index) {
  auto& a = array(kind);
  if (index < 1 || static_cast<size_t>(index) >= a.size()) return;
  a[index].reset();
  while (!a.empty() && !a.back()) a.pop_back();
}

void PageObjects::clear() {
  for (auto& a : arrays_) a.clear();
}

PageObject* PageObjects::find(ObjectKind kind, int index) {
  auto& a = array(kind);
  if (index < 1 || static_cast<size_t>(index) >= a.size() || !a[index]) return nullptr;
  return &*a[index];
}

const PageObject* PageObjects::find(ObjectKind kind, int index) const {
  return const_cast<PageObjects*>(this)->find(kind, index);
}

int PageObjects::count(ObjectKind kind) const {
  const auto& a = array(kind);
  return a.empty() ? 1 : static_cast<int>(a.size());
}

bool PageObjects::empty() const {
  for (const auto& a : arrays_)
    if (!a.empty()) return false;
  return true;
}

void PageObjects::forEach(const std::function<void(PageObject&)>& f) {
  for (auto& a : arrays_)
    for (auto& o : a)
      if (o) f(*o);
}

void PageObjects::forEach(const std::function<void(const PageObject&)>& f) const {
  for (const auto& a : arrays_)
    for (const auto& o : a)
      if (o) f(*o);
}

}  // namespace pemo::page
