#pragma once
// How the user left the runtime window, under the `SW` key of the runtime's registry
// key: the tree pane, the splitter, the launcher bar, the window state and the tree's
// font. Read once when the window is created, written once when it closes.
#include <functional>
#include <optional>
#include <string>

namespace pemo::shell {

// The tree's font. Read back, a value that is missing or unreadable stays empty and
// the tree keeps that part of its own font.
struct TreeFont {
  std::string name;
  std::optional<double> size;  // points
  std::optional<bool> bold;
  std::optional<bool> italic;
  std::optional<bool> strikethrough;
  std::optional<bool> underline;
};

enum class WindowShowState { Normal, Minimized, Maximized };

struct ViewSettings {
  bool treeView = false;    // the tree pane is shown
  bool showLaunch = false;  // the launcher bar is shown ("ShowLaunch" 1)
  int segmentPosition = 200;  // the splitter's left edge
  WindowShowState windowState = WindowShowState::Normal;
  std::optional<TreeFont> treeFont;  // read: only when a font name is stored; written always
};

// Reads the values, creating the key when it is missing. A missing "TreeView" hides the
// pane; a missing, zero or unreadable "SegmentPosition" puts the splitter at 200; only
// "WindowState" 1 is read (maximized), anything else reads as normal.
ViewSettings loadViewSettings();

// Writes all ten values. The window's rectangle is stored (by `storeWindowRect`, under
// the runtime's key itself) only when the window is in its normal state, so that a
// maximized or minimized close keeps the rectangle of the last normal one.
void saveViewSettings(const ViewSettings& settings, const std::function<void()>& storeWindowRect);

// True when the runtime's key holds a window rectangle ("Left", "Top", "Width" and
// "Height"). A first start has none, and restoring the missing values as zeros would put
// the window in the screen's corner at its smallest.
bool hasStoredWindowRect();

}  // namespace pemo::shell
