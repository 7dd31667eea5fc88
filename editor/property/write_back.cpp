#include "editor/property/write_back.h"

#include "editor/document/messages.h"
#include "editor/property/grid_rows.h"
#include "editor/property/value_reading.h"
#include "platform/text/strings.h"
#include "platform/ui/message_port.h"

namespace pemo::editor::property {

DocumentWriteBack::DocumentWriteBack(const EditorState& state, PicturePort& pictures, MenuWindowDirectory& windows)
    : state_(state), pictures_(pictures), windows_(windows) {}

RowContext DocumentWriteBack::context() const { return {state_.twipsPerPixelX, state_.twipsPerPixelY, pictures_}; }

bool DocumentWriteBack::applyRow(PropertyGrid& grid, int row) {
  const GridTarget& target = grid.target;
  const std::string text = grid.rows.at(row).text;
  bool accepted = false;
  if (target.document) {
    if (grid.shownKind == ObjectKind::Multiple)
      accepted = applySelectionProperty(target, row, text);
    // The tiling image belongs to the menu, whatever the grid shows.
    else if (grid.shownKind == ObjectKind::Menu || row == row::TilingImage)
      accepted = applyMenuProperty(target, row, text);
    else
      accepted = applyObjectProperty(target, row, text);
  }
  if (!accepted) ui::showExclamation(kInvalidValueMessage, kEditorTitle);
  return accepted;
}

bool DocumentWriteBack::applyMenuProperty(const GridTarget& target, int row, const std::string& text) {
  if (!applyMenuRow(*target.document, row, text)) return false;
  windows_.showMenuChanged(*target.document);
  return true;
}

namespace {

// A radio button that is set clears the others of its container, as option buttons do.
// The radio buttons changed besides it.
std::vector<ObjectRef> setRadioAlone(MenuDocument& document, ObjectRef radio) {
  std::vector<ObjectRef> cleared;
  const MenuObject* set = document.find(radio);
  if (!set || set->kind != ObjectKind::Radio || set->value == 0) return cleared;
  const int container = set->frame;
  ControlArray& radios = document.objects(ObjectKind::Radio);
  for (int i = 1; i <= radios.upperBound(); ++i) {
    MenuObject* other = radios.find(i);
    if (i == radio.index || !other || other->frame != container || other->value == 0) continue;
    other->value = 0;
    cleared.push_back({ObjectKind::Radio, i});
  }
  return cleared;
}

}  // namespace

void DocumentWriteBack::showRadiosCleared(MenuDocument& document, int row, ObjectRef object) {
  if (row != row::Value) return;
  for (ObjectRef cleared : setRadioAlone(document, object)) windows_.showObjectChanged(document, cleared);
}

bool DocumentWriteBack::applyObjectProperty(const GridTarget& target, int row, const std::string& text) {
  MenuObject* object = target.document->find(target.object);
  if (!object) return false;
  auto changed = objectWithRow(*object, row, text, context());
  if (!changed) return false;
  *object = std::move(*changed);
  windows_.showObjectChanged(*target.document, target.object);
  showRadiosCleared(*target.document, row, target.object);
  return true;
}

bool DocumentWriteBack::selectionWithRow(const GridTarget& target, int row, const std::string& text,
                                         std::vector<std::pair<MenuObject*, MenuObject>>& changes) {
  // Links and pictures given to many objects at once lose their surrounding blanks.
  const std::string value = row == row::Link || row == row::Picture ? text::Trim(text) : text;
  for (ObjectRef entry : target.selection) {
    if (entry.kind == ObjectKind::ComboBox || !rowReaches(row, entry.kind)) continue;
    MenuObject* object = target.document->find(entry);
    if (!object) return false;
    auto changed = objectWithRow(*object, row, value, context());
    if (!changed) return false;
    changes.emplace_back(object, std::move(*changed));
  }
  return true;
}

bool DocumentWriteBack::applySelectionProperty(const GridTarget& target, int row, const std::string& text) {
  std::vector<std::pair<MenuObject*, MenuObject>> changes;
  if (!selectionWithRow(target, row, text, changes)) return false;
  for (auto& [object, changed] : changes) *object = std::move(changed);
  for (ObjectRef entry : target.selection) {
    if (entry.kind == ObjectKind::ComboBox || !rowReaches(row, entry.kind)) continue;
    // Set one after another: of several in one container the last stays set.
    const bool radioSet = entry.kind == ObjectKind::Radio && row == row::Value && numberOf(text) != 0;
    if (radioSet) target.document->find(entry)->value = 1;
    windows_.showObjectChanged(*target.document, entry);
    if (radioSet) showRadiosCleared(*target.document, row, entry);
  }
  if (row >= row::Left && row <= row::Height) windows_.showSelectionMoved(*target.document);
  return true;
}

void DocumentWriteBack::storeStyle(PropertyGrid& grid, MenuObject& object, int index) {
  switch (object.kind) {
    case ObjectKind::Label: object.labelStyle = std::to_string(index); break;
    case ObjectKind::Button:
    case ObjectKind::PictureButton: object.linkStyle = index; break;
    case ObjectKind::Image:
      // An image is never part of a selection of links to run.
      if (index >= 1 && index <= 3) {
        ui::showExclamation(kStyleRefusedMessage, kEditorTitle);
        grid.rows[row::Style].listIndex = 0;
        index = 0;
      }
      object.linkStyle = index;
      break;
    default: break;
  }
}

void DocumentWriteBack::applyChoice(PropertyGrid& grid, int row, int index) {
  const GridTarget& target = grid.target;
  if (!target.document || index < 0) return;
  if (row == row::UnloadMode) {
    target.document->unloadMode = index;
    return;
  }
  if (grid.shownKind == ObjectKind::Menu || grid.shownKind == ObjectKind::Multiple) return;
  MenuObject* object = target.document->find(target.object);
  if (!object) return;
  if (row == row::Style) {
    storeStyle(grid, *object, index);
  } else if (row == row::Stretch && object->kind == ObjectKind::Image) {
    object->stretch = index == 0;
    fitImageToPicture(*object, context());
  } else {
    return;
  }
  windows_.showObjectChanged(*target.document, target.object);
}

}  // namespace pemo::editor::property
