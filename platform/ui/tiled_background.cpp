#include "platform/ui/tiled_background.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cstring>

#include "platform/ui/picture_file.h"
#include "platform/ui/tiling.h"

namespace pemo::ui {
namespace {

// A block at least this wide and high keeps the number of draws per paint small even
// for a picture of a pixel or two.
constexpr int kBlockSide = 256;
// Qt's raster painter hands a blend of more than about a hundred lines to a pool of
// worker threads; starting that pool costs a start more than the blend itself, so the
// background goes out in strips short enough to stay on this thread.
constexpr int kStripLines = 64;

// The picture repeated side by side and row under row, copied line by line: a plain
// copy needs no blending, whatever the picture's size.
QImage repeatedBlock(const QImage& picture) {
  const int w = picture.width();
  const int h = picture.height();
  const int across = (kBlockSide + w - 1) / w;
  const int down = (kBlockSide + h - 1) / h;
  QImage block(w * across, h * down, picture.format());
  if (block.isNull()) return picture;  // no memory for the block: draw the picture itself
  const auto lineBytes = static_cast<std::size_t>(w) * 4;
  for (int y = 0; y < block.height(); ++y) {
    const uchar* from = picture.constScanLine(y % h);
    uchar* to = block.scanLine(y);
    for (int i = 0; i < across; ++i) std::memcpy(to + i * lineBytes, from, lineBytes);
  }
  return block;
}

}  // namespace

TiledBackground::TiledBackground(QWidget* area) : QObject(area), area_(area) { area_->installEventFilter(this); }

int TiledBackground::tile(const std::string& hostPath, QSize screen) {
  QImage picture = readPicture(hostPath);
  if (picture.isNull()) return -1;
  const TileGrid grid = tileGrid(picture.width(), picture.height(), screen.width(), screen.height());
  if (grid.empty()) return 0;

  const bool opaque = !picture.hasAlphaChannel();
  picture = picture.convertToFormat(opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
  const QRect covered(0, 0, grid.columns * grid.tileWidth, grid.rows * grid.tileHeight);
  // An opaque picture hides for good whatever lies wholly beneath it.
  if (opaque)
    std::erase_if(layers_, [&covered](const Layer& under) { return covered.contains(under.covered); });
  layers_.push_back({repeatedBlock(picture), covered});
  area_->update();
  return grid.count();
}

int TiledBackground::tileOverScreen(const std::string& hostPath) {
  const QScreen* screen = area_->screen();
  return tile(hostPath, screen ? screen->size() : QSize(1024, 768));
}

void TiledBackground::paint(QPainter& painter, const QRect& dirty) const {
  for (const Layer& layer : layers_) {
    const QRect reach = dirty & layer.covered;
    if (reach.isEmpty()) continue;
    // Blocks start at multiples of their size, so the tiles keep the area's corner as
    // their origin whatever part is painted.
    const int bw = layer.block.width();
    const int bh = layer.block.height();
    for (int top = reach.top() / bh * bh; top <= reach.bottom(); top += bh) {
      for (int left = reach.left() / bw * bw; left <= reach.right(); left += bw) {
        const QRect part = QRect(left, top, bw, bh) & reach;
        for (int y = part.top(); y <= part.bottom(); y += kStripLines) {
          const QRect strip(part.left(), y, part.width(), std::min(kStripLines, part.bottom() + 1 - y));
          painter.drawImage(strip.topLeft(), layer.block, strip.translated(-left, -top));
        }
      }
    }
  }
}

bool TiledBackground::eventFilter(QObject* watched, QEvent* event) {
  // The page area paints its back colour first; the tiles go over it, its children over them.
  if (watched == area_ && event->type() == QEvent::Paint && !layers_.empty()) {
    QPainter painter(area_);
    paint(painter, static_cast<QPaintEvent*>(event)->rect());
  }
  return false;
}

}  // namespace pemo::ui
