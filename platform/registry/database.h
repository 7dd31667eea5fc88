#pragma once
// A thin layer over one SQLite connection: prepared statements, transactions that
// take the write lock at once, and errors as exceptions.
#include <sqlite3.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace pemo::registry {

class DatabaseError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class Database {
 public:
  // Opens (creating when missing) the file, in WAL mode with a busy timeout, so that
  // several processes read and write it at once.
  explicit Database(const std::string& file);
  ~Database();
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;

  sqlite3* handle() const { return db_; }
  void execute(const char* sql);

 private:
  sqlite3* db_ = nullptr;
};

class Statement {
 public:
  Statement(Database& db, const char* sql);
  ~Statement();
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  Statement& bind(int index, int64_t value);
  Statement& bindText(int index, std::string_view text);
  Statement& bindBlob(int index, std::string_view bytes);
  // Advances to the next row; false when there is none.
  bool step();
  // Runs a statement that returns no rows.
  void run() { step(); }

  int64_t integer(int column) const;
  std::string bytes(int column) const;

 private:
  Database& db_;
  sqlite3_stmt* stmt_ = nullptr;
};

// A write transaction: takes the write lock on creation (waiting for other
// processes), commits with commit(), rolls back when left without it.
class WriteTransaction {
 public:
  explicit WriteTransaction(Database& db);
  ~WriteTransaction();
  void commit();

 private:
  Database& db_;
  bool open_ = true;
};

}  // namespace pemo::registry
