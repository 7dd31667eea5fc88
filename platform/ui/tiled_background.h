#pragma once
// The runtime window's tiled background: pictures painted unscaled, tile by tile, from
// the top-left corner of the page area over an area as large as the screen. What is
// painted stays (a later picture paints over it) and shows through wherever the page
// has no object; it is not painted again on a resize.
#include <QObject>
#include <QPixmap>
#include <QSize>
#include <string>

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
  const QPixmap& painted() const { return canvas_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* area_;
  QPixmap canvas_;
};

}  // namespace pemo::ui
