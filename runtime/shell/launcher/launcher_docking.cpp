// The launcher bar docked to a screen edge: the strip that expands while the cursor is
// over it, and the drag that moves the bar along the edges or, undocked, freely.
#include "runtime/shell/launcher/launcher_bar.h"

namespace pemo::shell::launcher {

void LauncherBar::setThickness(int thickness, bool buttonsVisible) {
  BarRect rect = bar_;
  if (settings_.orientation == Orientation::Vertical)
    rect.width = thickness;
  else
    rect.height = thickness;
  placeBar(flush(rect, settings_.orientation, view_.screenSize()));
  view_.setButtonsVisible(buttonsVisible);
}

void LauncherBar::expandBar() { setThickness(barThickness(settings_.buttonSize), true); }

void LauncherBar::collapseBar() { setThickness(kCollapsedThickness, false); }

BarRect LauncherBar::fullBar() const {
  return sizedBar(bar_, settings_.orientation, barLength(buttonCount_, settings_.buttonSize),
                  barThickness(settings_.buttonSize));
}

void LauncherBar::toggleEdgeDock() {
  if (settings_.edgeDock) {
    settings_.edgeDock = false;
    // A running watch ends without collapsing; with none running nothing would clear it.
    hover_ = watching_ ? Hover::Stopping : Hover::Idle;
    expandBar();
    return;
  }
  settings_.edgeDock = true;
  placeBar(dockedStrip(bar_, settings_.orientation, view_.screenSize()));
}

void LauncherBar::mouseMoved() {
  if (hover_ != Hover::Idle || !settings_.edgeDock) return;
  hover_ = Hover::Expanded;
  expandBar();
  watching_ = true;
  view_.setHoverWatch(true);
}

void LauncherBar::hoverTick(int x, int y) {
  if (!watching_) return;
  if (hover_ != Hover::Stopping && (bar_.contains(x, y) || dragging_)) return;
  if (hover_ != Hover::Stopping) collapseBar();
  endHoverWatch();
}

void LauncherBar::endHoverWatch() {
  hover_ = Hover::Idle;
  watching_ = false;
  view_.setHoverWatch(false);
}

void LauncherBar::pressed(int localX, int localY) {
  dragging_ = true;
  dragStartOrientation_ = settings_.orientation;
  ghost_ = bar_;
  view_.invertGhost(ghost_);
  pressX_ = localX;
  pressY_ = localY;
}

void LauncherBar::dragMoved(int localX, int localY, int x, int y) {
  if (!dragging_) return;
  view_.invertGhost(ghost_);
  const int dx = localX - pressX_;
  const int dy = localY - pressY_;
  if (settings_.edgeDock) {
    // The size is the one before this move: after a change of edge the next move
    // gives the ghost its new shape.
    DockDrag drag = dockDragRect(bar_, fullBar(), x, y, dx, dy, view_.screenSize());
    settings_.orientation = drag.orientation;
    ghost_ = drag.ghost;
  } else {
    ghost_ = {bar_.left + dx, bar_.top + dy, bar_.width, bar_.height};
  }
  view_.invertGhost(ghost_);
}

void LauncherBar::released() {
  if (!dragging_) return;
  view_.invertGhost(ghost_);
  if (settings_.orientation != dragStartOrientation_) loadAppIcon();
  if (!settings_.edgeDock || hover_ != Hover::Idle)
    placeBar({ghost_.left, ghost_.top, bar_.width, bar_.height});
  else
    collapseBar();
  dragging_ = false;
}

}  // namespace pemo::shell::launcher
