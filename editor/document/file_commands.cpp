#include "editor/document/file_commands.h"

#include <algorithm>

#include "editor/document/document_script.h"
#include "editor/document/menu_writer.h"
#include "editor/document/messages.h"
#include "menufile/types.h"
#include "platform/fs/folder_path.h"
#include "platform/fs/whole_file.h"
#include "platform/fs/windows_path.h"
#include "platform/process/document_opening.h"
#include "platform/ui/message_port.h"

namespace pemo::editor {

std::string mainCaptionFor(const MenuDocument& document) {
  if (!document.filePath.empty()) return std::string(kEditorTitle) + " - " + document.filePath;
  return std::string(kEditorTitle) + " - 新規ﾒﾆｭｰ(" + document.caption + ")";
}

std::string withMenuFileExtension(const std::string& path) {
  size_t nameStart = path.find_last_of("\\/");
  nameStart = nameStart == std::string::npos ? 0 : nameStart + 1;
  if (path.find('.', nameStart) != std::string::npos || nameStart == path.size()) return path;
  return path + ".FIL";
}

namespace {

std::vector<MenuDocument*> openDocuments(const EditorState& state) {
  return state.menuWindows ? state.menuWindows->documents() : std::vector<MenuDocument*>{};
}

// The save dialog for a document: proposes its file, or its caption for a menu never
// saved. nullopt when cancelled or answered with an empty name.
std::optional<std::string> askSaveName(const MenuDocument& document, EditorState& state) {
  if (!state.fileDialog) return std::nullopt;
  FileDialogPort::Request request{kSaveDialogFlags, kSaveDialogTitle, kMenuFileFilter,
                                  document.filePath.empty() ? document.caption : document.filePath,
                                  state.lastFileFolder};
  auto chosen = state.fileDialog->showSave(request);
  if (!chosen || chosen->empty()) return std::nullopt;
  return withMenuFileExtension(*chosen);
}

void saveAll(EditorState& state, bool askName) {
  if (anyScriptBeingEdited(state)) {
    ui::showExclamation(kScriptEditingMessage, kEditorTitle);
    return;
  }
  for (MenuDocument* document : openDocuments(state)) saveDocument(*document, state, askName);
}

void saveActive(EditorState& state, bool askName) {
  MenuDocument* document = state.activeDocument;
  if (!document) return;
  if (document->scriptBeingEdited) {
    ui::showExclamation(kScriptEditingMessage, kEditorTitle);
    return;
  }
  saveDocument(*document, state, askName);
}

std::string inQuotes(const std::string& text) { return "\"" + text + "\""; }

bool isOpen(const EditorState& state, const MenuDocument* document) {
  auto documents = openDocuments(state);
  return std::find(documents.begin(), documents.end(), document) != documents.end();
}

// A script work file's bytes, to tell whether its editor changed it; one grown past what a
// menu can hold reads as nothing, which differs from what it was.
std::optional<std::string> workFileBytes(const std::filesystem::path& file) {
  return fs::readWholeFile(file, menufile::kLargestMenuFile);
}

}  // namespace

void rememberFileFolder(EditorState& state, const std::string& path) {
  // A host path (a dropped file, the command line) counts by the folder it stands for.
  auto absolute = fs::absoluteWindowsPath(path);
  if (!absolute) return;
  if (auto folder = fs::splitFolderAndName(*absolute).folder) state.lastFileFolder = *folder;
}

void newMenu(EditorState& state) {
  if (!state.menuWindows) return;
  int count = 0;
  for (const MenuDocument* document : openDocuments(state))
    if (document->caption.rfind("MENU", 0) == 0) ++count;
  state.menuWindows->openMenuWindow("", "MENU" + std::to_string(count + 1));
}

void openMenu(EditorState& state) {
  if (!state.fileDialog || !state.menuWindows) return;
  auto chosen =
      state.fileDialog->showOpen({kOpenDialogFlags, kOpenDialogTitle, kMenuFileFilter, "", state.lastFileFolder});
  if (!chosen || chosen->empty()) return;
  state.menuWindows->openMenuWindow(*chosen, "");
}

bool saveDocument(MenuDocument& document, EditorState& state, bool askName) {
  std::string path = document.filePath;
  if (askName || path.empty()) {
    auto chosen = askSaveName(document, state);
    if (!chosen) return false;
    path = *chosen;
  }
  if (!writeMenuFile(path, document, WriteMode::Save, state)) return false;
  document.filePath = path;
  rememberFileFolder(state, path);
  if (state.activeDocument == &document && state.mainWindow) state.mainWindow->setCaption(mainCaptionFor(document));
  return true;
}

void saveMenu(EditorState& state) { saveActive(state, false); }
void saveMenuAs(EditorState& state) { saveActive(state, true); }
void saveAllMenus(EditorState& state) { saveAll(state, false); }
void saveAllMenusAs(EditorState& state) { saveAll(state, true); }

bool anyScriptBeingEdited(const EditorState& state) {
  for (const MenuDocument* document : openDocuments(state))
    if (document->scriptBeingEdited) return true;
  return false;
}

void showHelp(EditorState& state) {
  const std::string document = state.appFolder + "doc\\pemokuji.html";
  auto cannotOpen = [] { ui::showExclamation(kNoHelpMessage, kEditorTitle); };
  if (!state.programs) return cannotOpen();
  process::openDocumentOrReport(*state.programs, document, cannotOpen);
}

void editScript(EditorState& state) {
  MenuDocument* document = state.activeDocument;
  if (!document || document->scriptBeingEdited || !state.programs) return;
  if (!ensureScriptWorkFile(*document, state)) return;
  const std::filesystem::path workFile = document->scriptWorkFile;
  std::optional<std::string> before = workFileBytes(workFile);
  const long pid = state.programs->start(inQuotes(state.scriptEditorPath) + " " + inQuotes(workFile.string())).pid;
  if (pid == 0) {
    ui::showExclamation(state.scriptEditorPath + "\r" + kCannotStartMessage, kEditorTitle);
    return;
  }
  document->scriptBeingEdited = true;
  if (state.mainWindow) state.mainWindow->changeMainSetting();
  state.programs->whenEnded(pid, [&state, document, workFile, before](long) {
    // The window cannot close while its script is edited; this guards a program end.
    if (!isOpen(state, document)) return;
    document->scriptBeingEdited = false;
    // The edit reaches the menu file only with the next save, so the menu must ask.
    if (workFileBytes(workFile) != before) document->changed = true;
    if (state.mainWindow) state.mainWindow->changeMainSetting();
  });
}

}  // namespace pemo::editor
