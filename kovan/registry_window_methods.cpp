// Saving a window's rectangle in a registry key below HKEY_USERS and restoring it.
#include <cmath>
#include <optional>

#include "kovan/kovan.h"
#include "kovan/scoped_key.h"
#include "kovan/window_placement.h"
#include "platform/registry/registry.h"
#include "platform/text/numbers.h"
#include "platform/text/strings.h"
#include "platform/ui/window_port.h"

namespace pemo::kovan {
namespace {

// Walks a key's values by one running index, as the restore does: each search goes
// on from where the previous one stopped.
class ValueWalk {
 public:
  ValueWalk(KOVAN& kovan, int32_t key) : kovan_(kovan), key_(key) {}

  // The next value: its name in upper case and its text; false at the end.
  bool next(std::string& upperName, std::string& text) {
    std::string name, binary;
    int32_t type = 0;
    if (kovan_.RegGetValueByIndex(key_, index_, name, text, type, binary) != 0) return false;
    ++index_;
    upperName = text::UCase(name);
    return true;
  }

  // The text of the next value named upperName; nullopt, with the walk at the end,
  // when there is none.
  std::optional<std::string> find(const std::string& upperName) {
    std::string name, text;
    while (next(name, text))
      if (name == upperName) return text;
    return std::nullopt;
  }

 private:
  KOVAN& kovan_;
  int32_t key_;
  int32_t index_ = 0;
};

// A stored number rounded to whole pixels; a missing one counts 0.
std::optional<int32_t> pixels(const std::optional<std::string>& text) {
  return text ? storedPixels(*text) : 0;
}

// The size stored after where the walk stands, in `size` when it is one to give the
// window; false when it is beyond what a size can be.
bool storedSize(ui::WindowPort& windows, ValueWalk& walk, std::optional<PixelSize>& size) {
  std::optional<std::string> widthText, heightText;
  std::string name, text;
  while (walk.next(name, text)) {
    if (name == "WIDTH") widthText = text;
    if (name == "HEIGHT") heightText = text;
  }
  auto width = pixels(widthText);
  auto height = pixels(heightText);
  if (!width || !height) return false;
  // A size below the usable one (a damaged or missing value) would give a window nobody
  // can work with: the window keeps the size it has, its default one.
  if (!usableSize(*width, *height)) return true;
  // A damaged size would ask for a window larger than any screen can show.
  const ui::ScreenSize available = windows.availableSize();
  size = PixelSize{withinExtent(*width, available.width), withinExtent(*height, available.height)};
  return true;
}

}  // namespace

bool KOVAN::GetWindowPositionReg(const int32_t& wnd, const String& RegKey, const bool& KeepOnScreen,
                                 const Variant& RestoreSize) {
  ScopedKey key(RegOpenKey(registry::kUsers, RegKey));
  if (!key.isOpen()) return false;
  ui::WindowPort& windows = ui::windowPort();
  ValueWalk walk(*this, key.get());
  // "TOP" is looked for only from "LEFT" on, and the size from "TOP" on: the order
  // SetWindowPositionReg writes them in.
  auto left = pixels(walk.find("LEFT"));
  auto top = pixels(walk.find("TOP"));
  if (!left || !top) return false;
  windows.moveWindow(wnd, *left, *top);
  std::optional<PixelSize> size;
  const bool sized = RestoreSize.isMissing() || storedSize(windows, walk, size);
  // The correction counts the size the window is given after it.
  if (KeepOnScreen) keepOnScreen(windows, wnd, *left, *top, size);
  if (size) windows.resizeWindow(wnd, size->width, size->height);
  return sized;
}

bool KOVAN::SetWindowPositionReg(const int32_t& wnd, const String& RegKey) {
  ui::WindowRect rect;
  // A window that cannot be read leaves the stored rectangle alone.
  if (!ui::windowPort().windowRect(wnd, rect)) return true;
  // One place is one write: another program storing its place at the same time must
  // not leave a rectangle mixed from both.
  registry::WriteBatch onePlace;
  if (!onePlace.isOpen()) return false;
  int32_t disposition = 0;
  ScopedKey key(RegCreateKey("HKEY_USERS\\" + RegKey, "", 0, disposition));
  if (!key.isOpen()) return false;
  const std::pair<const char*, int32_t> values[] = {
      {"Left", rect.left}, {"Top", rect.top}, {"Width", rect.width()}, {"Height", rect.height()}};
  for (const auto& [name, number] : values) {
    if (RegSetValue(key.get(), name, registry::kString, std::to_string(number)) !=
        Variant(int32_t{registry::kSuccess}))
      return false;
  }
  return true;
}

}  // namespace pemo::kovan
