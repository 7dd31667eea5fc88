#include "runtime/shell/window/window_script.h"

namespace pemo::shell {

WindowScript::WindowScript(page::PageSurface& surface, RuntimeWindow& window, script::ScriptStatements* statements)
    : host_([&surface] { return surface.page().runtime().menuDrive; }),
      page_(surface, window),
      objects_(page_, progress_.rules()),
      engine_({&files_, &arithmetic_, &host_, &objects_, statements}) {}

}  // namespace pemo::shell
