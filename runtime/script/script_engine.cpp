#include "runtime/script/script_engine.h"

#include "runtime/script/event_sub_name.h"
#include "runtime/script/messages.h"
#include "runtime/script/script_run.h"

namespace pemo::script {

namespace {

// A page that offers the script no objects.
class NoScriptObjects : public ScriptObjects {
 public:
  ValueKind propertyKind(const std::string& reference, ScriptContext&) override {
    scriptError(reference, msg::kUndefinedObject);
    return ValueKind::None;
  }
  Flow setProperty(const std::string&, const std::string&, ScriptContext&) override { return Flow::Fail; }
  OperandStatus getProperty(const std::string&, ScriptValue&, ScriptContext&) override {
    return OperandStatus::NotMine;
  }
  Flow callMethod(const std::string& statement, ScriptContext&) override {
    scriptError(statement, msg::kUndefinedObject);
    return Flow::Fail;
  }
};

// No statements that act outside the page, and no built-in functions.
class NoScriptStatements : public ScriptStatements {
 public:
  Flow runStatement(const std::string& keyword, std::string& argument, ScriptContext&) override {
    scriptError(keyword + " " + argument, msg::kUndefinedMethod);
    return Flow::Fail;
  }
  bool isStatement(const std::string&) const override { return false; }
  OperandStatus callFunction(const std::string&, ScriptValue&, ScriptContext&) override {
    return OperandStatus::NotMine;
  }
};

NoScriptObjects noObjects;
NoScriptStatements noStatements;

// ScriptRunning is 0 after every run, however it ended.
class RunningFlag {
 public:
  explicit RunningFlag(bool& flag) : flag_(flag) { flag_ = true; }
  ~RunningFlag() { flag_ = false; }
  RunningFlag(const RunningFlag&) = delete;
  RunningFlag& operator=(const RunningFlag&) = delete;

 private:
  bool& flag_;
};

}  // namespace

ScriptEngine::ScriptEngine(const ScriptServices& services) : services_(services) {
  if (services_.objects == nullptr) services_.objects = &noObjects;
  if (services_.statements == nullptr) services_.statements = &noStatements;
}

ScriptEngine::~ScriptEngine() { ++state_->generation; }

void ScriptEngine::loadScript(const page::MenuScriptSource& source) {
  closeScript();
  script_ = loadScriptFiles(source, *services_.files);
}

void ScriptEngine::closeScript() {
  ++state_->generation;
  script_.reset();
}

const std::vector<SubEntry>& ScriptEngine::subs() const {
  static const std::vector<SubEntry> none;
  return script_ ? script_->subs : none;
}

void ScriptEngine::fireScriptEvent(menufile::ObjectKind kind, int index, menufile::ScriptEvent event) {
  if (state_->running || !script_) return;
  const SubEntry* sub = script_->findSub(eventSubName(kind, event));
  if (sub == nullptr) return;  // a missing event SUB is no error: the event does nothing
  std::shared_ptr<State> state = state_;
  RunningFlag running(state->running);
  const unsigned generation = state->generation;
  ScriptRun run(script_, services_, index, [state, generation] { return state->generation == generation; });
  run.runEventSub(*sub);
}

}  // namespace pemo::script
