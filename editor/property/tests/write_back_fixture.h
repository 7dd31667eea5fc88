#pragma once
// A property sheet with the real write-back on two documents in open menu windows, fake
// pictures and dialogs, and picture files in a temporary folder.
#include <gtest/gtest.h>

#include "editor/property/property_loaders.h"
#include "editor/property/tests/property_fakes.h"
#include "editor/property/write_back.h"
#include "platform/fs/windows_path.h"
#include "platform/testing/temp_dir.h"
#include "platform/ui/message_port.h"

namespace pemo::editor::property {

class WriteBackTest : public ::testing::Test {
 protected:
  WriteBackTest() {
    state.mainWindow = &main;
    windows.windows = {{11, &first}, {12, &second}};
    first.caption = "MENU1";
    second.caption = "MENU2";
    sheet.setRowWriteBack(&writeBack);
    sheet.setDialogs(&dialogs);
  }
  // A picture file of this size; its Windows path.
  std::string picture(const std::string& name, int width, int height) {
    pemo::testing::writeFileBytes(dir / name, "picture");
    pictures.sizes[(dir / name).string()] = {width, height};
    return fs::toWindowsPath((dir / name).string());
  }
  ObjectRef add(ObjectKind kind, int frame = 0, MenuDocument* document = nullptr) {
    MenuDocument& into = document ? *document : first;
    ObjectRef ref = into.addObject(kind, frame);
    into.changed = false;
    return ref;
  }
  MenuObject& object(ObjectRef ref, MenuDocument* document = nullptr) {
    return *(document ? *document : first).find(ref);
  }
  void show(ObjectRef ref, std::uint32_t window = 11) {
    state.activeMenuWindow = window;
    state.activeObject = ref;
    sheet.changeActiveObject();
  }
  void showSelection(std::vector<ObjectRef> refs, int kindMask) {
    state.multiSelection = std::move(refs);
    show({ObjectKind::Multiple, -kindMask});
  }
  // The row typed into and left, as the user does.
  void type(int row, const std::string& text) {
    sheet.rowFocused(row);
    sheet.rowTyped(row, text);
    sheet.rowLeft(row);
  }
  const std::string& rowText(int row) const { return sheet.grid().rows[row].text; }
  std::vector<std::string> messages() const {
    std::vector<std::string> prompts;
    for (const auto& message : shown.shown) prompts.push_back(message.prompt);
    return prompts;
  }

  pemo::testing::TempDir dir;
  ui::RecordingMessagePort shown;
  ui::ScopedMessagePort messagePort{&shown};
  EditorState state;
  FakeMainWindow main;
  FakeMenuWindows windows;
  FakePictures pictures;
  FakeDialogs dialogs;
  MenuDocument first, second;
  DocumentWriteBack writeBack{state, pictures, windows};
  PropertySheet sheet{state, windows};
};

}  // namespace pemo::editor::property
