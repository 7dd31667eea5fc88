// Disk space, drive kinds, program file versions and the shared program folders.
#include <sys/statfs.h>
#include <sys/statvfs.h>

#include "kovan/kovan.h"
#include "platform/fs/fs.h"
#include "platform/text/strings.h"

namespace pemo::kovan {
namespace {

// Drive kinds as the Windows platform numbered them.
enum DriveKind : int32_t {
  kDriveUnknown = 0,
  kDriveNoRootFolder = 1,
  kDriveRemovable = 2,
  kDriveFixed = 3,
  kDriveRemote = 4,
  kDriveCdRom = 5,
  kDriveRamDisk = 6,
};

constexpr int32_t kHkeyLocalMachine = static_cast<int32_t>(0x80000002u);
const char* const kCurrentVersionKey = "Software\\Microsoft\\Windows\\CurrentVersion";

// The root folder of the drive a text starts with ("c" and "c:\x" give "C:\").
std::string driveRoot(const std::string& drive) { return text::UCase(text::Left(drive, 1)) + ":\\"; }

// File systems by their magic numbers (statfs f_type).
DriveKind kindOfFileSystem(const std::string& hostFolder) {
  struct statfs info {};
  if (statfs(hostFolder.c_str(), &info) != 0) return kDriveUnknown;
  switch (static_cast<unsigned long>(info.f_type)) {
    case 0x6969:      // NFS
    case 0xFF534D42:  // CIFS
    case 0xFE534D42:  // SMB2
    case 0x517B:      // SMB
    case 0x65735546:  // FUSE (sshfs and other network mounts)
      return kDriveRemote;
    case 0x9660:      // ISO 9660
    case 0x15013346:  // UDF
      return kDriveCdRom;
    case 0x01021994:  // tmpfs
    case 0x858458F6:  // ramfs
      return kDriveRamDisk;
    default: break;
  }
  std::error_code ignored;
  const std::string real = std::filesystem::weakly_canonical(hostFolder, ignored).string();
  if (real.starts_with("/media/") || real.starts_with("/run/media/")) return kDriveRemovable;
  return kDriveFixed;
}

// The value named valueName under the CurrentVersion key, with a closing backslash.
std::string currentVersionFolder(KOVAN& kovan, const std::string& valueName) {
  const int32_t key = kovan.RegOpenKey(kHkeyLocalMachine, kCurrentVersionKey);
  if (key == -1 || key == 0) return {};
  std::string result;
  for (int32_t index = 0;; ++index) {
    std::string name, value, binary;
    int32_t type = 0;
    if (kovan.RegGetValueByIndex(key, index, name, value, type, binary) != 0) break;
    if (name == valueName) {
      result = value + "\\";
      break;
    }
  }
  kovan.RegCloseKey(key);
  return result;
}

}  // namespace

double KOVAN::GetDiskSpace(const String& drv, const int16_t& Mode, double& RetTotalSize) {
  constexpr double kFailed = -1;
  if (drv.empty()) return kFailed;
  const auto host = fs::toHostPath(driveRoot(drv));
  struct statvfs info {};
  if (!host || statvfs(host->c_str(), &info) != 0) return kFailed;
  RetTotalSize = double(info.f_blocks) * double(info.f_frsize);
  const double freeBytes = double(info.f_bavail) * double(info.f_frsize);
  switch (Mode) {
    case 1: return freeBytes / 1e3;
    case 2: return freeBytes / 1e6;
    case 3: return freeBytes / 1e9;
    default: return freeBytes;
  }
}

int32_t KOVAN::GetDriveType(const String& Drive) {
  const std::string root = driveRoot(Drive);
  const char letter = fs::driveLetter(root[0]);
  if (!letter || !fs::driveAvailable(letter)) return kDriveNoRootFolder;
  return kindOfFileSystem(*fs::toHostPath(root));
}

// Program files on this platform carry no version resource.
KOVAN::String KOVAN::GetFileVersion(const String&) { return {}; }

KOVAN::String KOVAN::GetProgramFilesDir(const int16_t&) {
  return currentVersionFolder(*this, "ProgramFilesDir");
}

KOVAN::String KOVAN::GetCommonFilesDir() { return currentVersionFolder(*this, "CommonFilesDir"); }

}  // namespace pemo::kovan
