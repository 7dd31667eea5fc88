#include "editor/document/menu_object.h"

#include "menufile/values.h"

namespace pemo::editor {

namespace {

// The system window and window-text colours a label starts with.
constexpr std::uint32_t kWindowTextColour = 0x80000008;
constexpr std::uint32_t kWhite = 0xFFFFFF;

}  // namespace

MenuObject templateObject(ObjectKind kind) {
  MenuObject object;
  object.kind = kind;
  object.width = 200, object.height = 25;
  switch (kind) {
    case ObjectKind::Label:
      object.backColor = kWindowColour;
      object.foreColor = kWindowTextColour;
      break;
    case ObjectKind::Image:
      object.width = 100, object.height = 100;
      break;
    case ObjectKind::Radio:
    case ObjectKind::CheckBox:
      object.backColor = kWhite;
      break;
    case ObjectKind::Frame:
      object.width = 150, object.height = 150;
      break;
    case ObjectKind::ComboBox:
      object.height = 21;
      object.backColor = kWindowColour;
      break;
    default:
      break;
  }
  return object;
}

void clampGeometry(MenuObject& object, double twipsPerPixelX, double twipsPerPixelY) {
  const double perPixelX = object.frame > 0 ? twipsPerPixelX : 1;
  const double perPixelY = object.frame > 0 ? twipsPerPixelY : 1;
  const auto clamp = [](double& units, double perPixel) {
    units = menufile::clampCoordinate(units / perPixel) * perPixel;
  };
  clamp(object.left, perPixelX);
  clamp(object.width, perPixelX);
  clamp(object.top, perPixelY);
  clamp(object.height, perPixelY);
}

void moveIntoFrame(MenuObject& object, int frameIndex, double twipsPerPixelX, double twipsPerPixelY) {
  object.frame = frameIndex;
  object.left *= twipsPerPixelX;
  object.width *= twipsPerPixelX;
  object.top *= twipsPerPixelY;
  object.height *= twipsPerPixelY;
}

}  // namespace pemo::editor
