#include "editor/workspace/window/pointer_stop.h"

#include <QCursor>

namespace pemo::editor {

PointerStop::PointerStop(QWidget* window) {
  const QPoint pointer = window->mapFromGlobal(QCursor::pos());
  // Away from the pointer, Qt does not look through the window's children.
  if (!window->isVisible() || !window->rect().contains(pointer)) return;
  stop_ = new QWidget(window);
  stop_->setObjectName("pointerStop");
  stop_->setAttribute(Qt::WA_NoSystemBackground);
  stop_->setGeometry(pointer.x(), pointer.y(), 1, 1);
  stop_->show();
}

PointerStop::~PointerStop() { delete stop_; }

}  // namespace pemo::editor
