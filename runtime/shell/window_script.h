#pragma once
// The interpreter of the runtime window: the engine with the window's objects, the
// progress window, the script's files and arithmetic, handed to the window's page.
#include "runtime/page/window/runtime_window.h"
#include "runtime/script/host_script_files.h"
#include "runtime/script/kovan_arithmetic.h"
#include "runtime/script/objects/kovan_ini_source.h"
#include "runtime/script/objects/page_script_objects.h"
#include "runtime/script/progress/qt_progress_window.h"
#include "runtime/script/qt_script_host.h"
#include "runtime/script/script_engine.h"
#include "runtime/shell/window_script_page.h"

namespace pemo::shell {

class WindowScript {
 public:
  // statements may be null (no outside statements or functions). The window must
  // outlive this object; from here on its page runs scripts through engine().
  WindowScript(page::RuntimeWindow& window, script::ScriptStatements* statements);
  ~WindowScript();
  WindowScript(const WindowScript&) = delete;
  WindowScript& operator=(const WindowScript&) = delete;

  script::ScriptEngine& engine() { return engine_; }
  script::QtProgressWindow& progressWindow() { return progress_; }

 private:
  page::RuntimeWindow& window_;
  script::HostScriptFiles files_;
  script::KovanArithmetic arithmetic_;
  script::QtScriptHost host_;
  WindowScriptPage page_;
  script::QtProgressWindow progress_;
  script::KovanIniSource ini_;
  script::PageScriptObjects objects_;
  script::ScriptEngine engine_;
};

}  // namespace pemo::shell
