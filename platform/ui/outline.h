#pragma once
// Inverted outlines, as Windows draws them with an inverting pen: the pressed frame
// of an object, the splitter's drag outline, the outlines of the editing surface and of
// the launcher bar. Inverting an outline a second time erases it, so callers draw and
// erase the same way. Inside a window the outline is an overlay that inverts what lies
// beneath; on the screen it is a small shaped top-level window.
#include <QImage>
#include <QRect>
#include <QRegion>
#include <QWidget>
#include <memory>
#include <vector>

namespace pemo::ui {

// The outline of `rect` with a pen `penWidth` pixels wide drawn inside the rectangle:
// four strips that do not overlap, so that inverting them twice restores every pixel.
QRegion outlineStrips(const QRect& rect, int penWidth);
// The same strips as rectangles, empty ones left out.
std::vector<QRect> outlineStripRects(const QRect& rect, int penWidth);

// The outlines now shown; drawing one again takes it away.
class OutlineSet {
 public:
  struct Outline {
    QRect rect;
    int penWidth = 1;
  };
  // True when the outline is now shown, false when this erased it.
  bool toggle(const QRect& rect, int penWidth);
  void clear() { outlines_.clear(); }
  bool empty() const { return outlines_.empty(); }
  const std::vector<Outline>& outlines() const { return outlines_; }

 private:
  std::vector<Outline> outlines_;
};

// Outlines over the widgets of one window. The overlay covers its host, lets every mouse
// event through and inverts the pixels beneath the outlines.
//
// While the pointer drags outlines across many objects, `holdBackground` keeps a picture
// of what lies beneath and the overlay paints from it, opaque: a moving outline then costs
// a copy of pixels, not a repaint of every object it crosses. Nothing beneath may change
// on the screen until `releaseBackground`; whatever changes beneath while it is held calls
// `dropBackground`, which shows the host as it is now.
class OutlineOverlay : public QWidget {
 public:
  explicit OutlineOverlay(QWidget* host);

  // Inverts the outline of `rect`, given in the coordinates of `from` (the host or a
  // widget inside it), placed through the widgets' real positions, so that an object
  // inside a frame gets its own. Returns the rectangle in the host's coordinates.
  QRect invert(const QWidget* from, const QRect& rect, int penWidth);
  void invert(const QRect& hostRect, int penWidth);
  // Takes every outline away (the widgets beneath are going).
  void clear();
  const OutlineSet& outlines() const { return set_; }

  void holdBackground();
  void releaseBackground();
  void dropBackground();
  bool holdsBackground() const { return held_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void stayOnTop();
  QImage pictureBeneath();
  void repaintStrips(const QRect& hostRect, int penWidth);

  OutlineSet set_;
  bool held_ = false;
  bool renderingBeneath_ = false;
  QImage beneath_;
  // What changed since the last paint while the background is held: one rectangle, so
  // that many outlines cost no region arithmetic.
  QRect heldDirty_;
};

// Outlines on the screen, over other programs' windows too. The screen beneath cannot be
// inverted, so each outline is a shaped window painted in a pattern that shows on light
// and dark backgrounds alike.
class ScreenOutline {
 public:
  ScreenOutline();
  ~ScreenOutline();
  // `globalRect` in screen coordinates.
  void invert(const QRect& globalRect, int penWidth);
  void clear();
  const OutlineSet& outlines() const { return set_; }

 private:
  void sync();
  OutlineSet set_;
  std::vector<std::unique_ptr<QWidget>> windows_;
};

}  // namespace pemo::ui
