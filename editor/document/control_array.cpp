#include "editor/document/control_array.h"

#include <stdexcept>

namespace pemo::editor {

ControlArray::ControlArray(ObjectKind kind) : kind_(kind) {
  elements_.emplace_back(templateObject(kind));
}

MenuObject& ControlArray::load(int index) {
  if (index < 1) throw std::out_of_range("control array index");
  if (static_cast<size_t>(index) >= elements_.size()) elements_.resize(index + 1);
  auto& element = elements_[index];
  if (!element) {
    element = *elements_[0];
    element->visible = false;
  }
  return *element;
}

void ControlArray::unload(int index) {
  if (index < 1 || static_cast<size_t>(index) >= elements_.size()) return;
  elements_[index].reset();
  while (elements_.size() > 1 && !elements_.back()) elements_.pop_back();
}

bool ControlArray::exists(int index) const { return find(index) != nullptr; }

int ControlArray::upperBound() const { return static_cast<int>(elements_.size()) - 1; }

int ControlArray::firstFreeIndex() const {
  for (int i = 1; i <= upperBound(); ++i)
    if (!elements_[i]) return i;
  return upperBound() + 1;
}

int ControlArray::count() const {
  int n = 0;
  for (size_t i = 1; i < elements_.size(); ++i) n += elements_[i] ? 1 : 0;
  return n;
}

MenuObject& ControlArray::at(int index) {
  MenuObject* object = find(index);
  if (!object) throw std::out_of_range("no object at this index");
  return *object;
}

const MenuObject& ControlArray::at(int index) const {
  return const_cast<ControlArray*>(this)->at(index);
}

MenuObject* ControlArray::find(int index) {
  if (index < 1 || static_cast<size_t>(index) >= elements_.size() || !elements_[index])
    return nullptr;
  return &*elements_[index];
}

const MenuObject* ControlArray::find(int index) const {
  return const_cast<ControlArray*>(this)->find(index);
}

}  // namespace pemo::editor
