#pragma once
// The user folder's two list files, the run list and the favourites: one INI section
// whose keys are a prefix and the entry number (0, 1, ... without gaps), each value a
// caption, ",", and the rest (a command line or a menu file). Each file is read whole
// and written whole, so a value of any length comes back as it was stored, and a write
// that fails leaves the old file as it was.
#include <compare>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/shell/list_lock.h"

namespace pemo::shell {

struct ListFileFormat {
  std::string_view section;  // written as given; read without regard to case
  std::string_view keyPrefix;
  size_t mostRead;     // the entries the reader takes at most; any after them are not the list
  size_t mostEntries;  // how long new entries may make the list
};

// The most bytes a list file is read with. A list of paths a hand could make is a few
// kilobytes; a larger file is no list, and reading it whole would cost its size in memory.
// Such a file is taken as one that cannot be read: it gives no entries and is never
// replaced.
inline constexpr std::uintmax_t kMostListFileBytes = 1024 * 1024;

// A value taken apart at its first comma: the caption before it, everything after it
// (later commas included) as the rest; a value without a comma is all caption.
struct ListValue {
  std::string caption;
  std::string rest;
  auto operator<=>(const ListValue&) const = default;
};
ListValue splitListValue(const std::string& value);

// A caption as it can be stored: a comma would end it when read back, so each one
// becomes the full-width "，".
std::string storableCaption(const std::string& caption);

// Whether the file keeps a text as it is: a character without a code page 932 form is
// stored as "?", and a command line changed so no longer starts its program.
bool storableText(const std::string& text);

// The values from key 0 up to the first key that is missing or empty, at most
// format.mostRead. A missing or unreadable file (a Windows path) gives none.
std::vector<ListValue> readListFile(const std::string& file, const ListFileFormat& format);

// Replaces the file by one holding exactly these entries, keys from 0; no entries
// remove the file when it holds a list (one that yields none is left as it is). False,
// with the old file kept, when it could not be replaced: a file that cannot be read, is
// write-protected or holds anything besides the list (a write would drop it) is never
// replaced. Entries the reader passes over (after a gap or an empty value, under a key
// written another way such as "App01", a second one of a key, beyond format.mostRead)
// are something besides the list too. A file saved as UTF-8 with a byte-order mark is
// read as such.
bool writeListFile(const std::string& file, const ListFileFormat& format, const std::vector<ListValue>& entries);

// Stores one entry under key `number`, keeping every other line of the file. False, with
// the old file kept, when it cannot be read, is write-protected or would lose characters
// (see writeListFile), or could not be replaced.
bool writeListEntry(const std::string& file, const ListFileFormat& format, size_t number, const ListValue& entry);

// Replaces the file by what `change` makes of the entries it holds at this moment, under
// the lock. The entries stored, or nothing when the file could not be replaced, which
// leaves the old one (see writeListFile), or when another runtime kept the lock for
// longer than the wait.
using ListChange = std::function<std::vector<ListValue>(std::vector<ListValue> now)>;
std::optional<std::vector<ListValue>> updateListFile(const std::string& file, const ListFileFormat& format,
                                                     const ListChange& change);

// Whether writeListFile could replace the file now (nothing is written): its contents
// readable and only the list, or no file yet, the file not write-protected, its folder
// open for writing.
bool listFileStorable(const std::string& file, const ListFileFormat& format);

// Tells the user that `file` could not be stored: its path and "ﾌｧｲﾙを保存できませんでした".
void tellNotStored(const std::string& file);
// Tells the user that entries did not fit a list: "これ以上は登録できません".
void tellListFull();

}  // namespace pemo::shell
