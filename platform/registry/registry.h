#pragma once
// The registry: a hierarchical store of keys and values shared by every Pemo process
// of a user, kept in $XDG_CONFIG_HOME/pemo/registry.db. The functions are shaped like
// the Windows registry functions the system was written against: key handles are
// signed 32-bit numbers, results are Windows status codes.
//
// Names of keys and values compare without regard to case and keep the case they
// were written with. Values enumerate in creation order; overwriting keeps a value's
// place. Texts are UTF-8 here; sizes are counted as the code page 932 bytes the
// Windows registry stores (a string value with its terminating NUL).
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pemo::registry {

using Key = int32_t;

// The predefined roots, with their Windows values.
inline constexpr Key kClassesRoot = static_cast<Key>(0x80000000u);
inline constexpr Key kCurrentUser = static_cast<Key>(0x80000001u);
inline constexpr Key kLocalMachine = static_cast<Key>(0x80000002u);
inline constexpr Key kUsers = static_cast<Key>(0x80000003u);
inline constexpr Key kPerformanceData = static_cast<Key>(0x80000004u);
inline constexpr Key kCurrentConfig = static_cast<Key>(0x80000005u);
inline constexpr Key kDynData = static_cast<Key>(0x80000006u);

enum Status : int32_t {
  kSuccess = 0,
  kNotFound = 2,
  kAccessDenied = 5,
  kInvalidHandle = 6,
  kBadPathname = 161,
  kMoreData = 234,
  kNoMoreItems = 259,
  kIoFailed = 1016,   // the database could not be opened, read or written
  kKeyDeleted = 1018, // the handle's key was deleted after it was opened
};

enum ValueType : uint32_t { kNone = 0, kString = 1, kBinary = 3, kDword = 4 };

enum Disposition : int32_t { kCreatedNewKey = 1, kOpenedExistingKey = 2 };

inline constexpr size_t kAnySize = SIZE_MAX;

struct Value {
  uint32_t type = kNone;
  // kString: the text (UTF-8); any other type: the bytes as stored.
  std::string data;
};

// The root whose name ("HKEY_USERS", any letter case) is given; 0 when none is.
Key predefinedKey(std::string_view name);

// Sub key paths are names separated by "\"; an empty path means the key itself.
Status openKey(Key parent, std::string_view subKey, Key& result);
Status createKey(Key parent, std::string_view subKey, std::string_view className, Key& result,
                 Disposition* disposition = nullptr);
// Closing a predefined root succeeds and does nothing.
Status closeKey(Key key);

// capacity is the caller's buffer in bytes: a value that needs more gives kMoreData,
// with value.type set and value.data empty.
Status queryValue(Key key, std::string_view name, Value& value, size_t capacity = kAnySize);
Status setValue(Key key, std::string_view name, uint32_t type, std::string_view data);
Status deleteValue(Key key, std::string_view name);

// Value number index (from 0) in creation order; kNoMoreItems past the last one.
// nameCapacity counts the name's bytes and its terminating NUL.
Status enumValue(Key key, uint32_t index, std::string& name, Value& value,
                 size_t nameCapacity = kAnySize, size_t capacity = kAnySize);
// Sub key number index (from 0) in the order of their names.
Status enumKey(Key key, uint32_t index, std::string& name, size_t nameCapacity = kAnySize);

struct KeyInfo {
  std::string className;
  uint32_t subKeys = 0;
  uint32_t values = 0;
  uint32_t securityDescriptorSize = 0;  // keys carry no security descriptor here
};
Status queryInfoKey(Key key, KeyInfo& info);

// Deletes subKey of key with all its sub keys and values. A predefined root
// cannot be deleted (kAccessDenied).
Status deleteKey(Key key, std::string_view subKey);

// The bytes a value takes in the Windows registry: a string's code page 932 bytes plus
// its terminating NUL, the data's bytes for every other type.
size_t storedSize(const Value& value);

// Writes made while a batch lives reach the disk together, in one transaction, when
// it ends; others' writes wait for it. Meant for a few settings written at once, not
// to be held across anything slow. A batch that cannot start (isOpen false) leaves
// each write on its own. A batch inside another is part of it.
class WriteBatch {
 public:
  WriteBatch();
  ~WriteBatch();
  WriteBatch(const WriteBatch&) = delete;
  WriteBatch& operator=(const WriteBatch&) = delete;
  bool isOpen() const { return open_; }

 private:
  bool open_ = false;
};

// How long a program's start, or its close, may wait in all for the registry while
// another program holds it.
inline constexpr std::chrono::milliseconds kStartOrCloseWait{2500};

// While a limit lives (or until end), the registry calls of this process wait for
// another program's lock no longer than total from its making, all together: past it,
// a call that meets a lock fails at once (reads find nothing, writes report failure),
// and the program goes on with what it has. Limits nest; the earliest end holds.
class WaitLimit {
 public:
  explicit WaitLimit(std::chrono::milliseconds total = kStartOrCloseWait);
  ~WaitLimit();
  WaitLimit(const WaitLimit&) = delete;
  WaitLimit& operator=(const WaitLimit&) = delete;
  void end();

 private:
  std::optional<std::chrono::steady_clock::time_point> previous_;
  bool ended_ = false;
};

// The next number (1, 2, 3, ...) of a counter shared by every Pemo process of the
// user; 0 when the database cannot be used.
int64_t nextCounterValue(std::string_view counter);

}  // namespace pemo::registry
