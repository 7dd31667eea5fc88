#pragma once
// A control array of widgets: the element array with a hidden template widget, whose
// elements are widgets made hidden by index and deleted when unloaded.
#include <QPointer>
#include <QWidget>
#include <functional>

#include "platform/ui/element_array.h"

namespace pemo::ui {

template <class W>
class ControlArray {
 public:
  // Creates the hidden template as a child of `parent`; `make` builds each element.
  ControlArray(QWidget* parent, std::function<W*(QWidget* parent)> make)
      : parent_(parent), make_(std::move(make)), elements_(hidden(make_(parent_))) {}

  // Loads element `index` (1 and up) with `parent` as its container (the array's parent
  // when null), or returns the one already loaded.
  W* load(int index, QWidget* parent = nullptr) {
    if (index < 1) return nullptr;
    if (!at(index)) elements_.unload(index);  // a widget that went with its container
    return elements_.load(index, [&] { return hidden(make_(parent ? parent : parent_)); });
  }

  void unload(int index) {
    if (QPointer<W>* element = elements_.find(index)) delete element->data();
    elements_.unload(index);
  }

  // Unloads every element from the highest index down.
  void unloadAll() {
    for (int i = upperBound(); i >= 1; --i) unload(i);
  }

  // The element, or null for a hole (element 0 is the template).
  W* at(int index) const {
    if (index == 0) return templ();
    const QPointer<W>* element = elements_.find(index);
    return element ? element->data() : nullptr;
  }
  W* templ() const { return elements_.templ(); }
  bool isLoaded(int index) const { return index >= 1 && at(index) != nullptr; }
  int upperBound() const { return elements_.upperBound(); }
  // The index of a loaded element, or 0 when it is none of this array's.
  int indexOf(const QObject* w) const {
    int found = 0;
    elements_.forEachLoaded([&](int index, const QPointer<W>& element) {
      if (element == w) found = index;
    });
    return found;
  }

  template <class F>
  void forEachLoaded(F f) const {
    elements_.forEachLoaded([&](int index, const QPointer<W>& element) {
      if (element) f(index, element.data());
    });
  }

 private:
  static QPointer<W> hidden(W* w) {
    w->hide();
    return w;
  }

  QWidget* parent_;
  std::function<W*(QWidget*)> make_;
  ElementArray<QPointer<W>> elements_;
};

}  // namespace pemo::ui
