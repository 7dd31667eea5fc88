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

  void KeyPush(const int16_t& KeyCode, const int16_t& Shift = 0, const int16_t& Ctrl = 0,
               const int16_t& Alt = 0);
  uint8_t GetKeyScanCode2(const int16_t& KeyCode);
  // Width of a text, characters from U+0100 up counting 2.
  int32_t Len16(const String& AnyStr);
  int32_t RegCloseKey(const int32_t& hkey);
  double fCalc(const String& Expression, const int16_t& Digits, const int16_t& Op);
  String GetAppPath(const String& AppPath);
  String GetCommonFilesDir();
  double GetDiskSpace(const String& drv, const int16_t& Mode, double& RetTotalSize);
  int32_t GetDriveType(const String& Drive);
  String GetFileNameFromPath(const String& FilePath, String& ReturnPath);
  String GetFileVersion(const String& FilePath);
  String GetProgramFilesDir(const int16_t& NOROOT = 0);
  int32_t RegGetKeyByIndex(const int32_t& hkey, const int32_t& Index, String& ret);
  int32_t RegGetKeyInfo(const int32_t& hkey, String& RetClass, int32_t& RetSecurityDesc);
  int32_t RegGetRootKey(const String& FullKeyName, String& RetSubKey);
  String RegGetValue(const int32_t& hkey, const String& ValueName, const int32_t& rType);
  int32_t RegGetValueByIndex(const int32_t& hkey, const int32_t& Index, String& RetName,
                             String& ReturnValue, int32_t& RetType, String& RetBinValue);
  int32_t RegDeleteKey(const int32_t& hkey, const String& SubKey);
  String OmitAnyString(const String& SendStr, const String& OmitString);
  // Splits AnyString at Separator ("," when missing) into RetStr; returns the count.
  String GetAnyStringData(const String& AnyString, StringArray& RetStr,
                          const Variant& Separator = Variant::missing());
  Variant OperateUNLHA32(const int32_t& hwnd, const String& LhaCommand);
  void DropCMB(const int16_t& Index);
  String GetMasterIniData(const String& MasterIni, const String& Keyword, const int16_t& Op);
  int32_t RegOpenKey(const int32_t& hkey, const String& SubKeyName);
  int32_t RegCreateKey(const String& NewKeyName, const String& KeyClassName,
                       const int32_t& SecurityDesc, int32_t& result);
  Variant RegSetValue(const int32_t& hkey, const String& vName, const int32_t& vType,
                      const String& SetData);
  int32_t RegDeleteValue(const int32_t& hkey, const String& ValueName);
  void MoveToCenter(const int32_t& wnd);
  int16_t CreateFolder(const String& rPath);
  void GotFcsCMB(const int16_t& Index);
  void LostFcsCMB(const int16_t& Index);
  String GetIni(const String& File, const String& Sec, const String& Key);
  String GetWinSysDir(const int16_t& Op);
  double ChangeBinToDec(const String& BinValue);
  void MostTopZOrder(const int32_t& hwnd);
  String CutNull(const Variant& StrExpr);
  int16_t FindNull(const Variant& StrExpr);
  String StringAddYen(const String& StrExpr);
  int16_t SetIni(const String& File, const String& Sec, const String& Key,
                 const String& WriteW);
  String ChangeDecToBin(const Variant& DecValue);
  String ChangeByteToHex(const ByteArray& ByteData, const int32_t& Start,
                         const int32_t& Length, const Variant& HexPrefix = Variant::missing());
  double ChangeHexToDec(const Variant& HexValue);
  int16_t GetKeyScanCode(const String& uChar, int16_t& KeyCode, int16_t& Shift);
  bool SetRegData(const String& AppName, const String& Section, const String& Keyword,
                  const String& SetData);
  String GetRegData(const String& AppName, const String& Section, const String& Keyword);
  bool GetWindowPosition(const int32_t& wnd, const String& AppName, const String& WindowName,
                         const bool& KeepOnScreen, const Variant& RestoreSize = Variant::missing());
  int16_t ChangeYear(const int16_t& Era, const int16_t& EraYear);
  bool SetWindowPosition(const int32_t& wnd, const String& AppName, const String& WindowName);
  bool GetWindowPositionReg(const int32_t& wnd, const String& RegKey, const bool& KeepOnScreen,
                            const Variant& RestoreSize = Variant::missing());
  bool SetWindowPositionReg(const int32_t& wnd, const String& RegKey);
  String Left16(const String& AnyStr, const int32_t& Length);
  int32_t GetActiveControlType(const int32_t& hwnd = 0);
  int32_t RegGetValueEx(const int32_t& hkey, const String& ValueName, const int32_t& rType,
                        String& RetValue);
  String ChangeAnyString(const String& AnyString, const String& TargetStr,
                         const String& ChangeStr);
};

// The program's one KOVAN instance, created on first use and kept until the program ends.
KOVAN& KovanObject();

}  // namespace pemo::kovan
