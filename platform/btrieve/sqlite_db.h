#pragma once
// A thin owner of one SQLite connection and its statements, for the record files.
#include <sqlite3.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace pemo::btrieve {

// An SQLite result code other than OK, ROW or DONE, carried out of a failed step.
struct SqliteError {
  int code;
};

class Statement {
 public:
  Statement(sqlite3* db, const char* sql);
  ~Statement();
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  Statement& bind(int index, int64_t value);
  Statement& bindBlob(int index, std::string_view bytes);
  // True while a row is ready; throws SqliteError on failure.
  bool step();
  // Makes the statement ready to run again; bindings stay until rebound.
  void reset();
  // Runs a statement that returns no rows.
  void run();

  int64_t integer(int column) const;
  std::string blob(int column) const;

 private:
  sqlite3_stmt* stmt_ = nullptr;
};

class Database {
 public:
  Database() = default;
  ~Database();
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;

  // Opens a file with sqlite3_open_v2 flags; returns the SQLite result code.
  int open(const std::string& path, int flags);
  void close();
  sqlite3* handle() const { return db_; }
  // Runs statements that return no rows; throws SqliteError on failure.
  void exec(const char* sql);

 private:
  sqlite3* db_ = nullptr;
};

// A write transaction that takes the write lock at once (waiting up to the busy
// timeout) and rolls back unless committed.
class Transaction {
 public:
  enum Kind { kRead, kWrite };
  Transaction(Database& db, Kind kind);
  ~Transaction();
  void commit();

 private:
  Database& db_;
  bool open_ = false;
};

}  // namespace pemo::btrieve
