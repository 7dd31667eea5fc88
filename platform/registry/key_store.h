#pragma once
// Keys and values of one registry database, addressed by the keys' row ids. The
// registry functions turn handles into ids and these calls into status codes.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry/lock_wait.h"
#include "platform/registry/registry.h"
#include "platform/sqlite/database.h"

namespace pemo::registry {

struct NamedValue {
  std::string name;
  Value value;
};

class KeyStore {
 public:
  // Opens the database file and creates its tables and roots when missing; a store that
  // has them all is only read. Every wait for another program's lock asks wait.
  KeyStore(const std::string& file, LockWait& wait);

  // Row id of a predefined root (a value of kClassesRoot ... kDynData).
  int64_t rootId(Key root);
  bool exists(int64_t key);

  // The key reached from key through the names; nullopt when one is missing.
  std::optional<int64_t> find(int64_t key, const std::vector<std::string>& names);
  // As find, creating what is missing; className goes to a key that is created last.
  // created tells whether the final key is new. Throws when key is gone.
  int64_t create(int64_t key, const std::vector<std::string>& names, std::string_view className,
                 bool& created);

  std::optional<Value> value(int64_t key, std::string_view name);
  // False when the key no longer exists.
  bool setValue(int64_t key, std::string_view name, const Value& value);
  bool deleteValue(int64_t key, std::string_view name);
  std::optional<NamedValue> valueAt(int64_t key, uint32_t index);
  std::optional<std::string> subKeyAt(int64_t key, uint32_t index);
  KeyInfo info(int64_t key);
  // Deletes the key with everything below it.
  void deleteTree(int64_t key);

  int64_t nextCounterValue(std::string_view counter);

  // Holds one write transaction open; every change until endBatch is part of it.
  // Batches nest; the outermost end commits.
  void beginBatch();
  void endBatch();

 private:
  std::optional<int64_t> child(int64_t parent, std::string_view name);

  sqlite::Database db_;
  std::unique_ptr<sqlite::Transaction> batch_;
  int batchDepth_ = 0;
};

// The form names are compared in.
std::string foldName(std::string_view name);

}  // namespace pemo::registry
