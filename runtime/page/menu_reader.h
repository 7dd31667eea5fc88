#pragma once
// Reads a menu file into the page: the window from the MENU block, one object per block,
// the frames that objects name, the script's start and its INCLUDE files.
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "menufile/lines.h"
#include "runtime/page/page_objects.h"
#include "runtime/page/page_state.h"
#include "runtime/page/page_view.h"
#include "runtime/page/runtime_state.h"

namespace pemo::page {

// A value the open cannot go on with: a colour, boolean or number that does not convert,
// a picture that cannot be drawn as the background. What was built stays on the page.
class MenuReadError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct MenuReadResult {
  bool hasScript = false;
  long scriptStartPosition = 1;            // 1-based byte position of the line after "BEGIN SCRIPT"
  std::vector<std::string> includeFiles;   // upper-cased names from INCLUDE lines
  bool stopped = false;                    // a block ran into the next BEGIN line
};

// A link that starts the runtime itself with a menu file is that menu file: the command
// line loses its program when the program is this runtime ("PEMO.EXE", "pemo", any
// folder). Every other link stays as written.
std::string menuLinkOf(std::string_view link);

// A link that names a menu file (".FIL" anywhere, in any case) opens a menu; any other
// link starts a program or document.
bool isMenuFileLink(std::string_view link);

// Hears of a menu file's lines as the reader takes them apart, so that another use of
// the same file (the start's menu tree) needs no reading and parsing of its own.
class MenuLineObserver {
 public:
  virtual ~MenuLineObserver() = default;
  // Each line the reader takes apart, once and in file order, up to the line that opens
  // the script section; `endOffset` is the byte just past its line end.
  virtual void lineTaken(const menufile::MenuLine& line, std::size_t endOffset) = 0;
  // The reading has ended, at the script section, at the file's end, early or on a bad
  // value; `bytes` are the whole file's, for the lines the reader never took.
  virtual void readingEnded(std::string_view bytes) = 0;
};

class MenuReader {
 public:
  MenuReader(PageObjects& objects, PageState& page, RuntimeState& runtime, PageView& view,
             MenuLineObserver* lines = nullptr);

  // Reads the file's code page 932 bytes. Throws MenuReadError on a value the open
  // cannot go on with; the objects read so far stay loaded.
  MenuReadResult read(std::string_view bytes);

 private:
  struct Cursor;
  bool readMenuBlock(Cursor& cursor);
  bool readObjectBlock(Cursor& cursor, menufile::ObjectKind kind, int element);
  void tileBackground(const std::string& path);
  // The host path of an existing picture file, or "" (a missing picture is skipped).
  const std::string& pictureFile(std::string_view value);
  double shiftedLeft(std::string_view value) const;

  PageObjects& objects_;
  PageState& page_;
  RuntimeState& runtime_;
  PageView& view_;
  MenuLineObserver* lines_;
  // A page names the same few pictures on many of its objects: each name is looked up
  // once per reading.
  std::unordered_map<std::string, std::string> pictureFiles_;
};

}  // namespace pemo::page
