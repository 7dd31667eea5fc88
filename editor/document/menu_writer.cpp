#include "editor/document/menu_writer.h"

#include "editor/document/document_script.h"
#include "menufile/lines.h"
#include "menufile/values.h"
#include "platform/fs/atomic_file.h"
#include "platform/fs/windows_path.h"
#include "platform/ui/message_port.h"

namespace pemo::editor {
namespace {

using menufile::Key;

// Writes the lines of one block or section into the file's line list.
class LineSink {
 public:
  explicit LineSink(std::vector<std::string>& lines) : lines_(lines) {}
  void line(std::string text) { lines_.push_back(std::move(text)); }
  void property(Key key, const std::string& value) {
    lines_.push_back(menufile::propertyLine(key, menufile::singleLineText(value)));
  }

 private:
  std::vector<std::string>& lines_;
};

// An object's geometry as written: pixels as held on the page; inside a frame the twips
// divided by the twips per pixel of that direction.
struct FileGeometry {
  double left, top, width, height;
};

FileGeometry fileGeometry(const MenuObject& object, bool inFrame, const EditorState& state) {
  if (!inFrame) return {object.left, object.top, object.width, object.height};
  return {object.left / state.twipsPerPixelX, object.top / state.twipsPerPixelY,
          object.width / state.twipsPerPixelX, object.height / state.twipsPerPixelY};
}

// The value of one key of an object block; nullopt leaves the line out.
std::optional<std::string> objectValue(const MenuObject& object, Key key, int blockIndex,
                                       int parentNumber, const FileGeometry& geometry) {
  using menufile::formatBoolean;
  using menufile::formatColour;
  using menufile::formatGeometry;
  switch (key) {
    case Key::Index: return menufile::formatNumber(blockIndex);
    case Key::Parent:
      if (parentNumber == 0) return std::nullopt;
      return menufile::formatNumber(parentNumber);
    case Key::Caption: return object.caption;
    case Key::Left: return formatGeometry(geometry.left);
    case Key::Top: return formatGeometry(geometry.top);
    case Key::Width: return formatGeometry(geometry.width);
    case Key::Height: return formatGeometry(geometry.height);
    case Key::ForeColor: return formatColour(object.foreColor);
    case Key::BackColor: return formatColour(object.backColor);
    case Key::FontName: return object.font.name;
    case Key::FontSize: return menufile::formatFontSize(object.font.size);
    case Key::FontBold: return formatBoolean(object.font.bold);
    case Key::FontItalic: return formatBoolean(object.font.italic);
    case Key::FontUnderline: return formatBoolean(object.font.underline);
    case Key::Link: return object.link;
    case Key::Style:
      if (object.kind == ObjectKind::Label) return object.labelStyle;
      return menufile::formatNumber(object.linkStyle);
    case Key::OnCursorColor: return object.onCursorColor;
    case Key::Picture: return object.picture;
    case Key::Stretch: return formatBoolean(object.stretch);
    case Key::Value:
      if (object.kind == ObjectKind::Radio) return formatBoolean(object.value != 0);
      return menufile::formatNumber(object.value);
    default: return std::nullopt;
  }
}

void writeObjectBlocks(LineSink& out, const MenuDocument& document, const EditorState& state) {
  for (ObjectKind kind : kDocumentKinds) {
    const ControlArray& array = document.objects(kind);
    int blockIndex = 1;
    for (int i = 1; i <= array.upperBound(); ++i) {
      const MenuObject* object = array.find(i);
      if (!object) continue;
      int parentNumber = kind == ObjectKind::Frame ? 0 : document.frameFileNumber(object->frame);
      FileGeometry geometry = fileGeometry(*object, parentNumber > 0, state);
      out.line("");
      out.line(menufile::beginLine(kind));
      for (Key key : menufile::objectKeyOrder(kind))
        if (auto value = objectValue(*object, key, blockIndex, parentNumber, geometry))
          out.property(key, *value);
      out.line(menufile::endLine(kind));
      ++blockIndex;
    }
  }
}

}  // namespace

std::vector<std::string> menuFileLines(const MenuDocument& document, const EditorState& state) {
  std::vector<std::string> lines;
  LineSink out(lines);
  out.line(menufile::beginLine(ObjectKind::Menu));
  out.property(Key::Caption, document.caption);
  out.property(Key::BackColor, menufile::formatColour(document.backColor));
  out.property(Key::UnloadMode, menufile::formatNumber(document.unloadMode));
  out.property(Key::TilingImage, document.tilingImage);
  out.line(menufile::endLine(ObjectKind::Menu));
  writeObjectBlocks(out, document, state);
  for (const auto& block : document.runtimeBlocks) {
    out.line("");
    for (const std::string& line : block) out.line(line);
  }
  if (auto script = documentScript(document)) {
    out.line("");
    out.line(std::string(menufile::kScriptBeginLine));
    for (auto& line : *script) out.line(std::move(line));
    out.line(std::string(menufile::kScriptEndLine));
  }
  return lines;
}

bool writeMenuFile(const std::string& path, MenuDocument& document, WriteMode mode,
                   EditorState& state) {
  auto host = fs::toHostPath(path);
  if (!host || scriptWorkFileUnreadable(document) ||
      !fs::writeFileAtomically(*host, menufile::encodeLines(menuFileLines(document, state)))) {
    ui::showExclamation(path + "\r" + kCannotSaveMessage, kEditorTitle);
    return false;
  }
  if (mode == WriteMode::TestRun) return true;
  document.changed = false;
  recordRecentFile(state.recentKey, state.recentFiles, path);
  if (state.mainWindow) state.mainWindow->setRecentMenu();
  return true;
}

}  // namespace pemo::editor
