#pragma once
// A shown runtime window on fakes of the interpreter, processes and run list, with the
// messages it shows recorded.
#include <QTest>

#include "platform/ui/message_port.h"
#include "runtime/page/tests/page_fakes.h"
#include "runtime/page/window/runtime_window.h"

namespace pemo::page::testing {

struct WindowFixture {
  RuntimeState runtime;
  FakeScript script;
  FakeProcesses processes;
  MemoryRunList runList;
  RuntimeWindow window{runtime, script, &processes, &runList};
  pemo::ui::RecordingMessagePort messages;
  pemo::ui::ScopedMessagePort guard{&messages};
  WindowFixture() {
    window.resize(640, 480);
    window.show();
    (void)QTest::qWaitForWindowExposed(&window);
  }
};

}  // namespace pemo::page::testing
