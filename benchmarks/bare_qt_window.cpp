// A bare Qt program, measured beside pemo by page_benchmark: it shows a window like
// pemo's and quits once the window's page has been painted. It links nothing but Qt.
//
//   bare_qt_window window              a menu bar, a status bar and ten Japanese labels
//   bare_qt_window page N PICTURE      the same N widgets as pemo's grid page, made
//                                      before the window is shown
#include <QApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <cstdlib>
#include <string>

#include "benchmarks/grid_page.h"

namespace {

using namespace pemo::benchmarks;

class QuitAfterFirstPaint : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    return QObject::eventFilter(watched, event);
  }
};

// A window with the same frame as pemo's: a menu bar with four Japanese menus and a
// status bar; it quits once its central widget has been painted.
QMainWindow* bareFrame(QObject* quitter) {
  auto* w = new QMainWindow;
  for (const char* title : {"ﾒﾆｭｰ(&M)", "実行(&R)", "ｵﾌﾟｼｮﾝ(&O)", "ﾍﾙﾌﾟ(&H)"})
    w->menuBar()->addMenu(QString::fromUtf8(title))->addAction(QStringLiteral("終了(&X)"));
  w->setCentralWidget(new QWidget(w));
  w->statusBar()->showMessage(QStringLiteral("ﾒﾆｭｰ"));
  w->resize(720, 540);
  w->centralWidget()->installEventFilter(quitter);
  return w;
}

int bareWindow() {
  QuitAfterFirstPaint quitter;
  QMainWindow* w = bareFrame(&quitter);
  for (int i = 0; i < 10; ++i) {
    auto* label = new QLabel(QStringLiteral("日本語のラベル %1").arg(i + 1), w->centralWidget());
    label->setGeometry(16, 16 + i * 28, 300, 24);
  }
  w->show();
  int result = qApp->exec();
  delete w;
  return result;
}

// The same widgets as pemo's page of n objects, made before the window is shown.
int barePage(int n, const QString& picture) {
  QuitAfterFirstPaint quitter;
  QMainWindow* w = bareFrame(&quitter);
  QWidget* page = w->centralWidget();
  const QPixmap pixmap(picture);
  for (int i = 0; i < n; ++i) {
    const QString caption = QString::fromStdString(gridCaptionOf(i));
    QWidget* widget = nullptr;
    switch (gridKindOf(i)) {
      case GridKind::Label: widget = new QLabel(caption, page); break;
      case GridKind::Button: widget = new QPushButton(caption, page); break;
      case GridKind::PictureButton: {
        auto* button = new QToolButton(page);
        button->setText(caption);
        button->setIcon(QIcon(pixmap));
        button->setIconSize(pixmap.size());
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        widget = button;
        break;
      }
      case GridKind::Frame: widget = new QGroupBox(caption, page); break;
    }
    const GridPlace place = gridPlaceOf(i);
    widget->setGeometry(place.left, place.top, place.width, place.height);
  }
  w->show();
  int result = qApp->exec();
  delete w;
  return result;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "window") return bareWindow();
  if (mode == "page" && argc > 3) return barePage(std::atoi(argv[2]), argv[3]);
  return 2;
}
