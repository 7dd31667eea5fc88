#pragma once
// A thin owner of one SQLite connection: prepared statements, transactions that roll
// back unless committed, and failures as exceptions that carry SQLite's result code.
#include <sqlite3.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace pemo::sqlite {

// A failed SQLite call: the result code for callers that map it to their own
// statuses, and a message naming what failed.
class Error : public std::runtime_error {
 public:
  Error(int code, const std::string& message) : std::runtime_error(message), code_(code) {}
  int code() const { return code_; }

 private:
  int code_;
};

// How a connection is set up after opening; each user of SQLite chooses its own.
struct ConnectionSettings {
  // How long a call waits for another connection's lock before failing busy; 0 waits not at all.
  int busyTimeoutMs = 0;
  // Statements run once on the new connection, typically PRAGMAs; may be null. They
  // are run again while busy, so they must do no harm when repeated.
  const char* setupSql = nullptr;
};

class Database {
 public:
  Database() = default;
  // Opens with sqlite3_open_v2 flags and applies the settings; throws Error, with
  // nothing left open, when either fails.
  Database(const std::string& path, int flags, const ConnectionSettings& settings);
  ~Database();
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;

  // Opens with sqlite3_open_v2 flags (and a VFS by name; null: the default), closing what
  // was open before; returns the SQLite result code and leaves nothing open when it is
  // not SQLITE_OK.
  int open(const std::string& path, int flags, const char* vfs = nullptr);
  void close();
  bool isOpen() const { return db_ != nullptr; }
  sqlite3* handle() const { return db_; }

  // Applies the settings to the open connection; throws Error.
  void configure(const ConnectionSettings& settings);
  void setBusyTimeout(int milliseconds);
  // Lets handler decide, at each attempt, whether to wait on for another connection's
  // lock; it replaces the busy timeout.
  void setBusyHandler(int (*handler)(void* context, int attempt), void* context);
  // Runs statements that return no rows; throws Error.
  void execute(const char* sql);

  int64_t lastInsertRowId() const { return sqlite3_last_insert_rowid(db_); }
  // Rows changed by the last INSERT, UPDATE or DELETE.
  int changes() const { return sqlite3_changes(db_); }

 private:
  sqlite3* db_ = nullptr;
};

class Statement {
 public:
  // Prepares sql on the connection; throws Error.
  Statement(Database& db, const char* sql);
  ~Statement();
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  Statement& bind(int index, int64_t value);
  // Empty text and empty blobs bind as such, never as NULL.
  Statement& bindText(int index, std::string_view text);
  Statement& bindBlob(int index, std::string_view bytes);
  // True while a row is ready, false when done; throws Error on failure.
  bool step();
  // Makes the statement ready to run again; bindings stay until rebound.
  void reset();
  // Runs the statement to its end, passing over any rows it returns.
  void run();

  int64_t integer(int column) const;
  // A column's bytes as stored (text or blob); empty for NULL.
  std::string bytes(int column) const;

 private:
  Database& db_;
  sqlite3_stmt* stmt_ = nullptr;
};

// A transaction that rolls back unless committed. A write transaction takes the
// write lock at once (waiting up to the busy timeout), so it never fails later for
// want of it; a read transaction sees one consistent state of the file. Opened while
// another transaction is open, it is a savepoint inside that one.
class Transaction {
 public:
  enum Kind { kRead, kWrite };
  Transaction(Database& db, Kind kind);
  ~Transaction();
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;
  void commit();

 private:
  Database& db_;
  bool open_ = false;
  bool nested_ = false;
};

}  // namespace pemo::sqlite
