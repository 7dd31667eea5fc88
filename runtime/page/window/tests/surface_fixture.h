#pragma once
// A shown page surface in a plain frame, on fakes of the interpreter, programs, run
// list and tree, with the messages it shows recorded.
#include <QMainWindow>
#include <QTest>

#include "platform/ui/message_port.h"
#include "runtime/page/tests/page_fakes.h"
#include "runtime/page/window/page_surface.h"

namespace pemo::page::testing {

class FakeFrame : public QMainWindow, public PageFrame {
 public:
  void setStatusText(const std::string& text) override { status = text; }
  void setCaption(const std::string& caption) override { setWindowTitle(QString::fromStdString(caption)); }
  void enableMenus(bool enabled) override { menusEnabled = enabled; }
  int statusBarHeight() const override { return 20; }
  void closeWindow() override { close(); }

  std::string status;
  bool menusEnabled = true;
};

inline QWidget* treePane() {
  auto* tree = new QWidget;
  tree->setObjectName("TV");
  return tree;
}

struct SurfaceFixture {
  RuntimeState runtime;
  FakeScript script;
  FakePrograms programs;
  MemoryRunList runList;
  FakeTree tree;
  FakeFrame window;
  PageSurface surface{window, treePane()};
  MenuPage page{runtime, surface, script};
  LinkActions links{page, programs, runList, tree};
  pemo::ui::RecordingMessagePort messages;
  pemo::ui::ScopedMessagePort guard{&messages};
  SurfaceFixture() {
    window.setCentralWidget(&surface);
    surface.showPage(page, links, tree);
    window.resize(640, 480);
    window.show();
    (void)QTest::qWaitForWindowExposed(&window);
  }
};

}  // namespace pemo::page::testing
