#pragma once
// One script file, read line by line at a byte position. The file's bytes are loaded
// once when the menu opens; positions are byte positions of the file as stored (code
// page 932), and each line is decoded to UTF-8 after it has been read.
#include <memory>
#include <string>

namespace pemo::script {

class ScriptFile {
 public:
  ScriptFile() = default;  // a file that could not be opened: it is at its end
  explicit ScriptFile(std::string bytes);
  // A file whose bytes other readers share: each keeps its own position.
  explicit ScriptFile(std::shared_ptr<const std::string> bytes);

  bool isOpen() const { return bytes_ != nullptr; }
  bool atEnd() const;
  // 1-based byte position of the next read.
  long position() const { return position_; }
  // Positions below 1 count as 1.
  void setPosition(long position);

  // Reads the next line: up to a carriage return (with its line feed) or a lone line
  // feed, or to the end of the file. Double-byte characters are read whole, tabs become
  // blanks, and the decoded line is trimmed of blanks at both ends.
  std::string readLine();

 private:
  std::shared_ptr<const std::string> bytes_;
  long position_ = 1;
};

}  // namespace pemo::script
