#include "platform/process/command_line.h"

namespace pemo::process {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// Reads the program argument from position i; returns the position after it.
size_t readProgram(std::string_view s, size_t i, std::string& out) {
  if (i < s.size() && s[i] == '"') {
    size_t close = s.find('"', i + 1);
    if (close == std::string_view::npos) {
      out.assign(s.substr(i + 1));
      return s.size();
    }
    out.assign(s.substr(i + 1, close - i - 1));
    return close + 1;
  }
  size_t end = i;
  while (end < s.size() && !isBlank(s[end])) ++end;
  out.assign(s.substr(i, end - i));
  return end;
}

}  // namespace

std::vector<std::string> splitCommandLine(std::string_view s) {
  std::vector<std::string> args;
  size_t i = 0;
  while (i < s.size() && isBlank(s[i])) ++i;
  if (i >= s.size()) return args;
  std::string program;
  i = readProgram(s, i, program);
  args.push_back(program);

  while (true) {
    while (i < s.size() && isBlank(s[i])) ++i;
    if (i >= s.size()) break;
    std::string arg;
    bool quoted = false;
    while (i < s.size() && (quoted || !isBlank(s[i]))) {
      if (s[i] == '\\') {
        size_t slashes = 0;
        while (i < s.size() && s[i] == '\\') ++slashes, ++i;
        if (i < s.size() && s[i] == '"') {
          arg.append(slashes / 2, '\\');
          if (slashes % 2 == 1) {
            arg.push_back('"');
            ++i;
          }
        } else {
          arg.append(slashes, '\\');
        }
      } else if (s[i] == '"') {
        if (quoted && i + 1 < s.size() && s[i + 1] == '"') {
          arg.push_back('"');
          i += 2;
        } else {
          quoted = !quoted;
          ++i;
        }
      } else {
        arg.push_back(s[i++]);
      }
    }
    args.push_back(arg);
  }
  return args;
}

ProgramAndRest splitProgram(std::string_view s) {
  size_t i = 0;
  while (i < s.size() && isBlank(s[i])) ++i;
  ProgramAndRest result;
  i = readProgram(s, i, result.program);
  while (i < s.size() && isBlank(s[i])) ++i;
  result.rest.assign(s.substr(i));
  return result;
}

std::string fileNameOf(std::string_view path) {
  size_t cut = path.find_last_of("\\/");
  return std::string(cut == std::string_view::npos ? path : path.substr(cut + 1));
}

}  // namespace pemo::process
