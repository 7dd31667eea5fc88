#include "kovan/kovan.h"

namespace pemo::kovan {

int32_t KOVAN::RegCloseKey(const int32_t&) { throw KovanError(kErrInvalidCall); }
int32_t KOVAN::RegGetKeyByIndex(const int32_t&, const int32_t&, String&) { throw KovanError(kErrInvalidCall); }
int32_t KOVAN::RegGetKeyInfo(const int32_t&, String&, int32_t&) { throw KovanError(kErrInvalidCall); }
int32_t KOVAN::RegGetRootKey(const String&, String&) { throw KovanError(kErrInvalidCall); }
KOVAN::String KOVAN::RegGetValue(const int32_t&, const String&, const int32_t&) { throw KovanError(kErrInvalidCall); }
int32_t KOVAN::RegGetValueByIndex(const int32_t&, const int32_t&, String&, String&, int32_t&, String&) { throw KovanError(kErrInvalidCall); }
int32_t KOVAN::RegDeleteKey(const int32_t&, const String&) { throw KovanError(kErrInvalidCall); }
int32_t KOVAN::RegOpenKey(const int32_t&, const String&) { throw KovanError(kErrInvalidCall); }
int32_t KOVAN::RegCreateKey(const String&, const String&, const int32_t&, int32_t&) { throw KovanError(kErrInvalidCall); }
Variant KOVAN::RegSetValue(const int32_t&, const String&, const int32_t&, const String&) { throw KovanError(kErrInvalidCall); }
int32_t KOVAN::RegDeleteValue(const int32_t&, const String&) { throw KovanError(kErrInvalidCall); }
bool KOVAN::SetRegData(const String&, const String&, const String&, const String&) { throw KovanError(kErrInvalidCall); }
KOVAN::String KOVAN::GetRegData(const String&, const String&, const String&) { throw KovanError(kErrInvalidCall); }
bool KOVAN::GetWindowPositionReg(const int32_t&, const String&, const bool&, const Variant&) { throw KovanError(kErrInvalidCall); }
bool KOVAN::SetWindowPositionReg(const int32_t&, const String&) { throw KovanError(kErrInvalidCall); }
int32_t KOVAN::RegGetValueEx(const int32_t&, const String&, const int32_t&, String&) { throw KovanError(kErrInvalidCall); }

}  // namespace pemo::kovan
