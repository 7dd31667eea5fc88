#include "editor/document/test_run.h"

#include "editor/document/document_script.h"
#include "editor/document/menu_writer.h"
#include "editor/document/messages.h"
#include "menufile/lines.h"
#include "menufile/test_run.h"
#include "platform/fs/atomic_file.h"
#include "platform/fs/windows_path.h"
#include "platform/ui/message_port.h"

namespace pemo::editor {

namespace {

using menufile::kTestRunArgument;
using menufile::kTestRunMenuFile;
using menufile::kTestRunOpenedMenuFile;
using menufile::kTestRunScriptFile;

std::string runtimeProgram(const EditorState& state) { return state.appFolder + "PEMO.EXE"; }

void removeHandOverFiles(const EditorState& state) {
  for (const char* name : {kTestRunMenuFile, kTestRunScriptFile, kTestRunOpenedMenuFile}) {
    if (auto host = fs::toHostPath(state.appFolder + name)) {
      std::error_code ec;
      std::filesystem::remove(*host, ec);
    }
  }
}

// The script as the runtime reads it: code page 932 with CR LF; empty for a menu
// without script.
bool writeHandOverScript(const MenuDocument& document, const EditorState& state) {
  std::string path = state.appFolder + kTestRunScriptFile;
  auto host = fs::toHostPath(path);
  std::string bytes = menufile::encodeLines(documentScript(document).value_or(std::vector<std::string>{}));
  if (host && fs::writeFileAtomically(*host, bytes)) return true;
  ui::showExclamation(path + "\r" + kCannotSaveMessage, kEditorTitle);
  return false;
}

}  // namespace

void runActiveMenu(EditorState& state) {
  MenuDocument* document = state.activeDocument;
  if (state.testRunActive || !document || !state.programs) return;
  if (!writeMenuFile(state.appFolder + kTestRunMenuFile, *document, WriteMode::TestRun, state) ||
      !writeHandOverScript(*document, state)) {
    removeHandOverFiles(state);
    return;
  }
  const long pid = state.programs->start("\"" + runtimeProgram(state) + "\" " + kTestRunArgument).pid;
  if (pid == 0) {
    removeHandOverFiles(state);
    ui::showExclamation(runtimeProgram(state) + "\r" + kCannotStartMessage, kEditorTitle);
    return;
  }
  state.testRunDocument = document;
  state.testRunProcessId = pid;
  if (state.mainWindow) state.mainWindow->showRunState(true);
  state.testRunActive = true;
  document->beingTestRun = true;
  state.programs->whenEnded(pid, [&state, pid](long) {
    // A run stopped by the user ends later; its end must not stop a newer run.
    if (state.testRunActive && state.testRunProcessId == pid) terminateRun(state);
  });
}

void terminateRun(EditorState& state) {
  if (!state.testRunActive) return;
  long pid = state.testRunProcessId;
  // Idle before the runtime is stopped, so that its end notification finds no run.
  state.testRunActive = false;
  state.testRunProcessId = 0;
  if (state.programs && pid) state.programs->terminate(pid, 0);
  removeHandOverFiles(state);
  if (state.mainWindow) state.mainWindow->showRunState(false);
  if (state.testRunDocument) state.testRunDocument->beingTestRun = false;
  state.testRunDocument = nullptr;
}

}  // namespace pemo::editor
