#include "editor/document/document_lifecycle.h"

#include "editor/document/document_script.h"
#include "editor/document/file_commands.h"
#include "editor/document/menu_reader.h"

namespace pemo::editor {

void loadMenuDocument(MenuDocument& document, EditorState& state, std::uint32_t windowHandle) {
  document.caption = document.preCaption;
  if (!document.filePath.empty()) {
    if (loadMenuFile(document, state, document.filePath) != LoadState::NothingRead)
      rememberFileFolder(state, document.filePath);
  } else
    attachScriptWorkFile(document, state, document.preCaption + ".WSC", {});
  state.activeWnd = windowHandle;
  state.activeForm = &document;
  state.activeObject = {ObjectKind::Menu, 0};
  if (state.propertyWindow) state.propertyWindow->changeActiveObject();
}

void closeMenuDocument(MenuDocument& document, EditorState& state) {
  removeScriptWorkFile(document);
  if (state.activeForm == &document) {
    state.activeForm = nullptr;
    state.activeWnd = 0;
  }
  if (state.runForm == &document) state.runForm = nullptr;
  if (state.activeObjectControl.document == &document) state.activeObjectControl = {};
  state.activeObject = {ObjectKind::Menu, 0};
}

}  // namespace pemo::editor
