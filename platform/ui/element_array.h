#pragma once
// A control array as Windows forms hold them: element 0 is the design
// template and never an element, elements 1 and up are loaded by index, and unloading
// one leaves a hole. The array ends at its highest loaded element.
#include <optional>
#include <stdexcept>
#include <utility>
#include <vector>

namespace pemo::ui {

template <class T>
class ElementArray {
 public:
  explicit ElementArray(T templ) { elements_.emplace_back(std::move(templ)); }

  T& templ() { return *elements_[0]; }
  const T& templ() const { return *elements_[0]; }

  // Loads element `index` (1 and up) as `make()` returns it, or returns the element
  // already loaded there untouched. Throws std::out_of_range below 1.
  template <class Make>
  T& load(int index, Make make) {
    if (index < 1) throw std::out_of_range("element 0 is the template");
    if (elements_.size() <= static_cast<size_t>(index)) elements_.resize(index + 1);
    auto& element = elements_[index];
    if (!element) element.emplace(make());
    return *element;
  }
  // Loads element `index` as a copy of the template.
  T& load(int index) {
    return load(index, [this] { return templ(); });
  }

  void unload(int index) {
    if (!isLoaded(index)) return;
    elements_[index].reset();
    while (elements_.size() > 1 && !elements_.back()) elements_.pop_back();
  }
  void unloadAll() { elements_.resize(1); }

  // The element, or null for a hole, the template or an index past the end.
  T* find(int index) {
    if (index < 1 || static_cast<size_t>(index) >= elements_.size() || !elements_[index]) return nullptr;
    return &*elements_[index];
  }
  const T* find(int index) const { return const_cast<ElementArray*>(this)->find(index); }
  // The element, which must be loaded (std::out_of_range otherwise).
  T& at(int index) {
    T* element = find(index);
    if (!element) throw std::out_of_range("no element at this index");
    return *element;
  }
  const T& at(int index) const { return const_cast<ElementArray*>(this)->at(index); }
  bool isLoaded(int index) const { return find(index) != nullptr; }

  // The highest loaded index; 0 when only the template is there.
  int upperBound() const { return static_cast<int>(elements_.size()) - 1; }
  // The lowest index from 1 up that holds no element.
  int firstFreeIndex() const {
    int index = 1;
    while (isLoaded(index)) ++index;
    return index;
  }
  // The number of loaded elements (holes and the template not counted).
  int count() const {
    int loaded = 0;
    for (size_t i = 1; i < elements_.size(); ++i) loaded += elements_[i] ? 1 : 0;
    return loaded;
  }

  // Calls f(index, element) for every loaded element, from index 1 up.
  template <class F>
  void forEachLoaded(F f) {
    eachLoaded(*this, f);
  }
  template <class F>
  void forEachLoaded(F f) const {
    eachLoaded(*this, f);
  }

 private:
  template <class Self, class F>
  static void eachLoaded(Self& self, F& f) {
    for (size_t i = 1; i < self.elements_.size(); ++i)
      if (self.elements_[i]) f(static_cast<int>(i), *self.elements_[i]);
  }

  std::vector<std::optional<T>> elements_;
};

}  // namespace pemo::ui
