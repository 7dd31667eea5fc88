#include "runtime/shell/window/quit_after_first_paint.h"

#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <cstdlib>

namespace pemo::shell {
namespace {

// A message shown before the first paint (a menu that cannot be read to its end) is
// closed, so that the run goes on to the page.
class QuitAfterFirstPaint : public QObject {
 public:
  explicit QuitAfterFirstPaint(QWidget& page) : QObject(&page), page_(&page) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && watched == page_) QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    // A message may show while the page holds back its repaints: it is closed once shown.
    if (auto* message = qobject_cast<QMessageBox*>(watched); message && event->type() == QEvent::Show)
      QTimer::singleShot(0, message, &QDialog::reject);
    return QObject::eventFilter(watched, event);
  }

 private:
  QObject* page_;
};

}  // namespace

void quitAfterFirstPaintWhenAsked(QWidget& page) {
  // The filter belongs to the page and leaves the application's filters with it.
  if (std::getenv("PEMO_QUIT_AFTER_FIRST_PAINT")) qApp->installEventFilter(new QuitAfterFirstPaint(page));
}

}  // namespace pemo::shell
