#pragma once
// The menu script interpreter as the runtime page sees it: it loads the open menu's
// script files and runs the SUB an object event selects.
#include <memory>

#include "runtime/page/script_port.h"
#include "runtime/script/loaded_script.h"
#include "runtime/script/ports.h"

namespace pemo::script {

class ScriptEngine : public page::ScriptPort {
 public:
  // files, arithmetic and host are required; objects and statements may be left out.
  explicit ScriptEngine(const ScriptServices& services);
  ~ScriptEngine() override;
  ScriptEngine(const ScriptEngine&) = delete;
  ScriptEngine& operator=(const ScriptEngine&) = delete;

  void loadScript(const page::MenuScriptSource& source) override;
  void closeScript() override;
  bool scriptLoaded() const override { return script_ != nullptr; }
  // Runs the event's SUB when the script defines it. An event that arrives while a SUB
  // runs (during a wait, say) is dropped, not queued.
  void fireScriptEvent(menufile::ObjectKind kind, int index, menufile::ScriptEvent event) override;
  bool scriptRunning() const override { return state_->running; }

  // The SUB table of the loaded script (empty when none is loaded).
  const std::vector<SubEntry>& subs() const;

 private:
  // Shared with a running SUB, so that the run can tell that its menu has gone (closed,
  // replaced, or the engine itself destroyed while the SUB waited) and end quietly.
  struct State {
    unsigned generation = 0;
    bool running = false;
  };

  ScriptServices services_;
  std::shared_ptr<State> state_ = std::make_shared<State>();
  std::shared_ptr<LoadedScript> script_;
};

}  // namespace pemo::script
