#pragma once
// An LHA archiver command line: "<command> [-switches] <archive> [<folder>\] [<names>...]".
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pemo::archive {

// Result codes of an archiver command.
enum LhaResult : int16_t {
  kLhaDone = 0,
  kLhaArchiverMissing = static_cast<int16_t>(0x8001),  // built without the archive library
  kLhaUnsupportedCommand = static_cast<int16_t>(0x8002),  // unknown or archive-writing command
  kLhaNoArchiveName = static_cast<int16_t>(0x8003),
  kLhaArchiveNotFound = static_cast<int16_t>(0x8004),
  kLhaArchiveDamaged = static_cast<int16_t>(0x8005),   // unreadable header or data check failed
  kLhaCannotWrite = static_cast<int16_t>(0x8006),      // an extracted file could not be written
  kLhaUnsafeEntry = static_cast<int16_t>(0x8007),      // an entry pointing outside the folder, skipped
};

enum class LhaVerb { List, Test, Extract, ExtractWithFolders };

struct LhaCommand {
  LhaVerb verb = LhaVerb::List;
  std::string archive;                // as written (Windows or host path)
  std::string folder;                 // where to extract; empty for the current folder
  std::vector<std::string> patterns;  // names to act on; empty for all
};

// Words are separated by blanks; double quotes group a word with blanks and are dropped.
std::vector<std::string> splitLhaWords(std::string_view commandLine);

// "l"/"v" list, "t" test, "e" extract into one folder, "x" extract with the stored folders
// (letters in either case); switches ("-x") are accepted and ignored. The first word
// after the archive that ends in "\" or "/" is the folder. nullopt with the result code
// when the command cannot run.
struct ParsedLhaCommand {
  std::optional<LhaCommand> command;
  LhaResult error = kLhaDone;
};
ParsedLhaCommand parseLhaCommand(std::string_view commandLine);

}  // namespace pemo::archive
