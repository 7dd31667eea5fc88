#include "editor/workspace/window/menu_windows.h"

#include <QTimer>
#include <algorithm>

namespace pemo::editor {

MenuWindows::~MenuWindows() { deleteAll(); }

void MenuWindows::deleteAll() {
  while (!windows_.empty()) {
    MenuWindow* window = windows_.back();
    windows_.pop_back();
    delete window;
  }
}

void MenuWindows::showObjectChanged(MenuDocument& document, ObjectRef object) {
  if (MenuWindow* window = windowOf(document)) window->objectChanged(object);
}

void MenuWindows::showMenuChanged(MenuDocument& document) {
  if (MenuWindow* window = windowOf(document)) window->menuAttributesChanged();
}

void MenuWindows::showSelectionMoved(MenuDocument& document) {
  if (MenuWindow* window = windowOf(document)) window->surface().refreshSelectionMarks();
}

MenuDocument* MenuWindows::openMenuWindow(const std::string& filePath, const std::string& untitledCaption) {
  if (!workspace_) return nullptr;
  auto document = std::make_unique<MenuDocument>();
  document->filePath = filePath;
  document->untitledCaption = untitledCaption;
  auto* window = new MenuWindow(state_, *workspace_, std::move(document));
  windows_.push_back(window);
  window->onClosed([this](MenuWindow* closed) {
    std::erase(windows_, closed);
    closed->deleteLater();
  });
  const int step = 24 * (opened_++ % 8);
  window->load((firstPlace_ ? firstPlace_() : QPoint()) + QPoint(step, step));
  window->show();
  window->activateWindow();
  // The activation may come later or, off screen, not at all; the caption follows now.
  workspace_->menuWindowActivated(window->document(), window->handle());
  return &window->document();
}

std::vector<MenuDocument*> MenuWindows::documents() {
  std::vector<MenuDocument*> all;
  for (MenuWindow* window : windows_) all.push_back(&window->document());
  return all;
}

std::vector<property::OpenMenuWindow> MenuWindows::openMenuWindows() {
  std::vector<property::OpenMenuWindow> all;
  for (MenuWindow* window : windows_) all.push_back({window->handle(), &window->document()});
  return all;
}

MenuWindow* MenuWindows::windowOf(const MenuDocument& document) const {
  auto it = std::find_if(windows_.begin(), windows_.end(), [&](MenuWindow* w) { return &w->document() == &document; });
  return it == windows_.end() ? nullptr : *it;
}

EditingSurface* MenuWindows::surfaceOf(MenuDocument& document) {
  MenuWindow* window = windowOf(document);
  return window ? &window->surface() : nullptr;
}

bool MenuWindows::closeMenuWindow(MenuDocument& document) {
  MenuWindow* window = windowOf(document);
  return window && window->close();
}

void MenuWindows::bringToFront(MenuDocument& document) {
  MenuWindow* window = windowOf(document);
  if (!window || !workspace_) return;
  workspace_->menuWindowActivated(document, window->handle());
  // Once the closing window is gone, so that its going does not take the focus along.
  QTimer::singleShot(0, window, [window] {
    window->raise();
    window->activateWindow();
  });
}

}  // namespace pemo::editor
