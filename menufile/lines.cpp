#include "menufile/lines.h"

#include "platform/text/cp932.h"
#include "platform/text/strings.h"

namespace pemo::menufile {
namespace {

// The text inside the quotes of a line that begins with one; an unclosed quote runs to
// the end of the line.
std::string_view insideQuotes(std::string_view s) {
  s.remove_prefix(1);
  size_t close = s.find('"');
  return close == std::string_view::npos ? s : s.substr(0, close);
}

// The rest of the line after an ASCII prefix compared without regard to case, or
// nullopt when the line does not begin with it. The prefix is ASCII, so comparing
// bytes is exact for UTF-8.
std::optional<std::string_view> afterPrefix(std::string_view line, std::string_view prefix) {
  if (line.size() < prefix.size()) return std::nullopt;
  for (size_t i = 0; i < prefix.size(); ++i) {
    char c = line[i];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c != prefix[i]) return std::nullopt;
  }
  return line.substr(prefix.size());
}

}  // namespace

MenuLine classifyLine(std::string_view line) {
  MenuLine result;
  std::string_view text = text::LTrimBlanksAndTabs(line);
  if (!text.empty() && text.front() == '"') text = insideQuotes(text);
  if (text::RTrimBlanksAndTabs(text).empty()) return result;

  if (auto rest = afterPrefix(text, "BEGIN ")) {
    result.kind = LineKind::BlockBegin;
    result.word = text::UCase(*rest);
    return result;
  }
  if (auto rest = afterPrefix(text, "END ")) {
    result.kind = LineKind::BlockEnd;
    result.word = text::UCase(text::RTrimBlanksAndTabs(*rest));
    return result;
  }
  size_t equals = text.find('=');
  if (equals == std::string_view::npos) {
    result.kind = LineKind::Other;
    return result;
  }
  result.kind = LineKind::Property;
  result.key = text::UCase(text.substr(0, equals));
  result.value = std::string(text.substr(equals + 1));
  return result;
}

bool endsScript(std::string_view line) {
  return text::UCase(text::RTrimBlanksAndTabs(text::LTrimBlanksAndTabs(line))) == "END SCRIPT";
}

FileLine LineReader::next() {
  // CR and LF never occur as the trail byte of a double-byte character, so the bytes
  // can be cut at them before decoding.
  const std::size_t start = next_;
  std::size_t end = bytes_.find_first_of("\r\n", start);
  if (end == std::string_view::npos) {
    end = next_ = bytes_.size();
  } else if (bytes_[end] == '\r' && end + 1 < bytes_.size() && bytes_[end + 1] == '\n') {
    next_ = end + 2;
  } else {
    next_ = end + 1;
  }
  return {text::cp932ToUtf8(bytes_.substr(start, end - start)), next_};
}

std::string encodeLines(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const auto& line : lines) {
    bytes += text::utf8ToCp932(line);
    bytes += "\r\n";
  }
  return bytes;
}

std::string beginLine(ObjectKind kind) { return "BEGIN " + std::string(blockWord(kind)); }

std::string endLine(ObjectKind kind) { return "END " + std::string(blockWord(kind)); }

std::string propertyLine(Key key, std::string_view value) {
  std::string line = "    ";
  line += keyName(key);
  line += '=';
  line += value;
  return line;
}

std::string singleLineText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r' || c == '\n') {
      out += ' ';
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace pemo::menufile
