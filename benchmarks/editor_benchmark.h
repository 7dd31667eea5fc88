#pragma once
// What the editor's benchmarks share: a quiet run of their own, and a page of labels.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "editor/workspace/window/menu_window.h"
#include "platform/ui/message_port.h"

namespace pemo::editor::benchmark {

// The application of a benchmark run: its settings go to a folder of its own, never the
// user's, removed at the end; every question is answered No.
class QuietRun {
 public:
  QuietRun(int& argc, char** argv) : app_(argc, argv), messages_(&noPrompts_) {
    noPrompts_.answers.assign(10, ui::kNo);
  }

 private:
  // Made before the application, which reads where the settings go; removed after it.
  struct OwnConfigFolder {
    std::string path;
    OwnConfigFolder() {
      char folder[] = "/tmp/pemo-benchXXXXXX";
      if (!mkdtemp(folder)) {
        std::perror("mkdtemp");
        std::exit(1);
      }
      path = folder;
      setenv("XDG_CONFIG_HOME", folder, 1);
    }
    ~OwnConfigFolder() { std::filesystem::remove_all(path); }
  };

  OwnConfigFolder folder_;
  QApplication app_;
  ui::RecordingMessagePort noPrompts_;
  ui::ScopedMessagePort messages_;
};

// The page: a menu window holding a grid of small visible labels, 40 pixels apart across
// and 24 down, that one band from (0, 0) takes whole.

struct LabelGrid {
  int columns = 25;
  int rows = 20;
  int count() const { return columns * rows; }
  // The lower right corner of a band around every label.
  int bandRight() const { return columns * 40 + 20; }
  int bandBottom() const { return rows * 24 + 20; }
};

// Adds the grid's labels to the window's document and widgets; returns the first label.
inline ObjectRef addLabelGrid(MenuWindow& window, const LabelGrid& grid) {
  ObjectRef first;
  for (int i = 0; i < grid.count(); ++i) {
    ObjectRef ref = window.document().addObject(ObjectKind::Label);
    MenuObject& object = *window.document().find(ref);
    object.left = 10 + (i % grid.columns) * 40;
    object.top = 10 + (i / grid.columns) * 24;
    object.width = 30;
    object.height = 16;
    object.caption = "L" + std::to_string(i);
    object.visible = true;
    window.objectAdded(ref);
    if (i == 0) first = ref;
  }
  return first;
}

}  // namespace pemo::editor::benchmark
