#include "editor/document/script_work_file.h"

#include "menufile/lines.h"
#include "menufile/types.h"
#include "platform/fs/whole_file.h"
#include "platform/text/cp932.h"
#include "platform/text/utf8.h"

namespace pemo::editor {
namespace {

bool isUtf8(const std::string& bytes) {
  return text::fromU32(text::toU32(bytes)) == bytes;
}

std::string candidateName(const std::string& name, int attempt) {
  if (attempt == 1) return name;
  size_t dot = name.rfind('.');
  std::string suffix = "_" + std::to_string(attempt);
  if (dot == std::string::npos) return name + suffix;
  return name.substr(0, dot) + suffix + name.substr(dot);
}

}  // namespace

std::string scriptWorkFileName(const std::string& menuPath) {
  size_t slash = menuPath.find_last_of("\\/");
  std::string fileName = slash == std::string::npos ? menuPath : menuPath.substr(slash + 1);
  size_t dot = fileName.find('.');
  if (dot == std::string::npos) return "WSC";
  return fileName.substr(0, dot + 1) + "WSC";
}

std::optional<std::filesystem::path> createScriptWorkFile(
    const std::filesystem::path& folder, const std::string& name,
    const std::vector<std::string>& lines) {
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  std::string bytes;
  for (const auto& line : lines) bytes += line + "\r\n";
  for (int attempt = 1; attempt <= 10000; ++attempt) {
    std::filesystem::path file = folder / candidateName(name, attempt);
    fs::CreateResult created = fs::createNewFile(file, bytes);
    if (created == fs::CreateResult::Created) return file;
    if (created == fs::CreateResult::Failed) return std::nullopt;
  }
  return std::nullopt;
}

std::optional<std::vector<std::string>> readScriptWorkFile(const std::filesystem::path& file) {
  // The script goes back into its menu file: a work file no menu could hold is refused.
  auto content = fs::readWholeFile(file, menufile::kLargestMenuFile);
  if (!content) return std::nullopt;
  std::string bytes = std::move(*content);
  if (bytes.rfind("\xEF\xBB\xBF", 0) == 0) bytes.erase(0, 3);  // a byte-order mark some editors add
  // Line splitting works on bytes; UTF-8 text is turned into code page 932 first so that
  // one splitter and decoder serves both encodings without loss.
  if (isUtf8(bytes)) bytes = text::utf8ToCp932(bytes);
  std::vector<std::string> lines;
  for (menufile::LineReader reader(bytes); !reader.atEnd();) lines.push_back(reader.next().text);
  return lines;
}

}  // namespace pemo::editor
