#include "runtime/shell/window/quit_after_first_paint.h"

#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QPointer>
#include <QRegularExpression>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

namespace pemo::shell {
namespace {

// A message shown before the first paint (a start file that is missing, a menu that
// cannot be read to its end) is closed, so that the run goes on.
class QuitAfterFirstPaint : public QObject {
 public:
  explicit QuitAfterFirstPaint(QObject* parent) : QObject(parent) {}
  void watch(QWidget& page) { page_ = &page; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && page_ && watched == page_)
      QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    // A message may show while the page holds back its repaints: it is closed once shown,
    // and its text goes to the error output for the check that started the run.
    if (auto* message = qobject_cast<QMessageBox*>(watched); message && event->type() == QEvent::Show) {
      // One line per message, whatever line breaks its text holds.
      const QString text = message->text().replace(QLatin1String("\r\n"), QLatin1String(" / ")).replace(QRegularExpression("[\r\n]"), " / ");
      std::fprintf(stderr, "pemo: message closed: %s\n", qPrintable(text));
      QTimer::singleShot(0, message, &QDialog::reject);
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  QPointer<QWidget> page_;
};

// The armed filter; it belongs to the application and leaves with it.
QPointer<QuitAfterFirstPaint> armed;

}  // namespace

void armQuitAfterFirstPaint() {
  if (armed || !std::getenv("PEMO_QUIT_AFTER_FIRST_PAINT")) return;
  armed = new QuitAfterFirstPaint(qApp);
  qApp->installEventFilter(armed);
}

void quitAfterFirstPaintOf(QWidget& page) {
  if (armed) armed->watch(page);
}

}  // namespace pemo::shell
