#include "platform/ui/window_table.h"

#include <unistd.h>

#include <QObject>
#include <QWidget>
#include <map>

#include "platform/registry/registry.h"

namespace pemo::ui {
namespace {

struct Table {
  std::map<WindowHandle, QWidget*> byHandle;
  std::map<const QWidget*, WindowHandle> byWidget;
  uint32_t localCount = 0;
};

Table& table() {
  static Table instance;
  return instance;
}

// Numbers come from a counter in the registry database that every Pemo process
// shares, so two running processes never give the same number and a number is not
// given again soon after its window closed. Without the database, the process id
// picks a range of its own.
WindowHandle newHandle() {
  int64_t shared = registry::nextCounterValue("window handles");
  if (shared > 0) return static_cast<WindowHandle>((shared - 1) % INT32_MAX + 1);
  uint32_t local = ++table().localCount;
  return static_cast<WindowHandle>(0x40000000u | ((static_cast<uint32_t>(getpid()) & 0xFFFFFu) << 10) |
                                   (local & 0x3FFu));
}

void forget(WindowHandle handle) {
  Table& t = table();
  auto it = t.byHandle.find(handle);
  if (it == t.byHandle.end()) return;
  t.byWidget.erase(it->second);
  t.byHandle.erase(it);
}

}  // namespace

WindowHandle registerWindow(QWidget* widget) {
  if (!widget) return 0;
  Table& t = table();
  if (auto it = t.byWidget.find(widget); it != t.byWidget.end()) return it->second;
  WindowHandle handle = newHandle();
  while (t.byHandle.count(handle) != 0) handle = newHandle();
  t.byHandle[handle] = widget;
  t.byWidget[widget] = handle;
  QObject::connect(widget, &QObject::destroyed, [handle] { forget(handle); });
  return handle;
}

void unregisterWindow(QWidget* widget) { forget(handleOfWindow(widget)); }

QWidget* windowFromHandle(WindowHandle handle) {
  auto& byHandle = table().byHandle;
  auto it = byHandle.find(handle);
  return it == byHandle.end() ? nullptr : it->second;
}

WindowHandle handleOfWindow(const QWidget* widget) {
  auto& byWidget = table().byWidget;
  auto it = byWidget.find(widget);
  return it == byWidget.end() ? 0 : it->second;
}

}  // namespace pemo::ui
