#pragma once
// Connects the runtime window's widgets to the page events: mouse moves, presses and
// releases on the page objects, the bare page, the strip along the top, the splitter
// and the tree; the window's own keys, seen before any of its widgets; the pressed
// frame and the splitter's drag outline, drawn by one outline overlay on the window.
#include <QHash>
#include <QObject>
#include <QPoint>
#include <functional>
#include <memory>

#include "platform/ui/outline.h"
#include "platform/process/program_port.h"
#include "runtime/page/page_events.h"
#include "runtime/page/splitter.h"

class QScrollBar;

namespace pemo::page {

class PageEventWiring : public QObject, public PageEventPort, public SplitterPort {
 public:
  struct Parts {
    QWidget* window = nullptr;          // the top-level window
    QWidget* client = nullptr;        // the page area: objects, tree, splitter, bars
    QWidget* splitter = nullptr;      // SEG
    QScrollBar* verticalBar = nullptr;
    QWidget* topStrip = nullptr;      // FRA
    QWidget* tree = nullptr;          // TV
  };
  PageEventWiring(MenuPage& page, LinkActions& links, MenuTreePort& tree, const Parts& parts);
  ~PageEventWiring() override;

  // Watches the widget of a page object (its mouse events and clicks come here).
  void watchObject(QWidget* widget, ObjectKind kind, int index);
  // A click on a page object, or on the bare page (kind Menu).
  void clicked(ObjectKind kind, int index) { events_.click(kind, index); }
  // While the page is locked its objects take no mouse events (the bare page still does).
  void lockObjects(bool locked) { objectsLocked_ = locked; }
  // The page's widgets are going: an outline drawn on them goes too.
  void pageCleared();
  // The shell's popup menu, shown at a global position; until one is set, none opens.
  void setPopupMenu(std::function<void(QPoint)> popup) { popup_ = std::move(popup); }

  PageEvents& events() { return events_; }
  const ui::OutlineOverlay& outlines() const { return *overlay_; }

  // PageEventPort
  void showPopupMenu() override;
  void showHelpDocument() override;
  void drawPressedFrame(ObjectKind kind, int index) override;
  void erasePressedFrame() override;
  // SplitterPort
  int splitterLeft() const override;
  void setSplitterLeft(int left) override;
  int verticalBarLeft() const override;
  void invertOutline(int x) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Watched {
    ObjectKind kind;
    int index;
  };
  bool pageObjectEvent(const Watched& object, QEvent* event);
  bool splitterEvent(QEvent* event);
  bool keyEvent(QObject* watched, QEvent* event);
  class KeyPreview;

  MenuPage& page_;
  process::ProgramPort& programs_;
  Parts parts_;
  PageEvents events_;
  SplitterDrag drag_;
  ui::OutlineOverlay* overlay_;
  std::unique_ptr<KeyPreview> keyPreview_;
  QHash<QObject*, Watched> watched_;
  std::optional<QRect> pressedFrame_;
  std::function<void(QPoint)> popup_;
  bool objectsLocked_ = false;
};

}  // namespace pemo::page
