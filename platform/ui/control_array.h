#pragma once
// A control array as the forms of the original held them: element 0 is the hidden
// design template, elements are loaded by index and unloading one leaves a hole.
#include <QPointer>
#include <QWidget>
#include <functional>
#include <vector>

namespace pemo::ui {

template <class W>
class ControlArray {
 public:
  // Creates the hidden template as a child of `parent`; `make` builds each element.
  ControlArray(QWidget* parent, std::function<W*(QWidget* parent)> make) : parent_(parent), make_(std::move(make)) {
    W* templ = make_(parent_);
    templ->hide();
    elements_.push_back(templ);
  }

  // Loads element `index` (1 and up) with `parent` as its container (the array's parent
  // when null), or returns the one already loaded.
  W* load(int index, QWidget* parent = nullptr) {
    if (index < 1) return nullptr;
    if (elements_.size() <= static_cast<size_t>(index)) elements_.resize(index + 1);
    if (!elements_[index]) {
      W* w = make_(parent ? parent : parent_);
      w->hide();
      elements_[index] = w;
    }
    return elements_[index];
  }

  void unload(int index) {
    if (index < 1 || static_cast<size_t>(index) >= elements_.size() || !elements_[index]) return;
    delete elements_[index].data();
    elements_[index] = nullptr;
    while (elements_.size() > 1 && !elements_.back()) elements_.pop_back();
  }

  // Unloads every element from the highest index down.
  void unloadAll() {
    for (int i = upperBound(); i >= 1; --i) unload(i);
  }

  // The element, or null for a hole (element 0 is the template).
  W* at(int index) const {
    if (index < 0 || static_cast<size_t>(index) >= elements_.size()) return nullptr;
    return elements_[index];
  }
  W* templ() const { return elements_[0]; }
  bool isLoaded(int index) const { return index >= 1 && at(index) != nullptr; }
  int upperBound() const { return static_cast<int>(elements_.size()) - 1; }
  // The index of a loaded element, or 0 when it is none of this array's.
  int indexOf(const QObject* w) const {
    for (size_t i = 1; i < elements_.size(); ++i)
      if (elements_[i] == w) return static_cast<int>(i);
    return 0;
  }

  template <class F>
  void forEachLoaded(F f) const {
    for (size_t i = 1; i < elements_.size(); ++i)
      if (elements_[i]) f(static_cast<int>(i), elements_[i].data());
  }

 private:
  QWidget* parent_;
  std::function<W*(QWidget*)> make_;
  std::vector<QPointer<W>> elements_;
};

}  // namespace pemo::ui
