#include "runtime/script/script_run.h"

#include <exception>

#include "platform/text/strings.h"
#include "runtime/script/messages.h"
#include "runtime/script/statement_text.h"

namespace pemo::script {

ScriptRun::ScriptRun(std::shared_ptr<LoadedScript> script, const ScriptServices& services, int index,
                     std::function<bool()> menuStillOpen)
    : script_(std::move(script)),
      services_(services),
      index_(index),
      menuStillOpen_(std::move(menuStillOpen)),
      expressions_(variables_, *services.arithmetic, *services.objects, *services.statements, *this),
      control_(expressions_, *services.arithmetic, *services.files, *this) {}

void ScriptRun::runEventSub(const SubEntry& sub) {
  script_->main.setPosition(sub.bodyPosition);
  runLines(script_->main);
}

Flow ScriptRun::runLines(ScriptFile& file) {
  while (!file.atEnd()) {
    const std::string line = file.readLine();
    Flow flow = Flow::Fail;
    try {
      flow = execute(file, line);
    } catch (const std::exception& failure) {
      // A failure that no statement handles itself ends the run with the line quoted.
      scriptError(line, failure.what());
    } catch (...) {
      scriptError(line, msg::kRunTimeFailure);
    }
    if (!menuStillOpen_()) return Flow::Fail;
    if (flow != Flow::Next) return flow;
  }
  return Flow::EndSub;
}

// The line comes from ScriptFile::readLine: tabs are blanks already and it is trimmed.
Flow ScriptRun::execute(ScriptFile& file, const std::string& line) {
  const SplitLine split = splitAtFirstBlank(line);
  const std::string& keyword = split.keyword;
  if (keyword == "SUB") return Flow::EndSub;  // the next SUB begins
  if ((keyword == "EXIT" || keyword == "END") && text::UCase(split.rest) == "SUB") return Flow::EndSub;
  if (keyword == "END") {
    const std::string upper = text::UCase(line);
    if (upper == "END IF") return control_.executeEndIf();
    if (upper == "END SELECT") return control_.executeEndSelect();
    return Flow::EndSub;  // a bare END, or END with anything else
  }
  if (keyword == "IF") return control_.executeIf(split.rest, file);
  if (keyword == "ELSE") return control_.executeElse(file);
  if (services_.statements->isStatement(keyword)) {
    std::string argument = split.rest;
    return services_.statements->runStatement(keyword, argument, *this);
  }
  if (keyword == "GOTO") return control_.executeGoto(split.rest, file);
  if (keyword == "SELECT") return control_.executeSelect(split.rest, file);
  if (keyword == "CASE") return control_.skipToEndSelect(file);
  if (keyword.empty()) return Flow::Next;
  if (line[0] == '\'') return Flow::Next;  // comment
  // "=" and "." inside a quoted literal belong to the literal, not to the statement.
  if (findOutsideQuotes(line, "=") != std::string::npos) return expressions_.assign(line);
  if (line.back() == ':') return Flow::Next;  // a GOTO label
  if (findOutsideQuotes(line, ".") != std::string::npos) return services_.objects->callMethod(line, *this);
  return callSub(line);
}

Flow ScriptRun::callSub(const std::string& statement) {
  if (callDepth_ >= kMaxCallDepth) {
    scriptError(statement, msg::kCallsTooDeep);
    return Flow::Fail;
  }
  // Called by the bare name: "NAME" calls the SUB written "SUB NAME()".
  const std::string target = text::UCase("SUB " + statement + "()");
  if (const SubEntry* sub = script_->findSub(target)) {
    return runCalledSub(script_->main, sub->bodyPosition, script_->main.position());
  }
  for (ScriptFile& include : script_->includes) {
    if (!include.isOpen()) continue;
    const long resume = include.position();
    include.setPosition(1);
    while (!include.atEnd()) {
      if (text::UCase(include.readLine()) == target) return runCalledSub(include, include.position(), resume);
    }
    include.setPosition(resume);
  }
  scriptError(statement, msg::kSubNotDefined);
  return Flow::Fail;
}

Flow ScriptRun::runCalledSub(ScriptFile& file, long bodyPosition, long resumePosition) {
  // The callee's IF and SELECT levels are its own; the caller goes on after its call line.
  const ControlFlow::Nesting callerNesting = control_.nesting();
  control_.setNesting({});
  ++callDepth_;
  file.setPosition(bodyPosition);
  const Flow flow = runLines(file);
  --callDepth_;
  file.setPosition(resumePosition);
  control_.setNesting(callerNesting);
  return flow == Flow::Fail ? Flow::Fail : Flow::Next;
}

bool ScriptRun::evaluate(std::string& text, ValueKind* kind) {
  ScriptValue value;
  if (!expressions_.evaluate(text, value)) return false;
  text = std::move(value.text);
  if (kind != nullptr) *kind = value.kind;
  return true;
}

std::string ScriptRun::menuDrive() const { return services_.host->menuDrive(); }

bool ScriptRun::yieldToEvents() {
  services_.host->yieldToEvents();
  return menuStillOpen_();
}

}  // namespace pemo::script
