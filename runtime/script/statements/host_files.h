#pragma once
// The file work of the statements on Windows paths (mapped through platform/fs).
#include <string>
#include <vector>

namespace pemo::script::statements {

// True when a name holds the wildcards "*" or "?".
bool hasWildcards(const std::string& name);

// Copies a file over an existing destination. The copy is written beside the destination
// and then renamed over it, so a copy that fails leaves the old destination whole. False
// when the source is no file, the destination is a folder, the source itself or
// write-protected, or the copy fails.
bool copyFileReplacing(const std::string& source, const std::string& destination);

// The names of the normal files (no folders, no hidden files) that match a pattern such
// as "C:\WORK\*.TXT", as a directory search for normal files finds them.
std::vector<std::string> normalFilesMatching(const std::string& pattern);

// Deletes the normal files that match a pattern (a plain path matches itself). False
// when nothing matched or a file could not be deleted.
bool deleteMatchingFiles(const std::string& pattern);

// Deletes what a path names, with everything inside it, without asking; wildcards in the
// last part select entries of its folder. A symbolic link is removed, never followed, so
// nothing outside the named folder is touched. A missing path is no failure.
void deleteRecursively(const std::string& pattern);

// Writes the text in code page 932 as one line ending in CR LF: replacing the file (in
// one step, so a failed write leaves the old contents) or at its end (creating it when
// missing; a failed append leaves the file as it was). False when the file cannot be
// written or is write-protected.
bool writeTextLine(const std::string& file, const std::string& text, bool append);

}  // namespace pemo::script::statements
