#include "platform/archive/lha_command.h"

#include "platform/text/strings.h"

namespace pemo::archive {

namespace {

std::optional<LhaVerb> verbOf(const std::string& word) {
  const std::string verb = text::LCase(word);
  if (verb == "l" || verb == "v") return LhaVerb::List;
  if (verb == "t") return LhaVerb::Test;
  if (verb == "e") return LhaVerb::Extract;
  if (verb == "x") return LhaVerb::ExtractWithFolders;
  return std::nullopt;
}

bool isSwitch(const std::string& word) { return word.size() > 1 && word[0] == '-'; }

bool endsWithSeparator(const std::string& word) {
  return !word.empty() && (word.back() == '\\' || word.back() == '/');
}

}  // namespace

std::vector<std::string> splitLhaWords(std::string_view commandLine) {
  std::vector<std::string> words;
  std::string word;
  bool quoted = false, inWord = false;
  for (char c : commandLine) {
    if (c == '"') {
      quoted = !quoted;
      inWord = true;
    } else if (!quoted && (c == ' ' || c == '\t')) {
      if (inWord) words.push_back(std::move(word));
      word.clear();
      inWord = false;
    } else {
      word += c;
      inWord = true;
    }
  }
  if (inWord) words.push_back(std::move(word));
  return words;
}

ParsedLhaCommand parseLhaCommand(std::string_view commandLine) {
  std::vector<std::string> words;
  for (std::string& word : splitLhaWords(commandLine))
    if (!isSwitch(word)) words.push_back(std::move(word));
  if (words.empty()) return {std::nullopt, kLhaUnsupportedCommand};
  const auto verb = verbOf(words[0]);
  if (!verb) return {std::nullopt, kLhaUnsupportedCommand};
  if (words.size() < 2) return {std::nullopt, kLhaNoArchiveName};

  LhaCommand command{*verb, words[1], {}, {}};
  for (size_t i = 2; i < words.size(); ++i) {
    if (command.folder.empty() && command.patterns.empty() && endsWithSeparator(words[i]))
      command.folder = words[i];
    else
      command.patterns.push_back(words[i]);
  }
  return {command, kLhaDone};
}

}  // namespace pemo::archive
