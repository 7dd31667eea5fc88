#pragma once
// The interpreter of the runtime window: the engine with the page surface's objects, the
// progress window, the script's files and arithmetic. The page runs its scripts through
// engine().
#include "runtime/script/host_script_files.h"
#include "runtime/script/kovan_arithmetic.h"
#include "runtime/script/objects/page_script_objects.h"
#include "runtime/script/progress/qt_progress_window.h"
#include "runtime/script/qt_script_host.h"
#include "runtime/script/script_engine.h"
#include "runtime/shell/window/window_script_page.h"

namespace pemo::shell {

class WindowScript {
 public:
  // statements may be null (no outside statements or functions). The surface and the
  // window must outlive this object; the surface's page is read when a script runs.
  WindowScript(page::PageSurface& surface, RuntimeWindow& window, script::ScriptStatements* statements);
  WindowScript(const WindowScript&) = delete;
  WindowScript& operator=(const WindowScript&) = delete;

  script::ScriptEngine& engine() { return engine_; }
  script::QtProgressWindowOnDemand& progressWindow() { return progress_; }

 private:
  script::HostScriptFiles files_;
  script::KovanArithmetic arithmetic_;
  script::QtScriptHost host_;
  WindowScriptPage page_;
  script::QtProgressWindowOnDemand progress_;
  script::PageScriptObjects objects_;
  script::ScriptEngine engine_;
};

}  // namespace pemo::shell
