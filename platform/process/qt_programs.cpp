#include "platform/process/qt_programs.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QObject>
#include <QThread>
#include <QTimer>
#include <mutex>

#include "platform/process/child_processes.h"

namespace pemo::process {

// The reaper threads reach the event loop only through this, and only while the port lives.
struct QtPrograms::Relay {
  std::mutex mutex;
  std::unique_ptr<QObject> receiver = std::make_unique<QObject>();

  void post(std::function<void()> call) {
    std::lock_guard lock(mutex);
    if (receiver) QMetaObject::invokeMethod(receiver.get(), std::move(call), Qt::QueuedConnection);
  }
};

QtPrograms::QtPrograms() : relay_(std::make_shared<Relay>()) {}

QtPrograms::~QtPrograms() {
  std::unique_ptr<QObject> receiver;
  {
    std::lock_guard lock(relay_->mutex);
    receiver.swap(relay_->receiver);
  }
}

void QtPrograms::whenEnded(long pid, std::function<void(long exitCode)> ended) {
  std::shared_ptr<Relay> relay = relay_;
  notifyOnExit(pid, [relay, pid, ended = std::move(ended)] {
    const long code = childExitCode(pid).value_or(0);
    relay->post([ended, code] { ended(code); });
  });
}

void QtPrograms::waitForExit(long pid) {
  if (!isRunningChild(pid)) return;
  QCoreApplication* app = QCoreApplication::instance();
  if (!app || QThread::currentThread() != app->thread()) {
    blockUntilExited(pid);
    return;
  }
  // The loop lives on this stack: the end reaches it through a shared flag, so that an
  // end told after the wait is over touches nothing that is gone.
  QEventLoop loop;
  auto waiting = std::make_shared<QEventLoop*>(&loop);
  whenEnded(pid, [waiting](long) {
    if (*waiting) (*waiting)->quit();
  });
  // The timer only guards against a wake-up lost while the application shuts down.
  QTimer guard;
  QObject::connect(&guard, &QTimer::timeout, &loop, [&loop, pid] {
    if (!isRunningChild(pid)) loop.quit();
  });
  guard.start(250);
  if (isRunningChild(pid)) loop.exec();
  *waiting = nullptr;
}

}  // namespace pemo::process
