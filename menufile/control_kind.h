#pragma once
// The control that shows an object of a kind, in both programs.
#include "menufile/types.h"
#include "platform/ui/control_look.h"

namespace pemo::menufile {

// Label for kinds that no control shows (the menu, a multiple selection).
constexpr ui::ControlKind controlKindOf(ObjectKind kind) {
  switch (kind) {
    case ObjectKind::Button: return ui::ControlKind::Button;
    case ObjectKind::PictureButton: return ui::ControlKind::PictureButton;
    case ObjectKind::Image: return ui::ControlKind::Image;
    case ObjectKind::Radio: return ui::ControlKind::Radio;
    case ObjectKind::CheckBox: return ui::ControlKind::CheckBox;
    case ObjectKind::Frame: return ui::ControlKind::Frame;
    case ObjectKind::ComboBox: return ui::ControlKind::ComboBox;
    case ObjectKind::Line: return ui::ControlKind::Line;
    default: return ui::ControlKind::Label;
  }
}

}  // namespace pemo::menufile
