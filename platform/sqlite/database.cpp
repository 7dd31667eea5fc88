#include "platform/sqlite/database.h"

#include <chrono>

namespace pemo::sqlite {
namespace {

constexpr int kSetupRetryMs = 5;

[[noreturn]] void fail(int code, sqlite3* db, const std::string& what) {
  throw Error(code, what + ": " + (db ? sqlite3_errmsg(db) : sqlite3_errstr(code)));
}

}  // namespace

Database::Database(const std::string& path, int flags, const ConnectionSettings& settings) {
  if (int rc = sqlite3_open_v2(path.c_str(), &db_, flags, nullptr); rc != SQLITE_OK) {
    std::string message = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc);
    close();
    throw Error(rc, "cannot open " + path + ": " + message);
  }
  try {
    configure(settings);
  } catch (...) {
    close();
    throw;
  }
}

Database::~Database() { close(); }

int Database::open(const std::string& path, int flags, const char* vfs) {
  close();
  int rc = sqlite3_open_v2(path.c_str(), &db_, flags, vfs);
  if (rc != SQLITE_OK) close();
  return rc;
}

void Database::close() {
  if (db_) sqlite3_close_v2(db_);
  db_ = nullptr;
}

void Database::configure(const ConnectionSettings& settings) {
  setBusyTimeout(settings.busyTimeoutMs);
  if (!settings.setupSql) return;
  // Switching the journal mode turns a read lock into a write lock, and SQLite refuses
  // that at once while another connection writes, without waiting (waiting could
  // deadlock). The setup then waits here instead, as long as any other statement would.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(settings.busyTimeoutMs);
  for (;;) {
    try {
      execute(settings.setupSql);
      return;
    } catch (const Error& error) {
      if ((error.code() & 0xFF) != SQLITE_BUSY || std::chrono::steady_clock::now() >= deadline) throw;
    }
    sqlite3_sleep(kSetupRetryMs);
  }
}

void Database::setBusyTimeout(int milliseconds) { sqlite3_busy_timeout(db_, milliseconds); }

void Database::setBusyHandler(int (*handler)(void*, int), void* context) {
  sqlite3_busy_handler(db_, handler, context);
}

void Database::execute(const char* sql) {
  char* error = nullptr;
  int rc = sqlite3_exec(db_, sql, nullptr, nullptr, &error);
  if (rc == SQLITE_OK) return;
  std::string message = error ? error : sqlite3_errstr(rc);
  sqlite3_free(error);
  throw Error(rc, std::string(sql) + ": " + message);
}

Statement::Statement(Database& db, const char* sql) : db_(db) {
  int rc = sqlite3_prepare_v2(db.handle(), sql, -1, &stmt_, nullptr);
  if (rc != SQLITE_OK) fail(rc, db.handle(), sql);
}

Statement::~Statement() { sqlite3_finalize(stmt_); }

Statement& Statement::bind(int index, int64_t value) {
  sqlite3_bind_int64(stmt_, index, value);
  return *this;
}

// An empty view may have no data pointer, which SQLite would take as NULL, and a
// NULL compares equal to nothing.
Statement& Statement::bindText(int index, std::string_view text) {
  sqlite3_bind_text(stmt_, index, text.empty() ? "" : text.data(), static_cast<int>(text.size()),
                    SQLITE_TRANSIENT);
  return *this;
}

Statement& Statement::bindBlob(int index, std::string_view bytes) {
  sqlite3_bind_blob(stmt_, index, bytes.empty() ? "" : bytes.data(), static_cast<int>(bytes.size()),
                    SQLITE_TRANSIENT);
  return *this;
}

bool Statement::step() {
  int rc = sqlite3_step(stmt_);
  if (rc == SQLITE_ROW) return true;
  if (rc == SQLITE_DONE) return false;
  fail(rc, db_.handle(), sqlite3_sql(stmt_));
}

void Statement::reset() { sqlite3_reset(stmt_); }

void Statement::run() {
  while (step()) {
  }
}

int64_t Statement::integer(int column) const { return sqlite3_column_int64(stmt_, column); }

std::string Statement::bytes(int column) const {
  const void* data = sqlite3_column_blob(stmt_, column);
  int size = sqlite3_column_bytes(stmt_, column);
  return data ? std::string(static_cast<const char*>(data), static_cast<size_t>(size)) : std::string();
}

Transaction::Transaction(Database& db, Kind kind) : db_(db) {
  // Inside a transaction already open (a batch of writes), this one is a savepoint of
  // it: its own failure still undoes only its own changes.
  nested_ = sqlite3_get_autocommit(db_.handle()) == 0;
  db_.execute(nested_ ? "SAVEPOINT nested" : kind == kWrite ? "BEGIN IMMEDIATE" : "BEGIN");
  open_ = true;
}

Transaction::~Transaction() {
  if (!open_) return;
  sqlite3_exec(db_.handle(), nested_ ? "ROLLBACK TO nested; RELEASE nested" : "ROLLBACK", nullptr, nullptr, nullptr);
}

void Transaction::commit() {
  db_.execute(nested_ ? "RELEASE nested" : "COMMIT");
  open_ = false;
}

}  // namespace pemo::sqlite
