#include "runtime/shell/launcher/qt_program_picture.h"

#include <QIcon>
#include <QPainter>

namespace pemo::shell::launcher {
namespace {

// A window with its title bar, in the colours of the old desktop's windows.
QPixmap drawnProgramPicture(int size) {
  QPixmap picture(size, size);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  const int margin = size / 8;
  const QRect window(margin, margin * 3 / 2, size - 2 * margin - 1, size - 3 * margin - 1);
  painter.setPen(QColor(0x40, 0x40, 0x40));
  painter.setBrush(Qt::white);
  painter.drawRect(window);
  painter.fillRect(window.left() + 1, window.top() + 1, window.width() - 1, qMax(2, window.height() / 4),
                   QColor(0x00, 0x00, 0x80));
  return picture;
}

}  // namespace

QPixmap programPicture(int size) {
  QPixmap picture = QIcon::fromTheme("application-x-executable").pixmap(size, size);
  return picture.isNull() ? drawnProgramPicture(size) : picture;
}

}  // namespace pemo::shell::launcher
