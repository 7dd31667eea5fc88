#include "platform/registry/database.h"

namespace pemo::registry {
namespace {

// Long enough for another process's write transaction, which is always short.
constexpr int kBusyTimeoutMs = 15000;

[[noreturn]] void fail(sqlite3* db, const char* what) {
  throw DatabaseError(std::string(what) + ": " + (db ? sqlite3_errmsg(db) : "no database"));
}

}  // namespace

Database::Database(const std::string& file) {
  int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX;
  if (sqlite3_open_v2(file.c_str(), &db_, flags, nullptr) != SQLITE_OK) {
    std::string message = db_ ? sqlite3_errmsg(db_) : "out of memory";
    sqlite3_close(db_);
    db_ = nullptr;
    throw DatabaseError("cannot open " + file + ": " + message);
  }
  sqlite3_busy_timeout(db_, kBusyTimeoutMs);
  try {
    execute("PRAGMA journal_mode=WAL");
    execute("PRAGMA foreign_keys=OFF");
  } catch (...) {
    sqlite3_close(db_);
    db_ = nullptr;
    throw;
  }
}

Database::~Database() { sqlite3_close(db_); }

void Database::execute(const char* sql) {
  char* error = nullptr;
  if (sqlite3_exec(db_, sql, nullptr, nullptr, &error) != SQLITE_OK) {
    std::string message = error ? error : "error";
    sqlite3_free(error);
    throw DatabaseError(std::string(sql) + ": " + message);
  }
}

Statement::Statement(Database& db, const char* sql) : db_(db) {
  if (sqlite3_prepare_v2(db.handle(), sql, -1, &stmt_, nullptr) != SQLITE_OK)
    fail(db.handle(), sql);
}

Statement::~Statement() { sqlite3_finalize(stmt_); }

Statement& Statement::bind(int index, int64_t value) {
  sqlite3_bind_int64(stmt_, index, value);
  return *this;
}

Statement& Statement::bindText(int index, std::string_view text) {
  // An empty view may have no data pointer, which SQLite would take as NULL.
  sqlite3_bind_text(stmt_, index, text.empty() ? "" : text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
  return *this;
}

Statement& Statement::bindBlob(int index, std::string_view bytes) {
  sqlite3_bind_blob(stmt_, index, bytes.empty() ? "" : bytes.data(), static_cast<int>(bytes.size()), SQLITE_TRANSIENT);
  return *this;
}

bool Statement::step() {
  int rc = sqlite3_step(stmt_);
  if (rc == SQLITE_ROW) return true;
  if (rc == SQLITE_DONE) return false;
  fail(db_.handle(), sqlite3_sql(stmt_));
}

int64_t Statement::integer(int column) const { return sqlite3_column_int64(stmt_, column); }

std::string Statement::bytes(int column) const {
  const void* data = sqlite3_column_blob(stmt_, column);
  int size = sqlite3_column_bytes(stmt_, column);
  return data ? std::string(static_cast<const char*>(data), static_cast<size_t>(size))
              : std::string();
}

WriteTransaction::WriteTransaction(Database& db) : db_(db) { db_.execute("BEGIN IMMEDIATE"); }

WriteTransaction::~WriteTransaction() {
  if (open_) sqlite3_exec(db_.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void WriteTransaction::commit() {
  db_.execute("COMMIT");
  open_ = false;
}

}  // namespace pemo::registry
