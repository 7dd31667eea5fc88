#include "platform/process/waiting.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <memory>

#include "platform/process/child_processes.h"

namespace pemo::process {
namespace {

// Lives on the application's thread; the reaper thread only posts to it.
struct LoopHandle {
  QEventLoop* loop = nullptr;
};

}  // namespace

void waitForExit(long pid) {
  if (!isRunningChild(pid)) return;
  QCoreApplication* app = QCoreApplication::instance();
  if (!app || QThread::currentThread() != app->thread()) {
    blockUntilExited(pid);
    return;
  }
  QEventLoop loop;
  auto handle = std::make_shared<LoopHandle>();
  handle->loop = &loop;
  notifyOnExit(pid, [handle, app] {
    QMetaObject::invokeMethod(app, [handle] {
      if (handle->loop) handle->loop->quit();
    }, Qt::QueuedConnection);
  });
  // The timer only guards against a wake-up lost while the application shuts down.
  QTimer guard;
  QObject::connect(&guard, &QTimer::timeout, &loop, [&loop, pid] {
    if (!isRunningChild(pid)) loop.quit();
  });
  guard.start(250);
  if (isRunningChild(pid)) loop.exec();
  handle->loop = nullptr;
}

}  // namespace pemo::process
