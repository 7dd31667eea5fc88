// INI values and the master INI file of file settings.
#include "kovan/kovan.h"
#include "platform/fs/fs.h"
#include "platform/profile/private_profile.h"
#include "platform/text/strings.h"

namespace pemo::kovan {
namespace {

constexpr size_t kIniBufferSize = 255;

const char* const kFileFolderSection = "ﾌｧｲﾙﾃﾞｨﾚｸﾄﾘ";
const char* const kFileSettingSection = "ﾌｧｲﾙ設定";

// Which INI file a name means: a path with a drive (or a host path) as it is, a name that
// starts with "\" on the Windows folder's drive, any other name in the Windows folder.
std::string iniPath(const std::string& file) {
  if (file.find(":\\") != std::string::npos || file.find(":/") != std::string::npos ||
      fs::isHostPath(file))
    return file;
  const std::string windows = fs::windowsFolder();
  if (text::Left(file, 1) == "\\") return text::Left(windows, 2) + file;
  return KovanObject().StringAddYen(windows) + file;
}

}  // namespace

KOVAN::String KOVAN::GetIni(const String& File, const String& Sec, const String& Key) {
  return profile::readProfileString(Sec, Key, "", iniPath(File), kIniBufferSize);
}

// A write that did not reach the file reports 1, so the caller knows the setting is lost.
int16_t KOVAN::SetIni(const String& File, const String& Sec, const String& Key,
                      const String& WriteW) {
  return profile::writeProfileString(Sec, Key, WriteW, iniPath(File)) ? 0 : 1;
}

KOVAN::String KOVAN::GetMasterIniData(const String& MasterIni, const String& Keyword,
                                      const int16_t& Op) {
  const std::string file = iniPath(MasterIni);
  switch (Op) {
    case 0: {
      const std::string value = GetIni(file, kFileFolderSection, Keyword);
      if (text::Left(value, 1) == "*") return GetIni(file, kFileSettingSection, text::Mid(value, 2));
      return value;
    }
    case 1: return GetIni(file, kFileSettingSection, Keyword);
    case 2: return GetIni(file, kFileFolderSection, Keyword);
    default: return {};
  }
}

}  // namespace pemo::kovan
