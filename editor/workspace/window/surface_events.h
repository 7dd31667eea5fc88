#pragma once
// The editing surface of one menu window on its widgets: one event filter takes every
// press, move and release of the object widgets to the surface logic, so that no widget
// acts on input itself (a check box is not toggled, a combo box's list never opens), and
// the logic draws its outlines, pointers and popup through this window.
#include <QEvent>
#include <QObject>
#include <memory>

#include "editor/workspace/editing_surface.h"
#include "editor/workspace/editor_workspace.h"

class QMouseEvent;

namespace pemo::editor {

class MenuWindow;

class SurfaceEvents : public QObject, public SurfaceView {
 public:
  SurfaceEvents(MenuWindow& window, EditorState& state, EditorWorkspace& workspace);
  ~SurfaceEvents() override;

  EditingSurface& surface() { return surface_; }
  // Takes the widget's input from now on; it shows this object.
  void watch(QWidget* widget, ObjectRef object);

  // SurfaceView.
  void invertOutline(int frame, const SurfaceRect& rect, int penWidth) override;
  void clearOutlines() override;
  void setPointer(ObjectRef object, PointerShape shape) override;
  void setToolTip(ObjectRef object, const std::string& text) override;
  void showObjectMenu(const SurfacePopupState& items) override;
  void objectChanged(ObjectRef object) override;
  void setAddCommandsEnabled(bool enabled) override;
  double shownHeight(ObjectRef object) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void mouseEvent(ObjectRef object, QEvent::Type type, const QMouseEvent& event);
  void releaseObject(ObjectRef object, int button, double x, double y);

  MenuWindow& window_;
  EditorWorkspace& workspace_;
  EditingSurface surface_;
};

}  // namespace pemo::editor
