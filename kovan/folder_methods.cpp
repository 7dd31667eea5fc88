// The program, Windows and system folders, splitting a path, and creating a folder path.
#include "kovan/kovan.h"
#include "platform/fs/fs.h"
#include "platform/text/strings.h"

namespace pemo::kovan {
namespace {

// Codes of GetWinSysDir.
enum WinSysDirCode : int16_t {
  kWindowsDriveWithYen = 0,
  kWindowsFolderWithYen = 1,
  kSystemFolderWithYen = 2,
  kWindowsDrive = 50,
  kWindowsFolder = 51,
  kSystemFolder = 52,
};

// Characters the Windows platform refused in a folder name.
bool isValidFolderName(const std::string& name) {
  for (unsigned char c : name)
    if (c < 0x20 || std::string_view("*?\"<>|:").find(char(c)) != std::string_view::npos)
      return false;
  return true;
}

}  // namespace

KOVAN::String KOVAN::GetAppPath(const String& AppPath) { return StringAddYen(AppPath); }

KOVAN::String KOVAN::GetWinSysDir(const int16_t& Op) {
  const std::string windows = fs::windowsFolder();
  switch (Op) {
    case kWindowsDriveWithYen: return StringAddYen(text::Left(windows, 2));
    case kWindowsFolderWithYen: return StringAddYen(windows);
    case kSystemFolderWithYen: return StringAddYen(fs::systemFolder());
    case kWindowsDrive: return text::Left(windows, 2);
    case kWindowsFolder: return windows;
    case kSystemFolder: return fs::systemFolder();
    default: return {};
  }
}

KOVAN::String KOVAN::GetFileNameFromPath(const String& FilePath, String& ReturnPath) {
  const long position = std::max(text::InStrRev(FilePath, "\\"), text::InStrRev(FilePath, "/"));
  if (position == 0) return FilePath;
  ReturnPath = text::Left(FilePath, position - 1);
  if (text::Right(ReturnPath, 1) == ":") ReturnPath += "\\";
  return text::Mid(FilePath, position + 1);
}

// Walks down from the drive's root, creating each missing level and stepping into it, so
// that the current drive and folder end at the folder created, as callers expect. A host
// path or a relative path is taken as the absolute Windows path it stands for.
int16_t KOVAN::CreateFolder(const String& rPath) {
  constexpr int16_t kDone = 0, kFailed = 1;
  const auto path = fs::parseWindowsPath(rPath);
  if (!path || !fs::changeDrive(path->drive)) return kFailed;
  if (!fs::changeFolder(fs::WindowsPath{path->drive, {}}.text())) return kFailed;
  for (const std::string& level : path->parts) {
    if (!isValidFolderName(level)) return kFailed;
    const auto host = fs::toHostPath(fs::currentFolder() + "\\" + level);
    if (!host) return kFailed;
    std::error_code ec;
    std::filesystem::create_directory(*host, ec);
    if (ec || !fs::changeFolder(level)) return kFailed;
  }
  return kDone;
}

}  // namespace pemo::kovan
