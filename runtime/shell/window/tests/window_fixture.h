#pragma once
// The runtime window around its page surface, wired as `pemo` wires them, on fake
// programs, with the messages it shows recorded.
#include <QTest>

#include "platform/ui/message_port.h"
#include "runtime/page/tests/page_fakes.h"
#include "runtime/page/window/page_event_wiring.h"
#include "runtime/shell/window/runtime_window.h"
#include "runtime/shell/window/window_script.h"

namespace pemo::shell::testing {

struct WindowFixture {
  page::RuntimeState runtime;
  page::testing::FakePrograms programs;
  RuntimeWindow window{runtime};
  page::RegistryRunList runList{window.registryHandle()};
  page::PageSurface surface{window, window.treeWidget()};
  WindowScript script{surface, window, nullptr};
  page::MenuPage page{runtime, surface, script.engine()};
  page::LinkActions links{page, programs, runList, window.tree()};
  ui::RecordingMessagePort messages;
  ui::ScopedMessagePort guard{&messages};
  struct : ShellHooks {
    void buildRunningAppsMenu() override { ++popupsFilled; }
    void loadAppIcon() override { ++launcherRebuilt; }
    int popupsFilled = 0;
    int launcherRebuilt = 0;
  } hooks;
  struct : process::PowerPort {
    void shutdown() override { requests.push_back("shutdown"); }
    void restart() override { requests.push_back("restart"); }
    std::vector<std::string> requests;
  } power;
  std::unique_ptr<RuntimeShell> shell;

  // Unshown, the window waits for the shell to show it, as at a start of pemo.
  explicit WindowFixture(QSize size = {640, 480}, bool shown = true) {
    window.showPage(surface, page, links, runList);
    shell = std::make_unique<RuntimeShell>(
        RuntimeShell::Parts{runtime, page, links, surface.pageEvents().events(), window, window.tree(), hooks, power});
    window.attachShell(*shell);
    window.resize(size);
    if (!shown) return;
    window.show();
    (void)QTest::qWaitForWindowExposed(&window);
  }
  QWidget* widget(page::ObjectKind kind, int index) const { return surface.objectWidget(kind, index); }
};

}  // namespace pemo::shell::testing
