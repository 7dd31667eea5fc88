// Band selection and the group drag: every object wholly inside the band, directly on the
// window, is selected and marked; dragging any object then moves the selected ones
// together.
#include <algorithm>

#include "editor/workspace/editing_surface.h"

namespace pemo::editor {

namespace {

// The kinds a band visits, in this order; combo boxes are never selected.
constexpr ObjectKind kBandKinds[] = {ObjectKind::Label, ObjectKind::Button,   ObjectKind::PictureButton,
                                     ObjectKind::Image, ObjectKind::Radio,    ObjectKind::CheckBox,
                                     ObjectKind::Frame};

// The pen of the selection marks.
constexpr int kMarkPen = 2;
// How far a mark stands outside its object.
constexpr double kMarkMargin = 2;

bool inside(const MenuObject& object, const SurfaceRect& band) {
  return object.frame == 0 && object.left >= band.left && object.top >= band.top &&
         object.left + object.width <= band.right && object.top + object.height <= band.bottom;
}

SurfaceRect placeOf(const MenuObject& object) {
  return {object.left, object.top, object.left + object.width, object.top + object.height};
}

}  // namespace

void EditingSurface::invertMarks() {
  for (const TableRect& mark : surface_.selectedRects) view_.invertOutline(0, fromTableRect(mark), kMarkPen);
}

void EditingSurface::selectInBand(double x1, double y1, double x2, double y2) {
  document_.bandSelectionActive = false;
  SurfaceRect band{std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
  std::vector<ObjectRef> found;
  std::vector<TableRect> marks;
  int kindMask = 0;
  for (ObjectKind kind : kBandKinds) {
    const ControlArray& array = document_.objects(kind);
    for (int index = 1; index <= array.upperBound(); ++index) {
      const MenuObject* object = array.find(index);
      if (!object || !inside(*object, band)) continue;
      SurfaceRect mark = placeOf(*object).grown(kMarkMargin);
      view_.invertOutline(0, mark, kMarkPen);
      found.push_back({kind, index});
      marks.push_back(toTableRect(mark));
      kindMask |= kindMaskBit(kind);
    }
  }
  if (found.empty()) return;
  document_.bandSelectionActive = true;
  surface_.selectedObjects = found;
  surface_.selectedRects = marks;
  state_.activeMenuWindow = windowHandle_;
  state_.activeDocument = &document_;
  state_.activeObject = multiSelectionObject(kindMask);
  state_.multiSelection = found;
  changeActiveObject();
  view_.setAddCommandsEnabled(false);
}

bool EditingSurface::groupPresent() const {
  return std::all_of(surface_.selectedObjects.begin(), surface_.selectedObjects.end(),
                     [this](ObjectRef entry) { return document_.find(entry) != nullptr; });
}

void EditingSurface::beginGroupDrag() {
  surface_.groupStart.assign(surface_.selectedObjects.size(), TableRect{});
  if (!groupPresent() || surface_.selectedRects.size() != surface_.selectedObjects.size()) {
    abandonGroupDrag();
    return;
  }
  for (std::size_t i = 0; i < surface_.selectedObjects.size(); ++i) {
    ObjectRef entry = surface_.selectedObjects[i];
    if (kindMaskBit(entry.kind) == 0) continue;
    surface_.groupStart[i] = toTableRect(placeOf(*document_.find(entry)));
  }
  groupDragging_ = true;
}

void EditingSurface::drawGroupRects(double x, double y) {
  if (!groupDragging_) return;
  if (!groupPresent()) {
    abandonGroupDrag();
    return;
  }
  double dx = x - surface_.dragOffsetX, dy = y - surface_.dragOffsetY;
  for (std::size_t i = 0; i < surface_.selectedRects.size(); ++i) {
    view_.invertOutline(0, fromTableRect(surface_.selectedRects[i]), kMarkPen);
    SurfaceRect moved = fromTableRect(surface_.groupStart[i]).grown(kMarkMargin).shifted(dx, dy);
    view_.invertOutline(0, moved, kMarkPen);
    surface_.selectedRects[i] = toTableRect(moved);
  }
}

void EditingSurface::endGroupDrag(double x, double y) {
  if (!groupDragging_) return;
  // The marks follow the release, whether or not a move came before it.
  drawGroupRects(x, y);
  if (!groupDragging_) return;
  groupDragging_ = false;
  double dx = x - surface_.dragOffsetX, dy = y - surface_.dragOffsetY;
  for (ObjectRef entry : surface_.selectedObjects) {
    if (kindMaskBit(entry.kind) == 0) continue;
    MenuObject* object = document_.find(entry);
    object->left += dx;
    object->top += dy;
    clampGeometry(*object, state_.twipsPerPixelX, state_.twipsPerPixelY);
    view_.objectChanged(entry);
  }
  view_.clearOutlines();
  invertMarks();
  if (dx != 0 || dy != 0) document_.changed = true;
}

void EditingSurface::refreshSelectionMarks() {
  if (!document_.bandSelectionActive || groupDragging_) return;
  invertMarks();
  for (std::size_t i = 0; i < surface_.selectedObjects.size() && i < surface_.selectedRects.size(); ++i)
    if (const MenuObject* object = document_.find(surface_.selectedObjects[i]))
      surface_.selectedRects[i] = toTableRect(placeOf(*object).grown(kMarkMargin));
  invertMarks();
}

// Objects of the selection went away during the drag: the marks go back around the
// objects that remain, which have not moved.
void EditingSurface::abandonGroupDrag() {
  groupDragging_ = false;
  view_.clearOutlines();
  std::vector<ObjectRef> kept;
  std::vector<TableRect> marks;
  for (ObjectRef entry : surface_.selectedObjects) {
    const MenuObject* object = document_.find(entry);
    if (!object) continue;
    kept.push_back(entry);
    marks.push_back(toTableRect(placeOf(*object).grown(kMarkMargin)));
  }
  surface_.selectedObjects = kept;
  surface_.selectedRects = marks;
  surface_.groupStart.clear();
  if (state_.activeDocument == &document_) state_.multiSelection = kept;
  document_.bandSelectionActive = !kept.empty();
  invertMarks();
}

}  // namespace pemo::editor
