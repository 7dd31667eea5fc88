#pragma once
// The page surface: the client area of the runtime window that shows one menu page at a
// time, with its object control arrays, the scroll bars, the corner button, the splitter
// and the strip along the top, and the tree pane laid out beside them. The page logic
// (MenuPage, LinkActions) decides; the surface shows and forwards events. What lies
// outside the client area (caption, status line, menus) it reaches through PageFrame.
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFrame>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <memory>
#include <optional>
#include <string>

#include "platform/ui/control_array.h"
#include "platform/ui/tiled_background.h"
#include "runtime/page/link_actions.h"
#include "runtime/page/menu_page.h"
#include "platform/ui/controls.h"
#include "platform/ui/picture_file.h"

class QScrollBar;

namespace pemo::page {

class PageEventWiring;

// The window around the page surface.
class PageFrame {
 public:
  virtual ~PageFrame() = default;
  virtual void setStatusText(const std::string& text) = 0;
  virtual void setCaption(const std::string& caption) = 0;
  // The menu bar's menus follow the page's lock.
  virtual void enableMenus(bool enabled) = 0;
  virtual int statusBarHeight() const = 0;
  // Asks the window to close (its close handler may refuse).
  virtual void closeWindow() = 0;
};

class PageSurface : public QWidget, public PageView {
  Q_OBJECT
 public:
  // treePane is the frame's tree, laid out at the left of the page.
  PageSurface(PageFrame& frame, QWidget* treePane);
  ~PageSurface() override;

  // Shows the page from now on: its events go to the page and its links. Called once,
  // when the surface sits in its window.
  void showPage(MenuPage& page, LinkActions& links, MenuTreePort& tree);
  MenuPage& page() { return *page_; }
  const MenuPage& page() const { return *page_; }

  // The first menu: close, open, lay out.
  void openFirstMenu(const std::string& path);
  // The tree pane and the splitter as the window starts (no page to shift yet).
  void placeTreePane(bool shown, int splitterLeft);
  // Shows or hides the tree pane; the page moves along.
  void showTreePane(bool shown);

  // Widgets of the page objects (the script reads their state; tests click them).
  QWidget* objectWidget(ObjectKind kind, int index) const;
  QScrollBar* horizontalBar() const { return horizontalBar_; }
  QScrollBar* verticalBar() const { return verticalBar_; }
  // The page's mouse and key events, the splitter drag and the pressed frame.
  PageEventWiring& pageEvents() { return *events_; }
  // The page's background colour as last set (BGR; the system's window colour at first).
  std::uint32_t backColor() const { return backColor_; }

  // PageView
  void setStatusText(const std::string& text) override;
  void setPointer(MousePointer pointer) override;
  void setOpening(bool opening) override;
  void yieldToEvents() override;
  bool treePaneShown() const override { return treeShown_; }
  int splitterLeft() const override;
  int splitterWidth() const override;
  void setCaption(const std::string& caption) override;
  void setBackColor(std::uint32_t bgr) override;
  int tileBackground(const std::string& hostPath) override;
  bool isPicture(const std::string& hostPath) override;
  void objectLoaded(const PageObject& object) override;
  void objectChanged(const PageObject& object) override;
  void objectsMoved() override;
  void pageCleared() override;
  void raiseFixedControls() override;
  void relayout() override;
  void enablePage(bool enabled) override;
  void closeWindow() override;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void buildFixedControls();
  // Moves a splitter the window's width has left out of reach back into it and lays the
  // window out; false when it was within reach.
  bool bringSplitterWithinReach();
  QWidget* loadWidget(const PageObject& object);
  // Shows the object; while the page is locked an object that the lock switches stays
  // disabled whatever it says.
  void applyObject(QWidget* widget, const PageObject& object);
  // Loads an element whose `clicked` signal reaches the page as a click of the object.
  template <class W, class Signal>
  W* loadClickable(ui::ControlArray<W>& array, ObjectKind kind, int index, Signal clicked);
  template <class F>
  void forEachObjectArray(F f);

  PageFrame& windowFrame_;
  QWidget* tree_;
  // The page's objects lie in a layer of their own under the fixed controls: it is kept
  // off the screen while a page is built, so that the tree pane beside it stays as it is.
  QWidget* objectLayer_ = nullptr;
  bool treeShown_ = true;
  bool locked_ = false;
  QFrame* splitter_ = nullptr;
  QScrollBar* horizontalBar_ = nullptr;
  QScrollBar* verticalBar_ = nullptr;
  QPushButton* exitButton_ = nullptr;
  QFrame* topStrip_ = nullptr;
  std::uint32_t backColor_ = 0x8000000F;

  std::unique_ptr<ui::ControlArray<ui::ClickableLabel>> labels_;
  std::unique_ptr<ui::ControlArray<QPushButton>> buttons_;
  std::unique_ptr<ui::ControlArray<QToolButton>> pictureButtons_;
  std::unique_ptr<ui::ControlArray<ui::ClickableLabel>> images_;
  std::unique_ptr<ui::ControlArray<QRadioButton>> radios_;
  std::unique_ptr<ui::ControlArray<QCheckBox>> checkBoxes_;
  std::unique_ptr<ui::ControlArray<QGroupBox>> frames_;
  std::unique_ptr<ui::ControlArray<QComboBox>> comboBoxes_;
  std::unique_ptr<ui::ControlArray<ui::LineWidget>> lines_;

  MenuPage* page_ = nullptr;
  PageEventWiring* events_ = nullptr;
  ui::TiledBackground* background_ = nullptr;
  QElapsedTimer lastYield_;
  // A page shows the same few pictures on many buttons: each file is tried and read once
  // while the page opens (trying means asking every picture format to read its start).
  std::optional<ui::PicturesReadOnce> pictureReads_;
};

}  // namespace pemo::page
