#include "runtime/shell/window_script.h"

namespace pemo::shell {

namespace {
page::NoScript noScript;
}  // namespace

WindowScript::WindowScript(page::RuntimeWindow& window, script::ScriptStatements* statements)
    : window_(window),
      host_([&window] { return window.page().runtime().menuDrive; }),
      page_(window),
      objects_(page_, progress_.rules(), ini_),
      engine_({&files_, &arithmetic_, &host_, &objects_, statements}) {
  window_.page().setScriptPort(engine_);
}

WindowScript::~WindowScript() { window_.page().setScriptPort(noScript); }

}  // namespace pemo::shell
