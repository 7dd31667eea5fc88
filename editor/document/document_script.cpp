#include "editor/document/document_script.h"

#include "editor/document/messages.h"
#include "editor/document/script_work_file.h"
#include "platform/ui/message_port.h"

namespace pemo::editor {

void removeScriptWorkFile(MenuDocument& document) {
  if (document.scriptWorkFile.empty()) return;
  std::error_code ec;
  std::filesystem::remove(document.scriptWorkFile, ec);
  document.scriptWorkFile.clear();
}

void attachScriptWorkFile(MenuDocument& document, const EditorState& state,
                          const std::string& menuPath, std::vector<std::string> lines) {
  removeScriptWorkFile(document);
  auto file = createScriptWorkFile(state.scriptWorkFolder, scriptWorkFileName(menuPath), lines);
  if (file) {
    document.scriptWorkFile = *file;
    document.scriptWithoutWorkFile.reset();
  } else {
    ui::showExclamation(kWorkFileMessage, kEditorTitle);
    document.scriptWithoutWorkFile = std::move(lines);
  }
}

bool ensureScriptWorkFile(MenuDocument& document, const EditorState& state) {
  if (!document.scriptWorkFile.empty() && std::filesystem::exists(document.scriptWorkFile)) return true;
  std::string name = document.filePath.empty() ? document.caption + ".WSC" : document.filePath;
  attachScriptWorkFile(document, state, name,
                       document.scriptWithoutWorkFile.value_or(std::vector<std::string>{}));
  return !document.scriptWorkFile.empty();
}

std::optional<std::vector<std::string>> documentScript(const MenuDocument& document) {
  if (!document.scriptWorkFile.empty()) {
    if (auto lines = readScriptWorkFile(document.scriptWorkFile)) return lines;
  }
  return document.scriptWithoutWorkFile;
}

bool scriptWorkFileUnreadable(const MenuDocument& document) {
  if (document.scriptWorkFile.empty()) return false;
  std::error_code ec;
  if (!std::filesystem::exists(document.scriptWorkFile, ec)) return false;
  return !readScriptWorkFile(document.scriptWorkFile);
}

}  // namespace pemo::editor
