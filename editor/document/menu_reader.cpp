#include "editor/document/menu_reader.h"

#include <limits>
#include <map>

#include "editor/document/document_script.h"
#include "editor/document/object_keys.h"
#include "menufile/types.h"
#include "menufile/values.h"
#include "platform/fs/whole_file.h"
#include "platform/fs/windows_path.h"
#include "platform/ui/message_port.h"

namespace pemo::editor {
namespace {

using menufile::Key;
using menufile::LineKind;
using menufile::MenuLine;

struct PendingParent {
  ObjectRef object;
  long frameNumber;
};

class MenuFileReader {
 public:
  MenuFileReader(MenuDocument& document, EditorState& state, std::string_view bytes,
                 const std::string& path)
      : document_(document), state_(state), lines_(bytes), path_(path) {}

  LoadState read() {
    std::map<ObjectKind, int> nextIndex;
    LoadState state = LoadState::NothingRead;
    // The lines of a runtime-only block being kept, while it lasts.
    std::vector<std::string>* kept = nullptr;
    while (!lines_.atEnd()) {
      std::string text = lines_.next().text;
      MenuLine line = menufile::classifyLine(text);
      if (line.kind != LineKind::BlockBegin) {
        if (kept) kept->push_back(std::move(text));
        if (kept && line.kind == LineKind::BlockEnd && line.blockKind() == ObjectKind::Line) kept = nullptr;
        continue;
      }
      closeKeptBlock(kept);
      bool cutShort = false;
      if (line.blockKind() == ObjectKind::Line) {
        kept = &document_.runtimeBlocks.emplace_back(std::vector<std::string>{std::move(text)});
        continue;
      }
      if (line.opensScript()) {
        readScriptSection();
      } else if (auto kind = line.blockKind(); kind == ObjectKind::Menu) {
        cutShort = readMenuSection();
      } else if (kind) {
        int& index = nextIndex.try_emplace(*kind, 1).first->second;
        cutShort = index > menufile::kLargestElement || readObjectSection(*kind, index);
        ++index;
      } else {
        continue;  // no block the menu file knows: its lines are skipped
      }
      if (cutShort) {
        state = LoadState::CutShort;
        break;
      }
      state = LoadState::Read;
    }
    closeKeptBlock(kept);
    // Objects are put into their frames even after a cut-short block, so that nothing
    // read stays invisible and is saved at the wrong place.
    placeLoadedObjects();
    return state;
  }

 private:
  // A kept block that the next block or the end of the file cut short gets its end line,
  // so that it stays one block wherever a save puts it.
  static void closeKeptBlock(std::vector<std::string>*& kept) {
    if (kept) kept->push_back(menufile::endLine(ObjectKind::Line));
    kept = nullptr;
  }

  // Reads the lines of one block and hands each property to apply. True when a line
  // opening another block cut it short; the end of the file ends it normally.
  template <typename Apply>
  bool readBlock(ObjectKind kind, Apply apply) {
    while (!lines_.atEnd()) {
      MenuLine line = menufile::classifyLine(lines_.next().text);
      if (line.kind == LineKind::BlockBegin) return true;
      if (line.kind == LineKind::BlockEnd && line.blockKind() == kind) return false;
      if (line.kind == LineKind::Property) apply(line.knownKey(), line.value);
    }
    return false;
  }

  bool readMenuSection() {
    MenuDocument& d = document_;
    return readBlock(ObjectKind::Menu, [&](Key key, const std::string& value) {
      switch (key) {
        case Key::Caption: d.caption = value; break;
        case Key::Left:
          d.windowTwips.left = menufile::readCoordinate(value) * state_.twipsPerPixelX;
          break;
        case Key::Width:
          d.windowTwips.width = menufile::readCoordinate(value) * state_.twipsPerPixelX;
          break;
        case Key::Top:
          d.windowTwips.top = menufile::readCoordinate(value) * state_.twipsPerPixelY;
          break;
        case Key::Height:
          d.windowTwips.height = menufile::readCoordinate(value) * state_.twipsPerPixelY;
          break;
        case Key::BackColor:
          if (auto colour = menufile::readColour(value)) d.backColor = *colour;
          break;
        case Key::UnloadMode:
          if (auto mode = heldInteger(value, std::numeric_limits<std::int32_t>::min(),
                                      std::numeric_limits<std::int32_t>::max()))
            d.unloadMode = static_cast<std::int32_t>(*mode);
          break;
        case Key::TilingImage: d.tilingImage = value; break;
        case Key::Area: d.area = value; break;
        case Key::Year: d.year = value; break;
        default: break;
      }
    });
  }

  bool readObjectSection(ObjectKind kind, int index) {
    ObjectRef ref{kind, index};
    MenuObject& object = document_.objects(kind).load(index);
    object.onCursorColor = kDefaultOnCursorColour;
    std::optional<long> parent;
    bool cutShort = readBlock(kind, [&](Key key, const std::string& value) {
      if (!readsKey(kind, key)) return;
      if (key == Key::Parent)
        parent =
            heldInteger(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max())
                .value_or(0);
      else
        applyObjectKey(object, key, value);
    });
    if (parent)
      pending_.push_back({ref, *parent});
    else
      showInStack(ref);
    return cutShort;
  }

  void showInStack(ObjectRef ref) {
    document_.find(ref)->visible = true;
    if (ref.kind == ObjectKind::Image)
      document_.sendToBack(ref);
    else
      document_.bringToFront(ref);
  }

  // A PARENT that names no frame leaves the object on the page, visible where it was read.
  void placeLoadedObjects() {
    // Found once for all: PARENT n names frames[n - 1].
    const std::vector<int> frames = document_.framesInFileOrder();
    for (const PendingParent& entry : pending_) {
      MenuObject* object = document_.find(entry.object);
      const bool named = entry.frameNumber > 0 && entry.frameNumber <= static_cast<long>(frames.size());
      int frame = named ? frames[entry.frameNumber - 1] : 0;
      if (object && frame > 0) moveIntoFrame(*object, frame, state_.twipsPerPixelX, state_.twipsPerPixelY);
      if (object) showInStack(entry.object);
    }
    pending_.clear();
  }

  void readScriptSection() {
    std::vector<std::string> script;
    while (!lines_.atEnd()) {
      std::string line = lines_.next().text;
      if (menufile::endsScript(line)) break;
      script.push_back(std::move(line));
    }
    attachScriptWorkFile(document_, state_, path_, std::move(script));
  }

  MenuDocument& document_;
  EditorState& state_;
  menufile::LineReader lines_;
  std::string path_;
  std::vector<PendingParent> pending_;
};

void reportLoadFailure(MenuDocument& document, const std::string& path, const char* message) {
  ui::showExclamation(path + "\r" + message, kEditorTitle);
  document.filePath.clear();
}

}  // namespace

LoadState readMenuBytes(MenuDocument& document, EditorState& state, std::string_view bytes,
                        const std::string& path) {
  LoadState result = MenuFileReader(document, state, bytes, path).read();
  if (result == LoadState::NothingRead) reportLoadFailure(document, path, kNoObjectsMessage);
  if (result == LoadState::CutShort) reportLoadFailure(document, path, kCutShortMessage);
  return result;
}

LoadState loadMenuFile(MenuDocument& document, EditorState& state, const std::string& path) {
  auto host = fs::toHostPath(path);
  auto bytes = host ? fs::readWholeFile(*host, menufile::kLargestMenuFile) : std::nullopt;
  if (!bytes) {
    reportLoadFailure(document, path, kCannotOpenMessage);
    return LoadState::NothingRead;
  }
  return readMenuBytes(document, state, *bytes, path);
}

}  // namespace pemo::editor
