// Moving and resizing one object by dragging an outline: a press well inside moves it, a
// press within 4 pixels of an edge moves that edge; the object takes the outline's place
// on release.
#include <algorithm>
#include <cmath>

#include "editor/workspace/editing_surface.h"

namespace pemo::editor {

namespace {

// How close to an edge (in pixels) a press resizes rather than moves.
constexpr double kEdgeBand = 4;

struct EdgeHit {
  DragEdge edge;
  PointerShape pointer;
};

// The edge under a pointer at whole pixels (cx, cy) of an object w by h: left before
// right before top before bottom, so a corner goes to the left or right edge.
std::optional<EdgeHit> edgeAt(double x, double y, double w, double h) {
  double cx = std::nearbyint(x), cy = std::nearbyint(y);
  if (cx >= 0 && cx <= kEdgeBand) return EdgeHit{DragEdge::Left, PointerShape::SizeWestEast};
  if (cx >= w - kEdgeBand && cx <= w) return EdgeHit{DragEdge::Right, PointerShape::SizeWestEast};
  if (cy >= 0 && cy <= kEdgeBand) return EdgeHit{DragEdge::Top, PointerShape::SizeNorthSouth};
  if (cy >= h - kEdgeBand && cy <= h) return EdgeHit{DragEdge::Bottom, PointerShape::SizeNorthSouth};
  return std::nullopt;
}

SurfaceRect normalised(SurfaceRect rect) {
  if (rect.left > rect.right) std::swap(rect.left, rect.right);
  if (rect.top > rect.bottom) std::swap(rect.top, rect.bottom);
  return rect;
}

double width(const SurfaceRect& rect) { return rect.right - rect.left; }
double height(const SurfaceRect& rect) { return rect.bottom - rect.top; }

}  // namespace

double EditingSurface::unitsX(const MenuObject& object, double pixels) const {
  return object.frame > 0 ? pixels * state_.twipsPerPixelX : pixels;
}

double EditingSurface::unitsY(const MenuObject& object, double pixels) const {
  return object.frame > 0 ? pixels * state_.twipsPerPixelY : pixels;
}

SurfaceRect EditingSurface::objectRect(ObjectRef ref, const MenuObject& object) const {
  double sx = object.frame > 0 ? state_.twipsPerPixelX : 1;
  double sy = object.frame > 0 ? state_.twipsPerPixelY : 1;
  double left = object.left / sx, top = object.top / sy;
  double h = object.kind == ObjectKind::ComboBox ? view_.shownHeight(ref) : object.height / sy;
  return {left, top, left + object.width / sx, top + h};
}

void EditingSurface::drawDragOutline(const SurfaceRect& rect) {
  eraseDragOutline();
  view_.invertOutline(surface_.dragFrame, rect, dragPen());
  surface_.dragRect = rect;
  surface_.outlineShown = true;
}

void EditingSurface::eraseDragOutline() {
  if (!surface_.outlineShown) return;
  view_.invertOutline(surface_.dragFrame, surface_.dragRect, dragPen());
  surface_.outlineShown = false;
}

void EditingSurface::abandonDrag() {
  eraseDragOutline();
  surface_.dragged.reset();
  if (groupDragging_) abandonGroupDrag();
}

MenuObject* EditingSurface::draggedObject(ObjectRef object) {
  if (!surface_.dragged || *surface_.dragged != object) return nullptr;
  MenuObject* found = document_.find(object);
  if (!found) abandonDrag();
  return found;
}

void EditingSurface::beginDrag(ObjectRef ref, double x, double y) {
  if (document_.locked) return;
  const MenuObject* object = document_.find(ref);
  if (!object) return;
  abandonDrag();
  surface_.dragOffsetX = x;
  surface_.dragOffsetY = y;
  if (document_.bandSelectionActive) {
    beginGroupDrag();
    return;
  }
  SurfaceRect rect = objectRect(ref, *object);
  double w = width(rect), h = height(rect);
  if (x > kEdgeBand && x < w - kEdgeBand && y > kEdgeBand && y < h - kEdgeBand) {
    view_.setPointer(ref, PointerShape::SizeAll);
    surface_.dragMode = DragMode::Move;
  } else {
    surface_.dragMode = DragMode::Resize;
    // The edge is the one the pointer came over; a press with no move before it finds it
    // here.
    if (auto hit = edgeAt(x, y, w, h)) surface_.dragEdge = hit->edge;
  }
  surface_.dragged = ref;
  surface_.dragFrame = object->frame;
  drawDragOutline(rect);
}

void EditingSurface::setEdgeCursor(int button, ObjectRef ref, double x, double y) {
  const MenuObject* object = document_.find(ref);
  if (!object) return;
  SurfaceRect rect = objectRect(ref, *object);
  if (auto hit = edgeAt(x, y, width(rect), height(rect))) {
    view_.setPointer(ref, hit->pointer);
    // The edge being dragged stays the one pressed, even where the pointer crosses another.
    bool resizing = button == kLeftButton && surface_.dragged && surface_.dragMode == DragMode::Resize;
    if (!resizing) surface_.dragEdge = hit->edge;
    return;
  }
  bool moving = button == kLeftButton && surface_.dragMode == DragMode::Move;
  view_.setPointer(ref, moving ? PointerShape::SizeAll : PointerShape::Default);
}

void EditingSurface::trackDrag(ObjectRef ref, double x, double y) {
  if (document_.locked) return;
  if (document_.bandSelectionActive) {
    drawGroupRects(x, y);
    return;
  }
  const MenuObject* object = draggedObject(ref);
  if (!object) return;
  double dx = x - surface_.dragOffsetX, dy = y - surface_.dragOffsetY;
  SurfaceRect rect = objectRect(ref, *object);
  SurfaceRect next = surface_.dragRect;
  if (surface_.dragMode == DragMode::Move) {
    next = rect.shifted(dx, dy);
  } else {
    switch (surface_.dragEdge) {
      case DragEdge::Left: next.left = rect.left + dx; break;
      case DragEdge::Right: next.right = rect.right + dx; break;
      case DragEdge::Top: next.top = rect.top + dy; break;
      case DragEdge::Bottom: next.bottom = rect.bottom + dy; break;
      case DragEdge::None: return;
    }
    document_.changed = true;
  }
  drawDragOutline(next);
}

void EditingSurface::endDrag(ObjectRef ref, double x, double y) {
  if (document_.locked) return;
  if (document_.bandSelectionActive) {
    endGroupDrag(x, y);
    return;
  }
  MenuObject* object = draggedObject(ref);
  if (!object) return;
  eraseDragOutline();
  surface_.dragged.reset();
  double dx = x - surface_.dragOffsetX, dy = y - surface_.dragOffsetY;
  if (surface_.dragMode == DragMode::Resize) {
    SurfaceRect rect = normalised(surface_.dragRect);
    // An outline that never moved leaves the geometry exactly as it was.
    if (rect != objectRect(ref, *object)) {
      object->left = unitsX(*object, rect.left);
      object->top = unitsY(*object, rect.top);
      object->width = unitsX(*object, width(rect));
      object->height = unitsY(*object, height(rect));
    }
  } else {
    object->left += unitsX(*object, dx);
    object->top += unitsY(*object, dy);
  }
  clampGeometry(*object, state_.twipsPerPixelX, state_.twipsPerPixelY);
  if (dx != 0 || dy != 0) document_.changed = true;
  view_.setPointer(ref, PointerShape::Default);
  view_.objectChanged(ref);
}

}  // namespace pemo::editor
