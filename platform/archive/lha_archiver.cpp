#include "platform/archive/lha_archiver.h"

#include <sys/stat.h>

#include <filesystem>
#include <memory>

#include "platform/fs/fs.h"
#include "platform/text/cp932.h"
#include "platform/text/strings.h"

#ifdef PEMO_HAVE_LHASA
#include <lhasa.h>
#endif

namespace pemo::archive {

#ifndef PEMO_HAVE_LHASA

bool lhaArchiverAvailable() { return false; }

LhaResult runLhaCommand(std::string_view) { return kLhaArchiverMissing; }

#else

namespace {

namespace stdfs = std::filesystem;

struct ReaderDeleter {
  void operator()(LHAReader* reader) const { lha_reader_free(reader); }
};
struct StreamDeleter {
  void operator()(LHAInputStream* stream) const { lha_input_stream_free(stream); }
};

// The name bytes a level-0 header stores ("\\" between folders); empty when there are none.
std::string_view storedName(const LHAFileHeader& header) {
  constexpr size_t kLevel = 20, kLength = 21, kName = 22;
  if (header.header_level != 0 || !header.raw_data || header.raw_data_len <= kName) return {};
  const size_t length = header.raw_data[kLength];
  if (header.raw_data[kLevel] != 0 || kName + length > header.raw_data_len) return {};
  return {reinterpret_cast<const char*>(header.raw_data) + kName, length};
}

// The library turns every "\\" byte of a code page 932 name into "/", also the second
// byte of a two-byte character ("\x95\\" is one character), and drops a separator that
// follows such a byte. The stored name tells them apart; the library's letter case is kept.
std::string restoredPath(const std::string& path, std::string_view stored) {
  std::string out;
  size_t j = 0;
  for (size_t i = 0; i < stored.size(); ++i, ++j) {
    if (j >= path.size()) return path;
    const unsigned char byte = static_cast<unsigned char>(stored[i]);
    if (text::isLeadByte(byte) && i + 1 < stored.size()) {
      if (j + 1 >= path.size() || path[j] != stored[i]) return path;
      out += path[j];
      out += stored[++i];
      if (path[++j] != stored[i] && !(stored[i] == '\\' && path[j] == '/')) return path;
      if (stored[i] == '\\' && i + 1 < stored.size() && stored[i + 1] == '\\') {
        out += '/';
        ++i;
      }
    } else if (byte == '\\') {
      if (path[j] != '/') return path;
      out += '/';
    } else {
      if (text::LCase(std::string(1, path[j])) != text::LCase(std::string(1, stored[i]))) return path;
      out += path[j];
    }
  }
  return j == path.size() ? out : path;
}

// Entry names are code page 932 unless the archive was made on a Unix system.
std::string entryText(const std::string& bytes, uint8_t osType) {
  return osType == LHA_OS_TYPE_UNIX ? bytes : text::cp932ToUtf8(bytes);
}

bool isFolderEntry(const LHAFileHeader& header) {
  return std::string_view(header.compress_method) == LHA_COMPRESS_TYPE_DIR && !header.symlink_target;
}

// The stored path of an entry with "/" separators ("dir/sub/name.txt", "dir/" for a folder).
std::string entryPath(const LHAFileHeader& header) {
  std::string bytes = header.path ? header.path : "";
  if (header.filename) bytes += header.filename;
  if (header.os_type != LHA_OS_TYPE_UNIX) bytes = restoredPath(bytes, storedName(header));
  return entryText(bytes, header.os_type);
}

bool matchesAny(const LhaCommand& command, const std::string& path) {
  if (command.patterns.empty()) return true;
  const std::string windowsPath = text::Replace(path, "/", "\\");
  const std::string name = stdfs::path(path).filename().string();
  for (const std::string& pattern : command.patterns) {
    const std::string windowsPattern = text::Replace(pattern, "/", "\\");
    if (fs::matchesWildcard(name, windowsPattern) || fs::matchesWildcard(windowsPath, windowsPattern))
      return true;
  }
  return false;
}

// The entry's place under the folder; nullopt when it would leave the folder.
std::optional<stdfs::path> placeOf(const stdfs::path& folder, const std::string& relative) {
  stdfs::path result = folder;
  for (const auto& part : stdfs::path(relative)) {
    if (part == ".." || part.is_absolute() || part == "/") return std::nullopt;
    if (!part.empty() && part != ".") result /= part;
  }
  return result;
}

// The archive's check sum of an entry's data (CRC-16, polynomial 0xA001 reflected).
uint16_t dataCheck(uint16_t crc, std::string_view bytes) {
  for (const unsigned char byte : bytes) {
    crc ^= byte;
    for (int bit = 0; bit < 8; ++bit) crc = (crc & 1) ? (crc >> 1) ^ 0xA001 : crc >> 1;
  }
  return crc;
}

// Decodes the reader's current entry into fd. A write the disk refuses is told apart from
// data that does not match the entry's length and check sum. MacBinary headers that the
// library takes off files from Macintosh archives are part of the check sum, so those
// entries are checked only as far as the library's decoding goes.
LhaResult decodeInto(LHAReader* reader, const LHAFileHeader& header, int fd) {
  char buffer[65536];
  uint16_t crc = 0;
  size_t length = 0;
  while (const size_t n = lha_reader_read(reader, buffer, sizeof buffer)) {
    const std::string_view piece(buffer, n);
    if (!fs::writeAll(fd, piece)) return kLhaCannotWrite;
    crc = dataCheck(crc, piece);
    length += n;
  }
  if (header.os_type != LHA_OS_TYPE_MACOS && (length != header.length || crc != header.crc))
    return kLhaArchiveDamaged;
  return kLhaDone;
}

// The entry's time and, from Unix archives, its permissions, as the archive holds them.
void applyStoredAttributes(const LHAFileHeader& header, int fd) {
  if (LHA_FILE_HAVE_EXTRA(&header, LHA_FILE_UNIX_PERMS)) ::fchmod(fd, header.unix_perms & 0777);
  if (header.timestamp == 0) return;
  const timespec times[2] = {{time_t(header.timestamp), 0}, {time_t(header.timestamp), 0}};
  ::futimens(fd, times);
}

class Run {
 public:
  Run(const LhaCommand& command, LHAReader* reader, stdfs::path folder)
      : command_(command), reader_(reader), folder_(std::move(folder)) {
    std::error_code ec;
    realFolder_ = stdfs::weakly_canonical(folder_, ec);
  }

  LhaResult entry(const LHAFileHeader& header) {
    const std::string path = entryPath(header);
    if (header.symlink_target || !matchesAny(command_, path)) return kLhaDone;
    switch (command_.verb) {
      case LhaVerb::List: return kLhaDone;
      case LhaVerb::Test:
        return lha_reader_check(reader_, nullptr, nullptr) ? kLhaDone : kLhaArchiveDamaged;
      case LhaVerb::Extract:
        if (isFolderEntry(header)) return kLhaDone;
        return extract(header, stdfs::path(path).filename().string());
      case LhaVerb::ExtractWithFolders: return extract(header, path);
    }
    return kLhaDone;
  }

 private:
  LhaResult extract(const LHAFileHeader& header, const std::string& relative) {
    const auto place = placeOf(folder_, relative);
    if (!place || !staysInside(*place)) return kLhaUnsafeEntry;
    std::error_code ec;
    if (isFolderEntry(header))
      return stdfs::create_directories(*place, ec), ec ? kLhaCannotWrite : kLhaDone;
    // The entry is written beside its place and moved there only once its data check
    // has passed, so a damaged entry neither replaces a good file nor leaves half of itself.
    stdfs::create_directories(place->parent_path(), ec);
    fs::FileReplacement replacement(*place);
    if (!replacement.ready()) return kLhaCannotWrite;
    const LhaResult decoded = decodeInto(reader_, header, replacement.fd());
    if (decoded != kLhaDone) return decoded;
    applyStoredAttributes(header, replacement.fd());
    return replacement.commit() == fs::FileReplacement::Result::kDone ? kLhaDone : kLhaCannotWrite;
  }

  // Whether a write at place lands under the folder, once the links in the way (a folder
  // or the name itself, put there by anyone) are followed.
  bool staysInside(const stdfs::path& place) const {
    const auto lands = fs::writePlace(place);
    if (!lands || realFolder_.empty()) return false;
    // The links are followed, so the name itself is looked at no more: one too long for
    // the host leads nowhere, and its write fails as such.
    std::error_code ec;
    const stdfs::path folder = stdfs::weakly_canonical(lands->parent_path(), ec);
    const stdfs::path real = (folder / lands->filename()).lexically_normal();
    if (ec) return false;
    const stdfs::path inside = real.lexically_relative(realFolder_);
    return !inside.empty() && *inside.begin() != "..";
  }

  const LhaCommand& command_;
  LHAReader* reader_;
  stdfs::path folder_;
  stdfs::path realFolder_;
};

}  // namespace

bool lhaArchiverAvailable() { return true; }

LhaResult runLhaCommand(std::string_view commandLine) {
  const ParsedLhaCommand parsed = parseLhaCommand(commandLine);
  if (!parsed.command) return parsed.error;
  const LhaCommand& command = *parsed.command;

  const auto archive = fs::toHostPath(command.archive);
  std::error_code ec;
  if (!archive || !stdfs::is_regular_file(*archive, ec)) return kLhaArchiveNotFound;
  std::string archivePath = *archive;
  std::unique_ptr<LHAInputStream, StreamDeleter> stream(lha_input_stream_from(archivePath.data()));
  if (!stream) return kLhaArchiveNotFound;
  std::unique_ptr<LHAReader, ReaderDeleter> reader(lha_reader_new(stream.get()));
  if (!reader) return kLhaArchiveDamaged;
  lha_reader_set_dir_policy(reader.get(), LHA_READER_DIR_PLAIN);

  const auto folder = fs::toHostPath(command.folder.empty() ? fs::currentFolder() : command.folder);
  if (!folder) return kLhaCannotWrite;
  Run run(command, reader.get(), *folder);
  LhaResult result = kLhaDone;
  int entries = 0;
  while (const LHAFileHeader* header = lha_reader_next_file(reader.get())) {
    ++entries;
    const LhaResult step = run.entry(*header);
    if (result == kLhaDone) result = step;
  }
  // An archive whose first header cannot be read is no archive at all.
  if (entries == 0 && stdfs::file_size(*archive, ec) > 1) return kLhaArchiveDamaged;
  return result;
}

#endif

}  // namespace pemo::archive
