#pragma once
// What the runtime window does on the mouse and key events of the page: a click goes to
// the menu's script and then to the link actions, the object under the mouse explains
// its link in the status line, labels take their on-cursor colour while the mouse is
// over them, images and labels show a pressed frame, and the right button opens the
// popup menu.
#include <string>

#include "runtime/page/link_actions.h"
#include "runtime/page/menu_page.h"

namespace pemo::page {

// What the events need of the window beyond the page view.
class PageEventPort {
 public:
  virtual ~PageEventPort() = default;
  // Rebuilds the running-programs entries and shows the popup menu at the mouse.
  virtual void showPopupMenu() = 0;
  // Opens the help document (the shell tells when it cannot).
  virtual void showHelpDocument() = 0;
  // Inverts the frame of an object while the left button is held on it; the erase
  // inverts the rectangle drawn last once more.
  virtual void drawPressedFrame(ObjectKind kind, int index) = 0;
  virtual void erasePressedFrame() = 0;
};

// Mouse buttons and key shift states as the events report them.
enum MouseButton : int { kLeftButton = 1, kRightButton = 2 };
enum ShiftState : int { kShiftKey = 1, kCtrlKey = 2, kAltKey = 4 };
constexpr int kKeyEscape = 27;
constexpr int kKeyF1 = 112;

// The status-line texts of the link styles.
inline constexpr const char* kHelpExecuteSelection = "選択されたﾘﾝｸを実行します";
inline constexpr const char* kHelpExecuteSelectionThenLink = "選択されたﾘﾝｸを実行し、このｵﾌﾞｼﾞｪｸﾄのﾘﾝｸを実行します";
inline constexpr const char* kHelpCloseMenu = "ﾒﾆｭｰを終了します";
inline constexpr const char* kHelpParentMenu = "親ﾒﾆｭｰへ移動します";

class PageEvents {
 public:
  PageEvents(MenuPage& page, LinkActions& links, MenuTreePort& tree, PageEventPort& window);

  // The page's events; the kind Menu with index 0 stands for the bare window.
  void click(ObjectKind kind, int index);
  void mouseDown(ObjectKind kind, int index, int button);
  void mouseUp(ObjectKind kind, int index, int button);
  void mouseMove(ObjectKind kind, int index);
  // True when the key was one of the window's own (Shift+Esc, F1).
  bool keyDown(int keyCode, int shift);

  // The hovered label takes its own colour back (the mouse went elsewhere: another
  // object, the strip along the top, the splitter, the tree).
  void resetHoverLabel();
  // The status-line text for an object of the link style whose link is `link`.
  std::string styleHelp(int style, const std::string& link);

 private:
  void hoverLabel(PageObject& label);
  void showStyleHelp(int style, const std::string& link);
  void fire(ObjectKind kind, int index, menufile::ScriptEvent event);
  void setLabelColour(PageObject& label, std::optional<std::uint32_t> colour);

  MenuPage& page_;
  LinkActions& links_;
  MenuTreePort& tree_;
  PageEventPort& window_;
};

}  // namespace pemo::page
