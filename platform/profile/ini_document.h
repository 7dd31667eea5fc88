#pragma once
// An INI file's contents, line by line as bytes, with the private-profile rules for
// finding and changing entries. Section and key names compare without regard to case
// or to blanks and tabs around them, and the first match wins; a change touches only the lines it must, every other line
// keeps its bytes.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/profile/ini_line.h"

namespace pemo::profile {

class IniDocument {
 public:
  IniDocument() = default;
  explicit IniDocument(std::string_view bytes);

  std::string bytes() const;
  // The lines as they were read, each with its own line ending, if it had one.
  const std::vector<std::string>& lines() const { return lines_; }

  // The value of a key (UTF-8); nullopt when the section or key is missing.
  std::optional<std::string> value(std::string_view section, std::string_view key) const;
  std::vector<std::string> sectionNames() const;
  std::vector<std::string> keyNames(std::string_view section) const;
  // Every entry of a section in file order, read in one pass (a lookup per key would
  // read the section once for each).
  std::vector<KeyValue> entries(std::string_view section) const;

  // Replaces the key's value in place, or adds the key at the end of its section, or
  // the section at the end of the document.
  void setValue(std::string_view section, std::string_view key, std::string_view value);
  // Both answer whether anything was there to remove.
  bool removeKey(std::string_view section, std::string_view key);
  bool removeSection(std::string_view section);

 private:
  struct Range {
    size_t header;  // index of the header line
    size_t end;     // one past the section's last line
  };
  std::optional<Range> findSection(std::string_view section) const;
  std::optional<size_t> findKey(const Range& range, std::string_view key) const;
  void appendLine(size_t after, std::string line);

  std::vector<std::string> lines_;  // each with its own line ending, if it had one
};

}  // namespace pemo::profile
