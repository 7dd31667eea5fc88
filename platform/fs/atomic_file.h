#pragma once
// Replacing a file so that readers see either the old or the new contents, never a
// half-written file: the bytes go to a new file beside it, which is then renamed over it.
#include <filesystem>
#include <optional>
#include <string_view>

#include "platform/fs/temporary_sibling.h"

namespace pemo::fs {

// Where a write to file lands: the end of the chain of symbolic links starting at file,
// also when the last link points to a file that does not exist yet. Nothing for a loop.
std::optional<std::filesystem::path> writePlace(const std::filesystem::path& file);

// A new file beside a target, filled by the caller through fd() (a database that opens
// files by name uses path()), that takes the target's
// place on commit(). A symbolic link at the target is followed (writePlace), so the file it
// points to is replaced or made and the link stays. An existing file's permissions pass to
// the new one; a new one gets 0666 less the umask. Dropped without a commit, the new file goes.
class FileReplacement {
 public:
  enum class Existing { kReplace, kKeep };  // kKeep: a file already at the name wins
  enum class Result { kDone, kFailed, kTargetExists };

  explicit FileReplacement(const std::filesystem::path& target, Existing existing = Existing::kReplace);
  ~FileReplacement();
  FileReplacement(const FileReplacement&) = delete;
  FileReplacement& operator=(const FileReplacement&) = delete;

  // False when no new file could be made, for a write-protected target, for one that is
  // no plain file (a FIFO, a device, a folder), which stays as it is, and for a name
  // longer than its folder takes.
  bool ready() const { return fd_ >= 0; }
  int fd() const { return fd_; }
  const std::filesystem::path& path() const { return temporary_; }
  // Where the file lands: the target, or the end of the links at it.
  const std::filesystem::path& target() const { return target_; }

  // Puts the filled file on the disk, then in the target's place, then the folder's new
  // entry on the disk; the target is untouched on any failure.
  Result commit();

 private:
  bool publish() const;

  std::filesystem::path target_;
  std::filesystem::path temporary_;
  Existing existing_;
  int fd_ = -1;
};

// Writes bytes to the host file atomically, as a FileReplacement. False (and the old file
// untouched) on any failure, for a write-protected file and for no plain file.
bool writeFileAtomically(const std::filesystem::path& file, std::string_view bytes);

// True for an existing file (a link followed) that has no write permission bit at all:
// the user made it read-only, so no write replaces it, whoever runs the program. Replacing
// a file by renaming over it needs only the folder's permission, so writers ask first.
bool isWriteProtected(const std::filesystem::path& file);

}  // namespace pemo::fs
