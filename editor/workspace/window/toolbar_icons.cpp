#include "editor/workspace/window/toolbar_icons.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QStyle>

namespace pemo::editor {

namespace {

constexpr int kSize = 16;

// A picture of a few strokes on a transparent square.
template <typename Draw>
QIcon drawnIcon(Draw draw) {
  QPixmap pixmap(kSize, kSize);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(QPen(Qt::black, 1));
  draw(painter);
  return QIcon(pixmap);
}

QIcon letterIcon(const QString& letters) {
  return drawnIcon([&](QPainter& painter) {
    QFont font = painter.font();
    font.setPixelSize(10);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRect(0, 0, kSize, kSize), Qt::AlignCenter, letters);
  });
}

QIcon standardIcon(QStyle::StandardPixmap pixmap) { return QApplication::style()->standardIcon(pixmap); }

}  // namespace

QIcon toolIcon(ToolIcon icon) {
  switch (icon) {
    case ToolIcon::NewMenu: return standardIcon(QStyle::SP_FileIcon);
    case ToolIcon::OpenMenu: return standardIcon(QStyle::SP_DialogOpenButton);
    case ToolIcon::Save: return standardIcon(QStyle::SP_DialogSaveButton);
    case ToolIcon::Properties: return standardIcon(QStyle::SP_FileDialogDetailedView);
    case ToolIcon::Copy:
      return drawnIcon([](QPainter& p) { p.drawRect(2, 2, 8, 9); p.drawRect(6, 5, 8, 9); });
    case ToolIcon::Cut:
      return drawnIcon([](QPainter& p) { p.drawLine(4, 1, 11, 10); p.drawLine(11, 1, 4, 10);
                                         p.drawEllipse(1, 10, 4, 4); p.drawEllipse(10, 10, 4, 4); });
    case ToolIcon::Paste:
      return drawnIcon([](QPainter& p) { p.drawRect(2, 3, 10, 11); p.fillRect(5, 1, 4, 3, Qt::black);
                                         p.drawRect(7, 7, 7, 8); });
    case ToolIcon::EditScript: return letterIcon("S");
    case ToolIcon::Run: return standardIcon(QStyle::SP_MediaPlay);
    case ToolIcon::Stop: return standardIcon(QStyle::SP_MediaStop);
  }
  return {};
}

QIcon objectKindIcon(int code) {
  switch (code) {
    case 0: return letterIcon("A");
    case 1: return drawnIcon([](QPainter& p) { p.drawRect(1, 4, 13, 8); });
    case 2: return drawnIcon([](QPainter& p) { p.drawRect(1, 2, 13, 12); p.drawEllipse(5, 5, 5, 5); });
    case 3: return drawnIcon([](QPainter& p) { p.drawRect(1, 2, 13, 12); p.drawLine(2, 13, 7, 7); p.drawLine(7, 7, 13, 13); });
    case 4: return drawnIcon([](QPainter& p) { p.drawEllipse(3, 3, 10, 10); p.setBrush(Qt::black); p.drawEllipse(6, 6, 4, 4); });
    case 5: return drawnIcon([](QPainter& p) { p.drawRect(2, 2, 11, 11); p.drawLine(4, 7, 7, 10); p.drawLine(7, 10, 11, 4); });
    case 6: return drawnIcon([](QPainter& p) { p.drawRect(1, 4, 13, 10); p.fillRect(3, 2, 6, 4, Qt::white); p.drawText(3, 7, "xy"); });
    case 7: return drawnIcon([](QPainter& p) { p.drawRect(1, 4, 13, 7); p.drawLine(10, 4, 10, 11); p.drawLine(11, 7, 13, 7); });
  }
  return {};
}

}  // namespace pemo::editor
