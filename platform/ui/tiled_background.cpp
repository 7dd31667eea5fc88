#include "platform/ui/tiled_background.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QWidget>

#include "platform/ui/tiling.h"

namespace pemo::ui {

TiledBackground::TiledBackground(QWidget* area) : QObject(area), area_(area) { area_->installEventFilter(this); }

int TiledBackground::tile(const std::string& hostPath, QSize screen) {
  QPixmap picture(QString::fromStdString(hostPath));
  if (picture.isNull()) return -1;
  const TileGrid grid = tileGrid(picture.width(), picture.height(), screen.width(), screen.height());
  if (grid.empty()) return 0;

  const QSize covered(grid.columns * grid.tileWidth, grid.rows * grid.tileHeight);
  if (canvas_.width() < covered.width() || canvas_.height() < covered.height()) {
    QPixmap larger(canvas_.size().expandedTo(covered));
    larger.fill(Qt::transparent);
    QPainter(&larger).drawPixmap(0, 0, canvas_);
    canvas_ = larger;
  }
  // The grid's tiles side by side, painted in one pass (a tiny picture makes many tiles).
  QPainter(&canvas_).drawTiledPixmap(QRect(QPoint(0, 0), covered), picture);
  area_->update();
  return grid.count();
}

int TiledBackground::tileOverScreen(const std::string& hostPath) {
  const QScreen* screen = area_->screen();
  return tile(hostPath, screen ? screen->size() : QSize(1024, 768));
}

bool TiledBackground::eventFilter(QObject* watched, QEvent* event) {
  // The page area paints its back colour first; the tiles go over it, its children over them.
  if (watched == area_ && event->type() == QEvent::Paint && !canvas_.isNull()) {
    QPainter painter(area_);
    const QRect dirty = static_cast<QPaintEvent*>(event)->rect();
    painter.drawPixmap(dirty, canvas_, dirty);
  }
  return false;
}

}  // namespace pemo::ui
