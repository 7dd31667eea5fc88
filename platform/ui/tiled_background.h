#pragma once
// The runtime window's tiled background: pictures painted unscaled, tile by tile, from
// the top-left corner of the page area over an area as large as the screen. What is
// painted stays (a later picture paints over it) and shows through wherever the page
// has no object; it is not painted again on a resize.
//
// Only the part a paint event exposes is drawn, from a small block of the picture
// repeated a few times: filling a screen-sized canvas up front cost the start a
// screen's worth of blending and woke the painter's worker threads.
#include <QImage>
#include <QObject>
#include <QRect>
#include <QSize>
#include <string>
#include <vector>

class QPainter;
class QWidget;

namespace pemo::ui {

class TiledBackground : public QObject {
 public:
  // Paints on `area` (the page area) beneath its children.
  explicit TiledBackground(QWidget* area);

  // Tiles the picture in the file over an area of the screen's size; returns the number
  // of tiles, or -1 when the file holds no picture that can be drawn. A picture of no
  // width or height paints nothing.
  int tile(const std::string& hostPath, QSize screen);
  // The same over the screen the area shows on.
  int tileOverScreen(const std::string& hostPath);
  // The pictures still seen, oldest first (an opaque picture hides those it covers).
  int layerCount() const { return static_cast<int>(layers_.size()); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Layer {
    QImage block;   // the picture repeated, a whole number of times each way
    QRect covered;  // from the area's top-left corner, the grid's whole tiles
  };
  void paint(QPainter& painter, const QRect& dirty) const;

  QWidget* area_;
  std::vector<Layer> layers_;
};

}  // namespace pemo::ui
