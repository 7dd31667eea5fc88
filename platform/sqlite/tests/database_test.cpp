#include "platform/sqlite/database.h"

#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <thread>

#include "platform/testing/temp_dir.h"

namespace pemo::sqlite {
namespace {

constexpr int kCreate = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;

int64_t countRows(Database& db) {
  Statement count(db, "SELECT count(*) FROM t");
  count.step();
  return count.integer(0);
}

TEST(SqliteDatabase, FailuresCarryTheResultCodeAndLeaveNothingOpen) {
  testing::TempDir dir;
  std::string missing = (dir / "missing.db").string();
  try {
    Database db(missing, SQLITE_OPEN_READWRITE, {});
    FAIL() << "opened a missing file";
  } catch (const Error& error) {
    EXPECT_EQ(error.code(), SQLITE_CANTOPEN);
    EXPECT_NE(std::string(error.what()).find("missing.db"), std::string::npos);
  }

  Database db;
  EXPECT_EQ(db.open(missing, SQLITE_OPEN_READWRITE), SQLITE_CANTOPEN);
  EXPECT_FALSE(db.isOpen());

  // Setup statements that fail close the connection again.
  EXPECT_THROW(Database((dir / "a.db").string(), kCreate, {0, "NO SUCH PRAGMA"}), Error);

  ASSERT_EQ(db.open((dir / "a.db").string(), kCreate), SQLITE_OK);
  EXPECT_THROW(Statement(db, "SELECT * FROM nowhere"), Error);
  db.execute("CREATE TABLE t(v BLOB UNIQUE)");
  Statement insert(db, "INSERT INTO t(v) VALUES (?1)");
  insert.bindBlob(1, "x").run();
  insert.reset();
  try {
    insert.run();
    FAIL() << "a duplicate went in";
  } catch (const Error& error) {
    EXPECT_EQ(error.code() & 0xFF, SQLITE_CONSTRAINT);
  }
}

TEST(SqliteDatabase, EmptyValuesBindAsValuesAndRunFinishesReturningStatements) {
  testing::TempDir dir;
  Database db((dir / "b.db").string(), kCreate, {});
  db.execute("CREATE TABLE t(id INTEGER PRIMARY KEY, v)");
  Statement(db, "INSERT INTO t(v) VALUES (?1)").bindBlob(1, std::string_view()).run();
  Statement(db, "INSERT INTO t(v) VALUES (?1)").bindText(1, std::string_view()).run();
  EXPECT_EQ(db.lastInsertRowId(), 2);
  Statement nulls(db, "SELECT count(*) FROM t WHERE v IS NULL");
  ASSERT_TRUE(nulls.step());
  EXPECT_EQ(nulls.integer(0), 0);

  // A statement with RETURNING only finishes its change when stepped to the end.
  Statement(db, "UPDATE t SET v = 'z' RETURNING id").run();
  EXPECT_EQ(db.changes(), 2);
  Statement read(db, "SELECT v FROM t WHERE id = 1");
  ASSERT_TRUE(read.step());
  EXPECT_EQ(read.bytes(0), "z");
}

TEST(SqliteDatabase, TransactionsRollBackUnlessCommittedAndWritersTakeTheLockAtOnce) {
  testing::TempDir dir;
  std::string file = (dir / "c.db").string();
  ConnectionSettings shared{0, "PRAGMA journal_mode=WAL"};
  Database db(file, kCreate, shared);
  db.execute("CREATE TABLE t(v)");
  {
    Transaction transaction(db, Transaction::kWrite);
    db.execute("INSERT INTO t VALUES (1)");
  }
  EXPECT_EQ(countRows(db), 0);
  {
    Transaction transaction(db, Transaction::kWrite);
    db.execute("INSERT INTO t VALUES (1)");
    transaction.commit();
  }
  EXPECT_EQ(countRows(db), 1);

  Database other(file, SQLITE_OPEN_READWRITE, shared);
  Transaction holding(db, Transaction::kWrite);
  try {
    Transaction waiting(other, Transaction::kWrite);
    FAIL() << "two writers at once";
  } catch (const Error& error) {
    EXPECT_EQ(error.code() & 0xFF, SQLITE_BUSY);
  }
  // Readers go on beside the writer.
  Transaction reading(other, Transaction::kRead);
  EXPECT_EQ(countRows(other), 1);
}

TEST(SqliteDatabase, SettingUpWaitsForAWriterLikeAnyOtherStatement) {
  testing::TempDir dir;
  std::string file = (dir / "d.db").string();
  Database writer(file, kCreate, {5000, nullptr});
  writer.execute("CREATE TABLE t(v)");
  // A writer in the middle of its transaction, finishing a little later.
  auto transaction = std::make_unique<Transaction>(writer, Transaction::kWrite);
  writer.execute("INSERT INTO t VALUES (1)");
  std::thread finish([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    transaction->commit();
    transaction.reset();
  });
  // Switching to WAL needs the write lock that the writer holds; SQLite alone would
  // give up at once instead of waiting.
  std::optional<Database> joining;
  EXPECT_NO_THROW(joining.emplace(file, SQLITE_OPEN_READWRITE, ConnectionSettings{5000, "PRAGMA journal_mode=WAL"}));
  finish.join();
  ASSERT_TRUE(joining);
  Statement mode(*joining, "PRAGMA journal_mode");
  ASSERT_TRUE(mode.step());
  EXPECT_EQ(mode.bytes(0), "wal");
  EXPECT_EQ(countRows(*joining), 1);
}

}  // namespace
}  // namespace pemo::sqlite
