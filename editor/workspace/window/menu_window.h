#pragma once
// One menu window: a menu document shown as the end user will see it, with the editing
// surface's keys, band, popup menu and save prompt. Its events go to the workspace logic.
#include <QWidget>
#include <functional>
#include <map>
#include <memory>

#include "editor/workspace/editor_workspace.h"
#include "editor/workspace/window/surface_events.h"
#include "platform/ui/outline.h"
#include "platform/ui/tiled_background.h"

class QMenu;
class QAction;

namespace pemo::editor {

class MenuWindow : public QWidget, public MenuViewPort {
 public:
  MenuWindow(EditorState& state, EditorWorkspace& workspace, std::unique_ptr<MenuDocument> document);
  ~MenuWindow() override;

  MenuDocument& document() { return *document_; }
  std::uint32_t handle() const { return handle_; }

  // The window's load: reads the file or makes the new menu's work file, shows the
  // objects and makes this the active menu window. A menu that does not say where its
  // window stands opens at `place`.
  void load(const QPoint& place);
  // Called once the window has really closed.
  void onClosed(std::function<void(MenuWindow*)> closed) { closed_ = std::move(closed); }

  // MenuViewPort: what the editing commands changed in the document.
  void objectAdded(ObjectRef object) override;
  void objectsAdded(const std::vector<ObjectRef>& objects) override;
  void objectChanged(ObjectRef object) override;
  void objectRemoved(ObjectRef object) override;
  void menuAttributesChanged() override;
  // The widget that shows an object; nullptr for none.
  QWidget* objectWidget(ObjectRef object) const;

  // The popup menu's items by their number.
  QAction* popupItem(int number) const { return popupItems_.at(number); }
  // Prepares and shows the popup as the right button on the empty surface does.
  void showSurfacePopup(const QPoint& globalPosition);
  // The popup of an object, at the pointer; returns when it has closed.
  void showObjectPopup(const SurfacePopupState& items);

  // The editing surface: the selection, the drags and their outlines.
  EditingSurface& surface() { return surface_->surface(); }
  ui::OutlineOverlay* overlay() const { return overlay_; }

 protected:
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void buildPopup();
  void showDocument();
  QWidget* createWidget(const MenuObject& object);
  // Makes and watches the object's widget, on top of its container's objects.
  QWidget* addWidget(ObjectRef ref);
  void placeInStacking(ObjectRef ref, QWidget* widget);
  // Puts every widget in the document's stacking order.
  void restackAll();
  static std::pair<int, int> key(ObjectRef object) { return {static_cast<int>(object.kind), object.index}; }
  void placeWindow(const QPoint& place);
  // Something on the window changes: a picture of it held for a drag would hide that.
  void dropHeldPicture();
  // Each widget away from the pointer is told the pointer and its hover left.
  void leaveWidgetsThePointerLeft();
  // A band being drawn ends selecting nothing (a popup takes the pointer from it).
  void cancelBand();
  void run(EditorCommand command, int argument = 0);

  EditorState& state_;
  EditorWorkspace& workspace_;
  std::unique_ptr<MenuDocument> document_;
  std::uint32_t handle_ = 0;
  std::function<void(MenuWindow*)> closed_;
  QMenu* popup_ = nullptr;
  std::map<int, QAction*> popupItems_;
  std::map<std::pair<int, int>, QWidget*> widgets_;
  ui::OutlineOverlay* overlay_ = nullptr;
  ui::TiledBackground* tiles_ = nullptr;
  std::string tiledPicture_;  // the host file last tiled
  std::unique_ptr<SurfaceEvents> surface_;
  bool banding_ = false;
  QPoint bandStart_, bandEnd_;
  QRect band_;
  bool loaded_ = false;
};

}  // namespace pemo::editor
