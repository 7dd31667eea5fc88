#include "runtime/script/event_sub_name.h"

namespace pemo::script {

namespace {

using menufile::ObjectKind;
using menufile::ScriptEvent;

const char* objectWord(ObjectKind kind) {
  switch (kind) {
    case ObjectKind::Menu: return "MENU";
    case ObjectKind::Label: return "LABEL";
    case ObjectKind::Button: return "BUTTON";
    case ObjectKind::PictureButton: return "PICTUREBUTTON";
    case ObjectKind::Image: return "IMAGE";
    case ObjectKind::ComboBox: return "COMBOBOX";
    default: return nullptr;
  }
}

bool kindHasEvent(ObjectKind kind, ScriptEvent event) {
  switch (event) {
    case ScriptEvent::Click: return true;
    case ScriptEvent::MouseMove: return kind != ObjectKind::Menu && kind != ObjectKind::ComboBox;
    case ScriptEvent::BeforeExecute:
    case ScriptEvent::CommitExecute:
      return kind == ObjectKind::Label || kind == ObjectKind::Button || kind == ObjectKind::PictureButton;
    case ScriptEvent::LoadedMenu:
    case ScriptEvent::UnloadMenu: return kind == ObjectKind::Menu;
  }
  return false;
}

const char* eventSuffix(ScriptEvent event) {
  switch (event) {
    case ScriptEvent::Click: return "_CLICK";
    case ScriptEvent::MouseMove: return "_MOUSEMOVE";
    case ScriptEvent::BeforeExecute: return "_BEFOREEXECUTE";
    case ScriptEvent::CommitExecute: return "_COMMITEXECUTE";
    case ScriptEvent::LoadedMenu: return "_LOADEDMENU";
    case ScriptEvent::UnloadMenu: return "_UNLOADMENU";
  }
  return "";
}

}  // namespace

std::string eventSubName(ObjectKind kind, ScriptEvent event) {
  const char* word = objectWord(kind);
  if (word == nullptr || !kindHasEvent(kind, event)) return "";
  return std::string("SUB ") + word + eventSuffix(event) + "()";
}

}  // namespace pemo::script
