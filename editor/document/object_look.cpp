#include "editor/document/object_look.h"

#include "menufile/control_kind.h"
#include "menufile/keywords.h"
#include "platform/fs/windows_path.h"
#include "platform/text/strings.h"

namespace pemo::editor {
namespace {

constexpr double kTwipsPerPixel = 15;

}  // namespace

std::string hostPicturePath(const std::string& name) {
  const std::string trimmed = text::Trim(name);
  if (trimmed.empty()) return {};
  return fs::existingHostFile(trimmed).value_or(std::string());
}

ui::ControlLook lookOf(const MenuObject& o) {
  using menufile::Key;
  ui::ControlLook look;
  look.kind = menufile::controlKindOf(o.kind);
  const double scale = o.frame != 0 ? 1 / kTwipsPerPixel : 1;
  look.geometry = {o.left * scale, o.top * scale, o.width * scale, o.height * scale};
  look.caption = o.caption;
  // A kind without the colour key keeps its control's own colour, as in the runtime.
  if (menufile::isObjectKey(o.kind, Key::ForeColor)) look.foreColor = o.foreColor;
  if (menufile::isObjectKey(o.kind, Key::BackColor)) look.backColor = o.backColor;
  look.font = o.font;
  if (menufile::isObjectKey(o.kind, Key::Picture)) look.picture = hostPicturePath(o.picture);
  look.stretch = o.stretch;
  look.state = o.value;
  look.visible = o.visible;
  return look;
}

}  // namespace pemo::editor
