#pragma once
// Another program's hold on the registry database, as the sqlite3 shell gives one:
// a second connection inside a transaction begun with `begin` until the holder ends.
#include <string>

#include "platform/fs/config_folders.h"
#include "platform/sqlite/database.h"

namespace pemo::registry::testing {

class LockHolder {
 public:
  // journalSetup runs before the transaction begins, for a holder that makes the file.
  explicit LockHolder(const char* begin, const char* journalSetup = nullptr)
      : db_((fs::pemoConfigFolder() / "registry.db").string(), SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, {}) {
    if (journalSetup) db_.execute(journalSetup);
    db_.execute(begin);
  }
  ~LockHolder() { db_.execute("COMMIT"); }
  LockHolder(const LockHolder&) = delete;
  LockHolder& operator=(const LockHolder&) = delete;

 private:
  sqlite::Database db_;
};

}  // namespace pemo::registry::testing
