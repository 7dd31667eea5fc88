#include "runtime/script/loaded_script.h"

#include "platform/text/strings.h"
#include "runtime/script/statement_text.h"

namespace pemo::script {

const SubEntry* LoadedScript::findSub(const std::string& fullName) const {
  for (const SubEntry& entry : subs) {
    if (text::UCase("SUB " + entry.name) == fullName) return &entry;
  }
  return nullptr;
}

namespace {

std::vector<SubEntry> indexSubLines(ScriptFile& file, long startPosition) {
  std::vector<SubEntry> subs;
  file.setPosition(startPosition);
  while (!file.atEnd()) {
    const SplitLine split = splitAtFirstBlank(file.readLine());
    if (split.keyword == "SUB") subs.push_back({file.position(), text::Trim(split.rest)});
  }
  return subs;
}

}  // namespace

std::shared_ptr<LoadedScript> loadScriptFiles(const page::MenuScriptSource& source, ScriptFileSystem& files) {
  std::optional<std::string> mainBytes = files.readFile(source.scriptFile);
  if (!mainBytes) return nullptr;
  auto script = std::make_shared<LoadedScript>();
  script->main = ScriptFile(std::move(*mainBytes));
  script->subs = indexSubLines(script->main, source.startPosition);
  for (const std::string& name : source.includeFiles) {
    std::optional<std::string> bytes = files.readFile(name);
    script->includes.push_back(bytes ? ScriptFile(std::move(*bytes)) : ScriptFile());
  }
  return script;
}

}  // namespace pemo::script
