#include "runtime/script/loaded_script.h"

#include <map>

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

// Opens the script's files, reading each file once however often and under whatever
// names the script includes it.
class SharedFiles {
 public:
  explicit SharedFiles(ScriptFileSystem& files) : files_(files) {}
  ScriptFile open(const std::string& name) {
    const std::string place = files_.resolvedPath(name);
    if (auto found = read_.find(place); !place.empty() && found != read_.end()) return ScriptFile(found->second);
    std::optional<std::string> bytes = files_.readFile(name);
    if (!bytes) return ScriptFile();
    auto shared = std::make_shared<const std::string>(std::move(*bytes));
    if (!place.empty()) read_.emplace(place, shared);
    return ScriptFile(std::move(shared));
  }

 private:
  ScriptFileSystem& files_;
  std::map<std::string, std::shared_ptr<const std::string>> read_;
};

}  // namespace

std::shared_ptr<LoadedScript> loadScriptFiles(const page::MenuScriptSource& source, ScriptFileSystem& files) {
  SharedFiles shared(files);
  ScriptFile main = shared.open(source.scriptFile);
  if (!main.isOpen()) return nullptr;
  auto script = std::make_shared<LoadedScript>();
  script->main = std::move(main);
  script->subs = indexSubLines(script->main, source.startPosition);
  for (const std::string& name : source.includeFiles) script->includes.push_back(shared.open(name));
  return script;
}

}  // namespace pemo::script
