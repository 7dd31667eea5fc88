#pragma once
// The function library class KOVAN: registry and INI access, string splitting and
// conversion, window placement, folders and disks, keyboard input and the arithmetic
// of expression texts, shared by the runtime and the editor.
//
// Conventions:
// - Every parameter is passed by reference; the ones a method writes back are
//   non-const references, the others const references (constants bind to them).
// - Types: String std::string (UTF-8), Integer int16_t, Long int32_t, Double double,
//   Byte uint8_t, Boolean bool, Variant, String array StringArray, Byte array ByteArray.
//   An optional Variant left out is Variant::missing(); an optional Integer or Long
//   left out is 0.
// - A method that fails inside throws KovanError (error number and text); methods that
//   recover by themselves return fixed values instead. Registry methods report failure
//   by status (0 = success) or the handle -1 and never throw for a failed system call.
// - Registry key handles and window handles are signed 32-bit numbers.
// - The object holds no state between calls; each program uses KovanObject().
#include <cstdint>
#include <string>

#include "kovan/kovan_error.h"
#include "kovan/safe_array.h"
#include "kovan/variant.h"

namespace pemo::kovan {

class KOVAN {
 public:
  using String = std::string;

  // 1
  void KeyPush(const int16_t& KeyCode, const int16_t& Shift = 0, const int16_t& Ctrl = 0,
               const int16_t& Alt = 0);
  // 2
  uint8_t GetKeyScanCode2(const int16_t& KeyCode);
  // 3: width of a text, characters from U+0100 up counting 2.
  int32_t Len16(const String& AnyStr);
  // 4
  int32_t RegCloseKey(const int32_t& hkey);
  // 5
  double fCalc(const String& Shiki, const int16_t& Keta, const int16_t& Op);
  // 6
  String GetAppPath(const String& AppPath);
  // 7
  String GetCommonFilesDir();
  // 8
  double GetDiskSpace(const String& drv, const int16_t& Mode, double& RetTotalSize);
  // 9
  int32_t GetDriveType(const String& Drive);
  // 10
  String GetFileNameFromPath(const String& FilePath, String& ReturnPath);
  // 11
  String GetFileVersion(const String& FilePath);
  // 12
  String GetProgramFilesDir(const int16_t& NOROOT = 0);
  // 13
  int32_t RegGetKeyByIndex(const int32_t& hkey, const int32_t& Index, String& ret);
  // 14
  int32_t RegGetKeyInfo(const int32_t& hkey, String& RetClass, int32_t& RetSecurityDesc);
  // 15
  int32_t RegGetRootKey(const String& FullKeyName, String& RetSubKey);
  // 16
  String RegGetValue(const int32_t& hkey, const String& ValueName, const int32_t& rType);
  // 17
  int32_t RegGetValueByIndex(const int32_t& hkey, const int32_t& Index, String& RetName,
                             String& ReturnValue, int32_t& RetType, String& RetBinValue);
  // 18
  int32_t RegDeleteKey(const int32_t& hkey, const String& SubKey);
  // 19
  String OmitAnyString(const String& SendStr, const String& OmitString);
  // 20: splits AnyString at Kugiri ("," when missing) into RetStr; returns the count.
  String GetAnyStringData(const String& AnyString, StringArray& RetStr,
                          const Variant& Kugiri = Variant::missing());
  // 21
  Variant OperateUNLHA32(const int32_t& hwnd, const String& LhaCommand);
  // 22
  void DropCMB(const int16_t& Index);
  // 23
  String GetMasterIniData(const String& MasterIni, const String& Keyword, const int16_t& Op);
  // 24
  int32_t RegOpenKey(const int32_t& hkey, const String& SubKeyName);
  // 25
  int32_t RegCreateKey(const String& NewKeyName, const String& KeyClassName,
                       const int32_t& SecurityDesc, int32_t& result);
  // 26
  Variant RegSetValue(const int32_t& hkey, const String& vName, const int32_t& vType,
                      const String& SetData);
  // 27
  int32_t RegDeleteValue(const int32_t& hkey, const String& ValueName);
  // 28
  void MoveToCenter(const int32_t& wnd);
  // 29
  int16_t CreateFolder(const String& rPath);
  // 30
  void GotFcsCMB(const int16_t& Index);
  // 31
  void LostFcsCMB(const int16_t& Index);
  // 32
  String GetIni(const String& File, const String& Sec, const String& Keyw);
  // 33
  String GetWinSysDir(const int16_t& Op);
  // 34
  double ChangeBinToDec(const String& BinValue);
  // 35
  void MostTopZOrder(const int32_t& hwnd);
  // 36
  String CutNull(const Variant& StrExpr);
  // 37
  int16_t FindNull(const Variant& StrExpr);
  // 38
  String StringAddYen(const String& StrExpr);
  // 39
  int16_t SetIni(const String& File, const String& Sec, const String& Keyw,
                 const String& WriteW);
  // 40
  String ChangeDecToBin(const Variant& DecValue);
  // 41
  String ChangeByteToHex(const ByteArray& ByteData, const int32_t& Start,
                         const int32_t& Length, const Variant& HexPrefix = Variant::missing());
  // 42
  double ChangeHexToDec(const Variant& HexValue);
  // 43
  int16_t GetKeyScanCode(const String& uChar, int16_t& KeyCode, int16_t& Shift);
  // 44
  bool SetRegData(const String& AppName, const String& Section, const String& Keyword,
                  const String& SetData);
  // 45
  String GetRegData(const String& AppName, const String& Section, const String& Keyword);
  // 46
  bool GetWindowPosition(const int32_t& wnd, const String& AppName, const String& WindowName,
                         const bool& Hosei, const Variant& SizeHosei = Variant::missing());
  // 47
  int16_t ChangeYear(const int16_t& Gengou, const int16_t& Nen);
  // 48
  bool SetWindowPosition(const int32_t& wnd, const String& AppName, const String& WindowName);
  // 49
  bool GetWindowPositionReg(const int32_t& wnd, const String& RegKey, const bool& Hosei,
                            const Variant& SizeHosei = Variant::missing());
  // 50
  bool SetWindowPositionReg(const int32_t& wnd, const String& RegKey);
  // 51
  String Left16(const String& AnyStr, const int32_t& Length);
  // 52
  int32_t GetActiveControlType(const int32_t& hwnd = 0);
  // 53
  int32_t RegGetValueEx(const int32_t& hkey, const String& ValueName, const int32_t& rType,
                        String& RetValue);
  // 54
  String ChangeAnyString(const String& AnyString, const String& TargetStr,
                         const String& ChangeStr);
};

// The program's one KOVAN instance, created on first use and kept until the program ends.
KOVAN& KovanObject();

}  // namespace pemo::kovan
