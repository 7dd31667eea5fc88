#pragma once
// What the page logic needs of the runtime window. The window implements it with
// widgets; tests use a fake.
#include <string>

#include "runtime/page/page_object.h"

namespace pemo::page {

// The mouse pointer, by the codes of a Windows form's pointer property.
enum class MousePointer : int { Default = 0, Hourglass = 11, NoDrop = 12 };

class PageView {
 public:
  virtual ~PageView() = default;

  // Panel 1 of the status bar.
  virtual void setStatusText(const std::string& text) = 0;
  virtual void setPointer(MousePointer pointer) = 0;
  // True while a menu is being read onto the page: the window holds back its repaints
  // until the page is complete.
  virtual void setOpening(bool opening) = 0;
  // Lets the window handle pending paints and timers (not user input).
  virtual void yieldToEvents() = 0;

  // The tree pane and the splitter, in pixels.
  virtual bool treePaneShown() const = 0;
  virtual int splitterLeft() const = 0;
  virtual int splitterWidth() const = 0;

  // The window itself, from the MENU block.
  virtual void setCaption(const std::string& caption) = 0;
  virtual void setBackColor(std::uint32_t bgr) = 0;
  // Paints the picture (a host path) tiled over the background; returns the number of
  // tiles, or -1 when the file is no picture that can be drawn.
  virtual int tileBackground(const std::string& hostPath) = 0;
  // True when the file (a host path) holds a picture that can be shown.
  virtual bool isPicture(const std::string& hostPath) = 0;

  // The page's objects: shown as built, changed, moved, removed.
  virtual void objectLoaded(const PageObject& object) = 0;
  virtual void objectChanged(const PageObject& object) = 0;
  virtual void objectsMoved() = 0;
  virtual void pageCleared() = 0;
  // Puts the tree, splitter, scroll bars and exit button in front of the page objects.
  virtual void raiseFixedControls() = 0;

  // The window's resize handler: scroll bars and window parts for the current page.
  virtual void relayout() = 0;
  // Enables or disables the page objects, the tree, the splitter and the menus.
  virtual void enablePage(bool enabled) = 0;
  // Asks the window to close (its close handler may refuse).
  virtual void closeWindow() = 0;
};

}  // namespace pemo::page
