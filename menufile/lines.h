#pragma once
// Lines of a menu file: how a line is recognised, how the file's code page 932 bytes
// become UTF-8 lines and back, and how the writer forms its lines.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "menufile/keywords.h"

namespace pemo::menufile {

enum class LineKind {
  Empty,       // nothing but blanks and tabs
  BlockBegin,  // "BEGIN " and a word
  BlockEnd,    // "END " and a word
  Property,    // a key, "=" and a value
  Other,       // anything else (no "=")
};

// One line taken apart. Leading blanks and tabs never count. A line that then begins
// with a double quote is first reduced to the text inside its quotes.
//  - A line opens or ends a block only when it begins with "BEGIN " or "END " in any
//    case; word is the rest in upper case. For BEGIN the rest is taken exactly, so
//    "BEGIN  LABEL" or a trailing blank gives a word that names no block; for END
//    trailing blanks and tabs are dropped. A value that merely holds "begin"
//    (CAPTION=Beginner) is a property like any other.
//  - A property's key is the text before the first "=", upper-cased and not trimmed (a
//    blank before "=" makes an unknown key); its value is everything after that "=",
//    later "=", commas and trailing blanks included.
struct MenuLine {
  LineKind kind = LineKind::Empty;
  std::string word;   // BlockBegin, BlockEnd
  std::string key;    // Property
  std::string value;  // Property
  Key knownKey() const { return keyOfName(key); }
  // The block kind a BlockBegin or BlockEnd line names, if any.
  std::optional<ObjectKind> blockKind() const { return kindOfBlockWord(word); }
  bool opensScript() const { return kind == LineKind::BlockBegin && word == kScriptWord; }
};

MenuLine classifyLine(std::string_view line);

// True for the line that ends the script section: "END SCRIPT" in any case once
// surrounding blanks and tabs are trimmed. A line that merely contains the words
// (a comment, a message text) stays in the script.
bool endsScript(std::string_view line);

// One line of the file as read: its text in UTF-8 without the line end, and the byte
// offset just past its line end in the file.
struct FileLine {
  std::string text;
  std::size_t endOffset = 0;
};

// Takes code page 932 bytes apart into lines at CR LF, a lone LF or a lone CR, decoding
// each line only when it is taken: reading a file needs its bytes and the line at hand,
// however many lines it has. A last line without a line end still counts; empty bytes
// have no lines. The bytes must outlive the reader.
class LineReader {
 public:
  explicit LineReader(std::string_view bytes) : bytes_(bytes) {}
  bool atEnd() const { return next_ >= bytes_.size(); }
  FileLine next();

 private:
  std::string_view bytes_;
  std::size_t next_ = 0;
};

// Encodes UTF-8 lines as code page 932, each ended by CR LF.
std::string encodeLines(const std::vector<std::string>& lines);

// Lines the writer forms.
std::string beginLine(ObjectKind kind);                       // "BEGIN LABEL"
std::string endLine(ObjectKind kind);                         // "END LABEL"
std::string propertyLine(Key key, std::string_view value);   // "    CAPTION=value"

// A text made fit for one line: each line break (CR LF, CR or LF) becomes one blank,
// since the format has no way to store it.
std::string singleLineText(std::string_view text);

}  // namespace pemo::menufile
