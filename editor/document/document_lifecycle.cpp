#include "editor/document/document_lifecycle.h"

#include "editor/document/document_script.h"
#include "editor/document/file_commands.h"
#include "editor/document/menu_reader.h"

namespace pemo::editor {

void loadMenuDocument(MenuDocument& document, EditorState& state, std::uint32_t windowHandle) {
  document.caption = document.untitledCaption;
  if (!document.filePath.empty()) {
    if (loadMenuFile(document, state, document.filePath) != LoadState::NothingRead)
      rememberFileFolder(state, document.filePath);
  } else
    attachScriptWorkFile(document, state, document.untitledCaption + ".WSC", {});
  state.activeMenuWindow = windowHandle;
  state.activeDocument = &document;
  state.activeObject = {ObjectKind::Menu, 0};
  if (state.propertyWindow) state.propertyWindow->changeActiveObject();
}

void closeMenuDocument(MenuDocument& document, EditorState& state) {
  removeScriptWorkFile(document);
  if (state.activeDocument == &document) {
    state.activeDocument = nullptr;
    state.activeMenuWindow = 0;
  }
  if (state.testRunDocument == &document) state.testRunDocument = nullptr;
  if (state.activeObjectControl.document == &document) state.activeObjectControl = {};
  state.activeObject = {ObjectKind::Menu, 0};
}

}  // namespace pemo::editor
