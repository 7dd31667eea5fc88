#include "platform/registry/key_store.h"

#include <array>
#include <stdexcept>

#include "platform/text/strings.h"

namespace pemo::registry {
namespace {

using sqlite::Statement;
using sqlite::Transaction;

// Several processes read and write the registry at once; how long a call waits for
// another one's lock is for LockWait to say.
constexpr const char* kConnectionSetup = "PRAGMA journal_mode=WAL; PRAGMA foreign_keys=OFF";
constexpr int kOpenFlags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX;

constexpr std::array<const char*, 7> kRootNames = {
    "HKEY_CLASSES_ROOT",      "HKEY_CURRENT_USER",   "HKEY_LOCAL_MACHINE", "HKEY_USERS",
    "HKEY_PERFORMANCE_DATA", "HKEY_CURRENT_CONFIG", "HKEY_DYN_DATA"};

// Keys form a tree through parent (0 above the roots). Values keep their creation
// order in seq; key ids are never reused, so a handle to a deleted key cannot
// reach a newer one.
constexpr const char* kSchema = R"sql(
CREATE TABLE IF NOT EXISTS keys(
  id INTEGER PRIMARY KEY AUTOINCREMENT,
  parent INTEGER NOT NULL,
  name TEXT NOT NULL,
  fold TEXT NOT NULL,
  class TEXT NOT NULL DEFAULT '',
  UNIQUE(parent, fold));
CREATE TABLE IF NOT EXISTS reg_values(
  key INTEGER NOT NULL,
  name TEXT NOT NULL,
  fold TEXT NOT NULL,
  type INTEGER NOT NULL,
  data BLOB NOT NULL,
  seq INTEGER NOT NULL,
  PRIMARY KEY(key, fold));
CREATE INDEX IF NOT EXISTS reg_values_order ON reg_values(key, seq);
CREATE TABLE IF NOT EXISTS counters(name TEXT PRIMARY KEY, value INTEGER NOT NULL);
)sql";

// True when the tables and every root are there already. Every process opens the store
// as it starts; setting it up again would change nothing yet still cost a commit and
// its syncs each time.
bool isSetUp(sqlite::Database& db) {
  Statement tables(db,
                   "SELECT COUNT(*) FROM sqlite_master WHERE name IN "
                   "('keys', 'reg_values', 'reg_values_order', 'counters')");
  if (!tables.step() || tables.integer(0) != 4) return false;
  Statement roots(db, "SELECT COUNT(*) FROM keys WHERE parent = 0");
  return roots.step() && roots.integer(0) == static_cast<int64_t>(kRootNames.size());
}

int askLockWait(void* wait, int attempt) { return static_cast<LockWait*>(wait)->keepWaiting(attempt) ? 1 : 0; }

sqlite::ConnectionSettings connectionSettings(const LockWait& wait) {
  return {static_cast<int>(wait.allowed(LockWait::Clock::now()).count()), kConnectionSetup};
}

}  // namespace

std::string foldName(std::string_view name) { return text::UCase(name); }

KeyStore::KeyStore(const std::string& file, LockWait& wait) : db_(file, kOpenFlags, connectionSettings(wait)) {
  db_.setBusyHandler(askLockWait, &wait);
  if (isSetUp(db_)) return;
  Transaction transaction(db_, Transaction::kWrite);
  db_.execute(kSchema);
  for (const char* root : kRootNames) {
    Statement(db_, "INSERT OR IGNORE INTO keys(parent, name, fold) VALUES(0, ?1, ?1)")
        .bindText(1, root)
        .run();
  }
  transaction.commit();
}

int64_t KeyStore::rootId(Key root) {
  auto index = static_cast<uint32_t>(root) - static_cast<uint32_t>(kClassesRoot);
  auto id = child(0, kRootNames.at(index));
  if (!id) throw std::runtime_error("registry root missing");
  return *id;
}

bool KeyStore::exists(int64_t key) {
  Statement query(db_, "SELECT 1 FROM keys WHERE id = ?");
  return query.bind(1, key).step();
}

std::optional<int64_t> KeyStore::child(int64_t parent, std::string_view name) {
  Statement query(db_, "SELECT id FROM keys WHERE parent = ? AND fold = ?");
  query.bind(1, parent).bindText(2, foldName(name));
  if (!query.step()) return std::nullopt;
  return query.integer(0);
}

std::optional<int64_t> KeyStore::find(int64_t key, const std::vector<std::string>& names) {
  std::optional<int64_t> current = key;
  for (const std::string& name : names) {
    current = child(*current, name);
    if (!current) break;
  }
  return current;
}

int64_t KeyStore::create(int64_t key, const std::vector<std::string>& names,
                         std::string_view className, bool& created) {
  Transaction transaction(db_, Transaction::kWrite);
  if (!exists(key)) throw std::runtime_error("key deleted");
  created = false;
  int64_t current = key;
  for (size_t i = 0; i < names.size(); ++i) {
    if (auto next = child(current, names[i])) {
      current = *next;
      created = false;
      continue;
    }
    Statement insert(db_, "INSERT INTO keys(parent, name, fold, class) VALUES(?, ?, ?, ?)");
    insert.bind(1, current).bindText(2, names[i]).bindText(3, foldName(names[i]));
    insert.bindText(4, i + 1 == names.size() ? className : std::string_view());
    insert.run();
    current = db_.lastInsertRowId();
    created = true;
  }
  transaction.commit();
  return current;
}

std::optional<Value> KeyStore::value(int64_t key, std::string_view name) {
  Statement query(db_, "SELECT type, data FROM reg_values WHERE key = ? AND fold = ?");
  query.bind(1, key).bindText(2, foldName(name));
  if (!query.step()) return std::nullopt;
  return Value{static_cast<uint32_t>(query.integer(0)), query.bytes(1)};
}

bool KeyStore::setValue(int64_t key, std::string_view name, const Value& value) {
  Transaction transaction(db_, Transaction::kWrite);
  if (!exists(key)) return false;
  // An existing value keeps its name as first written and its place in the order.
  Statement update(db_, "UPDATE reg_values SET type = ?, data = ? WHERE key = ? AND fold = ?");
  update.bind(1, value.type);
  if (value.type == kString)
    update.bindText(2, value.data);
  else
    update.bindBlob(2, value.data);
  update.bind(3, key).bindText(4, foldName(name)).run();
  if (db_.changes() == 0) {
    Statement insert(db_,
                     "INSERT INTO reg_values(key, name, fold, type, data, seq) VALUES(?, ?, ?, ?, ?,"
                     " (SELECT COALESCE(MAX(seq), 0) + 1 FROM reg_values WHERE key = ?1))");
    insert.bind(1, key).bindText(2, name).bindText(3, foldName(name)).bind(4, value.type);
    if (value.type == kString)
      insert.bindText(5, value.data);
    else
      insert.bindBlob(5, value.data);
    insert.run();
  }
  transaction.commit();
  return true;
}

bool KeyStore::deleteValue(int64_t key, std::string_view name) {
  Statement remove(db_, "DELETE FROM reg_values WHERE key = ? AND fold = ?");
  remove.bind(1, key).bindText(2, foldName(name)).run();
  return db_.changes() > 0;
}

std::optional<NamedValue> KeyStore::valueAt(int64_t key, uint32_t index) {
  Statement query(db_,
                  "SELECT name, type, data FROM reg_values WHERE key = ? ORDER BY seq LIMIT 1 "
                  "OFFSET ?");
  query.bind(1, key).bind(2, index);
  if (!query.step()) return std::nullopt;
  return NamedValue{query.bytes(0), Value{static_cast<uint32_t>(query.integer(1)), query.bytes(2)}};
}

std::optional<std::string> KeyStore::subKeyAt(int64_t key, uint32_t index) {
  Statement query(db_, "SELECT name FROM keys WHERE parent = ? ORDER BY fold LIMIT 1 OFFSET ?");
  query.bind(1, key).bind(2, index);
  if (!query.step()) return std::nullopt;
  return query.bytes(0);
}

KeyInfo KeyStore::info(int64_t key) {
  KeyInfo info;
  Statement query(db_,
                  "SELECT class, (SELECT COUNT(*) FROM keys WHERE parent = ?1),"
                  " (SELECT COUNT(*) FROM reg_values WHERE key = ?1) FROM keys WHERE id = ?1");
  if (query.bind(1, key).step()) {
    info.className = query.bytes(0);
    info.subKeys = static_cast<uint32_t>(query.integer(1));
    info.values = static_cast<uint32_t>(query.integer(2));
  }
  return info;
}

void KeyStore::deleteTree(int64_t key) {
  Transaction transaction(db_, Transaction::kWrite);
  constexpr const char* kTree =
      "WITH RECURSIVE tree(id) AS (SELECT ?1 UNION ALL"
      " SELECT keys.id FROM keys JOIN tree ON keys.parent = tree.id)";
  Statement(db_, (std::string(kTree) + " DELETE FROM reg_values WHERE key IN tree").c_str())
      .bind(1, key)
      .run();
  Statement(db_, (std::string(kTree) + " DELETE FROM keys WHERE id IN tree").c_str())
      .bind(1, key)
      .run();
  transaction.commit();
}

int64_t KeyStore::nextCounterValue(std::string_view counter) {
  Transaction transaction(db_, Transaction::kWrite);
  Statement next(db_,
                 "INSERT INTO counters(name, value) VALUES(?, 1) ON CONFLICT(name) DO UPDATE"
                 " SET value = value + 1 RETURNING value");
  next.bindText(1, counter);
  int64_t value = next.step() ? next.integer(0) : 0;
  next.run();  // the change is done only when the statement has run to its end
  transaction.commit();
  return value;
}

void KeyStore::beginBatch() {
  if (batchDepth_ == 0) batch_ = std::make_unique<Transaction>(db_, Transaction::kWrite);
  ++batchDepth_;
}

void KeyStore::endBatch() {
  if (batchDepth_ == 0 || --batchDepth_ > 0) return;
  std::unique_ptr<Transaction> batch = std::move(batch_);
  batch->commit();
}

}  // namespace pemo::registry
