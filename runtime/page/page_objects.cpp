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

PageObjects::PageObjects() {
  for (ObjectKind kind : kinds()) {
    PageObject templ;
    templ.kind = kind;
    arrays_.emplace_back(templ);
  }
}

PageObjects::Array& PageObjects::array(ObjectKind kind) { return arrays_[slot(kind)]; }
const PageObjects::Array& PageObjects::array(ObjectKind kind) const { return arrays_[slot(kind)]; }

PageObject& PageObjects::load(ObjectKind kind, int index) {
  Array& a = array(kind);
  return a.load(index, [&] {
    PageObject object = a.templ();
    object.index = index;
    return object;
  });
}

void PageObjects::setTemplateFont(const ui::Font& font) {
  for (ObjectKind kind : {ObjectKind::Label, ObjectKind::Button, ObjectKind::PictureButton, ObjectKind::ComboBox,
                          ObjectKind::Radio, ObjectKind::CheckBox})
    array(kind).templ().font = font;
}

void PageObjects::unload(ObjectKind kind, int index) { array(kind).unload(index); }

void PageObjects::clear() {
  for (auto& a : arrays_) a.unloadAll();
}

PageObject* PageObjects::find(ObjectKind kind, int index) { return array(kind).find(index); }
const PageObject* PageObjects::find(ObjectKind kind, int index) const { return array(kind).find(index); }

int PageObjects::count(ObjectKind kind) const { return array(kind).upperBound() + 1; }

bool PageObjects::empty() const {
  for (const auto& a : arrays_)
    if (a.upperBound() > 0) return false;
  return true;
}

void PageObjects::forEach(const std::function<void(PageObject&)>& f) {
  for (auto& a : arrays_) a.forEachLoaded([&](int, PageObject& object) { f(object); });
}

void PageObjects::forEach(const std::function<void(const PageObject&)>& f) const {
  for (const auto& a : arrays_) a.forEachLoaded([&](int, const PageObject& object) { f(object); });
}

}  // namespace pemo::page
