#include "runtime/script/objects/element_features.h"

namespace pemo::script {
namespace {

using menufile::ObjectKind;

constexpr unsigned operator|(Feature a, Feature b) { return static_cast<unsigned>(a) | static_cast<unsigned>(b); }
constexpr unsigned operator|(unsigned a, Feature b) { return a | static_cast<unsigned>(b); }

constexpr unsigned kPlace = Feature::Position | Feature::Size;

unsigned settableFeatures(ObjectKind kind) {
  switch (kind) {
    case ObjectKind::Label: return kPlace | Feature::Caption | Feature::ForeColor | Feature::OnCursorColor;
    case ObjectKind::Button: return kPlace | Feature::Caption;
    case ObjectKind::PictureButton: return kPlace | Feature::Caption | Feature::Picture;
    case ObjectKind::Image: return kPlace | Feature::Picture;
    case ObjectKind::Radio:
    case ObjectKind::CheckBox: return kPlace | Feature::Caption | Feature::BackColor | Feature::ForeColor | Feature::Value;
    case ObjectKind::Frame: return kPlace | Feature::Caption | Feature::BackColor | Feature::ForeColor;
    case ObjectKind::ComboBox: return static_cast<unsigned>(Feature::ListIndex);
    default: return 0;
  }
}

unsigned readableFeatures(ObjectKind kind) {
  switch (kind) {
    case ObjectKind::Label: return kPlace | Feature::Caption | Feature::ForeColor | Feature::OnCursorColor;
    case ObjectKind::Button:
    case ObjectKind::PictureButton: return kPlace | Feature::Caption;
    case ObjectKind::Image: return static_cast<unsigned>(Feature::Position);
    case ObjectKind::Radio:
    case ObjectKind::CheckBox: return kPlace | Feature::Caption | Feature::Value;
    case ObjectKind::ComboBox: return static_cast<unsigned>(Feature::ListIndex);
    default: return 0;  // frames cannot be read
  }
}

}  // namespace

Feature featureOf(const std::string& p) {
  if (p == "CAPTION") return Feature::Caption;
  if (p == "LEFT" || p == "TOP") return Feature::Position;
  if (p == "WIDTH" || p == "HEIGHT") return Feature::Size;
  if (p == "FORECOLOR") return Feature::ForeColor;
  if (p == "BACKCOLOR") return Feature::BackColor;
  if (p == "ONCURSORCOLOR") return Feature::OnCursorColor;
  if (p == "PICTURE") return Feature::Picture;
  if (p == "VALUE") return Feature::Value;
  if (p == "LISTINDEX") return Feature::ListIndex;
  return Feature::None;
}

bool settable(ObjectKind kind, Feature feature) { return (settableFeatures(kind) & static_cast<unsigned>(feature)) != 0; }

bool readable(ObjectKind kind, Feature feature) { return (readableFeatures(kind) & static_cast<unsigned>(feature)) != 0; }

}  // namespace pemo::script
