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
  fs::FolderAndName parts = fs::splitFolderAndName(FilePath);
  if (parts.folder) ReturnPath = std::move(*parts.folder);
  return parts.name;
}

int16_t KOVAN::CreateFolder(const String& rPath) {
  constexpr int16_t kDone = 0, kFailed = 1;
  return fs::createFolderPath(rPath) ? kDone : kFailed;
}

}  // namespace pemo::kovan
