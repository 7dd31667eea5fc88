#include "editor/document/menu_object.h"

namespace pemo::editor {

MenuObject templateObject(ObjectKind kind) {
  MenuObject object;
  object.kind = kind;
  switch (kind) {
    case ObjectKind::Label:
      object.width = 96, object.height = 16;
      break;
    case ObjectKind::Button:
    case ObjectKind::PictureButton:
      object.width = 80, object.height = 28;
      break;
    case ObjectKind::Image:
      object.width = 32, object.height = 32;
      break;
    case ObjectKind::Radio:
    case ObjectKind::CheckBox:
      object.width = 96, object.height = 20;
      break;
    case ObjectKind::Frame:
      object.width = 200, object.height = 120;
      break;
    case ObjectKind::ComboBox:
      object.width = 120, object.height = 20;
      object.backColor = kWindowColour;
      break;
    default:
      break;
  }
  return object;
}

}  // namespace pemo::editor
