#include "platform/fs/atomic_file.h"

#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <optional>
#include <string>

#include "platform/fs/name_limit.h"
#include "platform/fs/whole_file.h"

namespace pemo::fs {

namespace {

namespace stdfs = std::filesystem;

// A new, exclusively created file beside the target; -1 when none can be made.
int createSibling(const stdfs::path& file, stdfs::path& name) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    name = uniqueNameBeside(file, ".tmp");
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// Moves from onto to only when nothing has that name; errno EEXIST when something has.
bool renameWithoutReplacing(const stdfs::path& from, const stdfs::path& to) {
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
  if (errno != EINVAL && errno != ENOSYS) return false;
  // File systems without that rename: a hard link also refuses an existing name.
  if (::link(from.c_str(), to.c_str()) != 0) return false;
  ::unlink(from.c_str());
  return true;
}

// A rename is on the disk only once the folder holding the name is.
void syncFolderOf(const stdfs::path& file) {
  const stdfs::path folder = file.has_parent_path() ? file.parent_path() : stdfs::path(".");
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// Something at the name that a rename would do away with instead of filling: a FIFO, a
// device, a socket or a folder. Such a name is no file to replace.
bool holdsOtherThanAFile(const stdfs::path& file) {
  struct stat status {};
  return ::stat(file.c_str(), &status) == 0 && !S_ISREG(status.st_mode);
}

}  // namespace

std::optional<stdfs::path> writePlace(const stdfs::path& file) {
  // As many links as the system itself follows before it gives up on a loop.
  constexpr int kMostLinks = 40;
  stdfs::path place = file;
  for (int hop = 0; hop <= kMostLinks; ++hop) {
    std::error_code ec;
    if (!stdfs::is_symlink(place, ec)) return place;
    const stdfs::path next = stdfs::read_symlink(place, ec);
    if (ec) return std::nullopt;
    place = next.is_absolute() ? next : place.parent_path() / next;
  }
  return std::nullopt;
}

FileReplacement::FileReplacement(const stdfs::path& target, Existing existing) : existing_(existing) {
  const auto place = existing == Existing::kReplace ? writePlace(target) : target;
  if (!place || !nameFitsItsFolder(*place)) return;
  if (existing == Existing::kReplace && (isWriteProtected(*place) || holdsOtherThanAFile(*place))) return;
  target_ = *place;
  fd_ = createSibling(target_, temporary_);
}

FileReplacement::~FileReplacement() {
  if (fd_ >= 0) ::close(fd_);
  if (!temporary_.empty()) ::unlink(temporary_.c_str());
}

FileReplacement::Result FileReplacement::commit() {
  if (fd_ < 0) return Result::kFailed;
  struct stat existing {};
  bool ok = true;
  if (existing_ == Existing::kReplace && ::stat(target_.c_str(), &existing) == 0)
    ok = ::fchmod(fd_, existing.st_mode & 07777) == 0;
  ok = ::fsync(fd_) == 0 && ok;
  ok = ::close(fd_) == 0 && ok;
  fd_ = -1;
  if (!ok) return Result::kFailed;
  if (!publish()) return errno == EEXIST && existing_ == Existing::kKeep ? Result::kTargetExists : Result::kFailed;
  temporary_.clear();
  syncFolderOf(target_);
  return Result::kDone;
}

bool FileReplacement::publish() const {
  if (existing_ == Existing::kKeep) return renameWithoutReplacing(temporary_, target_);
  return ::rename(temporary_.c_str(), target_.c_str()) == 0;
}

bool isWriteProtected(const stdfs::path& file) {
  struct stat status {};
  return ::stat(file.c_str(), &status) == 0 && (status.st_mode & 0222) == 0;
}

bool writeFileAtomically(const stdfs::path& file, std::string_view bytes) {
  FileReplacement replacement(file);
  return replacement.ready() && writeAll(replacement.fd(), bytes) &&
         replacement.commit() == FileReplacement::Result::kDone;
}

}  // namespace pemo::fs
