// The registry functions: handles of this process mapped to keys of the database,
// and database failures turned into status codes.
#include "platform/registry/registry.h"

#include <sys/stat.h>

#include <filesystem>
#include <map>
#include <optional>
#include <memory>
#include <mutex>
#include <vector>

#include "platform/fs/config_folders.h"
#include "platform/registry/key_store.h"
#include "platform/text/cp932.h"
#include "platform/text/strings.h"

namespace pemo::registry {
namespace {

bool isPredefined(Key key) {
  auto k = static_cast<uint32_t>(key);
  return k >= static_cast<uint32_t>(kClassesRoot) && k <= static_cast<uint32_t>(kDynData);
}

struct OpenedKey {
  std::string file;  // the database the key lives in
  uint64_t generation = 0;  // which opening of that file
  int64_t id = 0;
};

// The identity of a database file on disk, to notice one deleted or replaced.
struct FileIdentity {
  dev_t device = 0;
  ino_t inode = 0;
  bool operator==(const FileIdentity&) const = default;
};

std::optional<FileIdentity> identityOf(const std::string& file) {
  struct stat info {};
  if (stat(file.c_str(), &info) != 0) return std::nullopt;
  return FileIdentity{info.st_dev, info.st_ino};
}

// The open handles of this process and one connection per database file. The
// configuration folder is looked up at every call, so a test that moves it gets a
// database of its own; a handle stays with the database it was opened in.
class Registry {
 public:
  std::mutex mutex;
  LockWait lockWait;

  // The connection to a database file, opened again when the file was deleted or
  // replaced since (a connection would otherwise go on writing to the lost file).
  KeyStore& store(const std::string& file, uint64_t* generation = nullptr) {
    OpenStore& slot = stores_[file];
    auto identity = identityOf(file);
    if (!slot.store || !identity || *identity != slot.identity) {
      slot.store.reset();
      slot.store = std::make_unique<KeyStore>(file, lockWait);
      slot.identity = identityOf(file).value_or(FileIdentity{});
      slot.generation = ++generations_;
    }
    if (generation) *generation = slot.generation;
    return *slot.store;
  }

  static std::string currentFile() {
    return (fs::pemoConfigFolder() / "registry.db").string();
  }

  // The key a handle stands for; a status other than kSuccess when there is none.
  Status resolve(Key key, OpenedKey& out) {
    if (isPredefined(key)) {
      out.file = currentFile();
      out.id = store(out.file, &out.generation).rootId(key);
      return kSuccess;
    }
    auto it = handles_.find(key);
    if (it == handles_.end()) return kInvalidHandle;
    out = it->second;
    uint64_t generation = 0;
    KeyStore& keys = store(out.file, &generation);
    if (generation != out.generation) return kKeyDeleted;  // its database is gone
    return keys.exists(out.id) ? kSuccess : kKeyDeleted;
  }

  Key issue(const OpenedKey& key) {
    // Never 0 or -1 (the callers' "no key"), never one already in use.
    do {
      next_ = next_ >= INT32_MAX ? 1 : next_ + 1;
    } while (handles_.count(next_) != 0);
    handles_[next_] = key;
    return next_;
  }

  bool release(Key key) { return handles_.erase(key) > 0; }

 private:
  struct OpenStore {
    std::unique_ptr<KeyStore> store;
    FileIdentity identity;
    uint64_t generation = 0;
  };
  std::map<std::string, OpenStore> stores_;
  uint64_t generations_ = 0;
  std::map<Key, OpenedKey> handles_;
  Key next_ = 0;
};

Registry& registry() {
  static Registry instance;
  return instance;
}

// "a\b\c" as its names; a trailing "\" is allowed, an empty name elsewhere is not.
bool splitPath(std::string_view path, std::vector<std::string>& names) {
  names.clear();
  if (path.empty()) return true;
  if (path.back() == '\\') path.remove_suffix(1);
  size_t start = 0;
  while (true) {
    size_t end = path.find('\\', start);
    std::string_view name = path.substr(start, end == std::string_view::npos ? end : end - start);
    if (name.empty()) return false;
    names.emplace_back(name);
    if (end == std::string_view::npos) return true;
    start = end + 1;
  }
}

bool isBusy(const sqlite::Error& error) { return (error.code() & 0xFF) == SQLITE_BUSY; }

// Runs body under the registry's lock, telling the lock wait how the call ended; a
// database that cannot be used, or is held by another program too long, gives failed.
template <class Result, class Body>
Result guarded(Result failed, Body body) {
  Registry& r = registry();
  std::lock_guard lock(r.mutex);
  bool ranOut = false;
  Result result = failed;
  try {
    result = body(r);
  } catch (const sqlite::Error& error) {
    ranOut = isBusy(error);
  } catch (const std::exception&) {
  }
  r.lockWait.callEnded(ranOut);
  return result;
}

// Runs body on the store and key that a handle stands for.
template <class Body>
Status withKey(Key key, Body body) {
  return guarded(kIoFailed, [&](Registry& r) {
    OpenedKey opened;
    if (Status status = r.resolve(key, opened); status != kSuccess) return status;
    return body(r, r.store(opened.file), opened);
  });
}

bool fits(size_t needed, size_t capacity) { return needed <= capacity; }

// Copies a stored value out, or reports that the caller's buffer is too small.
Status deliver(const Value& stored, Value& out, size_t capacity) {
  out.type = stored.type;
  if (!fits(storedSize(stored), capacity)) {
    out.data.clear();
    return kMoreData;
  }
  out.data = stored.data;
  return kSuccess;
}

}  // namespace

Key predefinedKey(std::string_view name) {
  static const std::map<std::string, Key> roots = {
      {"HKEY_CLASSES_ROOT", kClassesRoot},         {"HKEY_CURRENT_USER", kCurrentUser},
      {"HKEY_LOCAL_MACHINE", kLocalMachine},       {"HKEY_USERS", kUsers},
      {"HKEY_PERFORMANCE_DATA", kPerformanceData}, {"HKEY_CURRENT_CONFIG", kCurrentConfig},
      {"HKEY_DYN_DATA", kDynData}};
  auto it = roots.find(text::UCase(name));
  return it == roots.end() ? 0 : it->second;
}

size_t storedSize(const Value& value) {
  return value.type == kString ? text::cp932Length(value.data) + 1 : value.data.size();
}

Status openKey(Key parent, std::string_view subKey, Key& result) {
  return withKey(parent, [&](Registry& r, KeyStore& store, const OpenedKey& from) {
    std::vector<std::string> names;
    if (!splitPath(subKey, names)) return kNotFound;
    auto id = store.find(from.id, names);
    if (!id) return kNotFound;
    result = r.issue({from.file, from.generation, *id});
    return kSuccess;
  });
}

Status createKey(Key parent, std::string_view subKey, std::string_view className, Key& result,
                 Disposition* disposition) {
  return withKey(parent, [&](Registry& r, KeyStore& store, const OpenedKey& from) {
    std::vector<std::string> names;
    if (!splitPath(subKey, names)) return kBadPathname;
    bool created = false;
    int64_t id = store.create(from.id, names, className, created);
    if (disposition) *disposition = created ? kCreatedNewKey : kOpenedExistingKey;
    result = r.issue({from.file, from.generation, id});
    return kSuccess;
  });
}

Status closeKey(Key key) {
  if (isPredefined(key)) return kSuccess;
  Registry& r = registry();
  std::lock_guard lock(r.mutex);
  return r.release(key) ? kSuccess : kInvalidHandle;
}

Status queryValue(Key key, std::string_view name, Value& value, size_t capacity) {
  return withKey(key, [&](Registry&, KeyStore& store, const OpenedKey& at) {
    auto stored = store.value(at.id, name);
    if (!stored) return kNotFound;
    return deliver(*stored, value, capacity);
  });
}

Status setValue(Key key, std::string_view name, uint32_t type, std::string_view data) {
  return withKey(key, [&](Registry&, KeyStore& store, const OpenedKey& at) {
    return store.setValue(at.id, name, Value{type, std::string(data)}) ? kSuccess : kKeyDeleted;
  });
}

Status deleteValue(Key key, std::string_view name) {
  return withKey(key, [&](Registry&, KeyStore& store, const OpenedKey& at) {
    return store.deleteValue(at.id, name) ? kSuccess : kNotFound;
  });
}

Status enumValue(Key key, uint32_t index, std::string& name, Value& value, size_t nameCapacity,
                 size_t capacity) {
  return withKey(key, [&](Registry&, KeyStore& store, const OpenedKey& at) {
    auto stored = store.valueAt(at.id, index);
    if (!stored) return kNoMoreItems;
    if (!fits(text::cp932Length(stored->name) + 1, nameCapacity)) return kMoreData;
    name = stored->name;
    return deliver(stored->value, value, capacity);
  });
}

Status enumKey(Key key, uint32_t index, std::string& name, size_t nameCapacity) {
  return withKey(key, [&](Registry&, KeyStore& store, const OpenedKey& at) {
    auto stored = store.subKeyAt(at.id, index);
    if (!stored) return kNoMoreItems;
    if (!fits(text::cp932Length(*stored) + 1, nameCapacity)) return kMoreData;
    name = *stored;
    return kSuccess;
  });
}

Status queryInfoKey(Key key, KeyInfo& info) {
  return withKey(key, [&](Registry&, KeyStore& store, const OpenedKey& at) {
    info = store.info(at.id);
    return kSuccess;
  });
}

Status deleteKey(Key key, std::string_view subKey) {
  return withKey(key, [&](Registry&, KeyStore& store, const OpenedKey& at) {
    std::vector<std::string> names;
    if (!splitPath(subKey, names)) return kNotFound;
    if (names.empty() && isPredefined(key)) return kAccessDenied;
    auto id = store.find(at.id, names);
    if (!id) return kNotFound;
    store.deleteTree(*id);
    return kSuccess;
  });
}

WriteBatch::WriteBatch() {
  open_ = guarded(false, [](Registry& r) {
    r.store(Registry::currentFile()).beginBatch();
    return true;
  });
}

WriteBatch::~WriteBatch() {
  if (!open_) return;
  guarded(false, [](Registry& r) {
    r.store(Registry::currentFile()).endBatch();
    return true;
  });
}

WaitLimit::WaitLimit(std::chrono::milliseconds total) {
  Registry& r = registry();
  std::lock_guard lock(r.mutex);
  previous_ = r.lockWait.limitTo(std::chrono::steady_clock::now() + total);
}

WaitLimit::~WaitLimit() { end(); }

void WaitLimit::end() {
  if (ended_) return;
  ended_ = true;
  Registry& r = registry();
  std::lock_guard lock(r.mutex);
  r.lockWait.restoreLimit(previous_);
}

int64_t nextCounterValue(std::string_view counter) {
  return guarded(int64_t{0}, [&](Registry& r) { return r.store(Registry::currentFile()).nextCounterValue(counter); });
}

}  // namespace pemo::registry
