#include "platform/btrieve/record_file.h"

#include <filesystem>

#include "platform/btrieve/btrieve.h"
#include "platform/btrieve/record_file_vfs.h"
#include "platform/btrieve/side_file_place.h"
#include "platform/btrieve/sort_key.h"
#include "platform/fs/atomic_file.h"
#include "platform/fs/temporary_sibling.h"

namespace pemo::btrieve {
namespace {

namespace fs = std::filesystem;
using sqlite::Database;
using sqlite::Statement;
using sqlite::Transaction;

// "PBTR": marks an SQLite database as one of our record files.
constexpr int64_t kApplicationId = 0x50425452;
constexpr int kBusyTimeoutMs = 10000;
constexpr int kOpenBusyTimeoutMs = 200;

// The table holding a file's layout, and its layout column, keep the names that every
// record file written so far carries: those files must still open, and new files stay
// the same so that no two kinds of record file exist.
const std::string kLayoutTable = "file_spec";
const std::string kLayoutColumn = "spec";
// Made with the library, not at first use: a call of another thread may still need it
// while the objects made at first use go at the program's end.
const std::string kTakeSeq =
    "UPDATE " + kLayoutTable + " SET next_seq = next_seq + 1 WHERE id = 1 RETURNING next_seq - 1";

const std::string kSchema = R"sql(
  PRAGMA application_id = 1346524242;
  PRAGMA journal_mode = WAL;
  CREATE TABLE )sql" + kLayoutTable + R"sql((
    id INTEGER PRIMARY KEY CHECK (id = 1),
    )sql" + kLayoutColumn + R"sql( BLOB NOT NULL,
    next_seq INTEGER NOT NULL);
  CREATE TABLE records(
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    data BLOB NOT NULL);
  CREATE TABLE key_entries(
    key_number INTEGER NOT NULL,
    sort_key BLOB NOT NULL,
    seq INTEGER NOT NULL,
    record_id INTEGER NOT NULL,
    PRIMARY KEY (key_number, sort_key, seq)) WITHOUT ROWID;
  CREATE UNIQUE INDEX key_entries_of_record ON key_entries(record_id, key_number);
)sql";

// Every acknowledged change is on disk before the call returns.
sqlite::ConnectionSettings connectionSettings(int busyTimeoutMs) {
  return {busyTimeoutMs, "PRAGMA synchronous = FULL"};
}

// Removes what SQLite keeps for the database at file (where it is, links followed) while
// it is open or when it was not closed cleanly: beside it, or beside its stand-in.
void removeSideFiles(const fs::path& file) {
  const std::string base = sideFileBase(file).string();
  std::error_code ignored;
  for (const std::string_view ending : pemo::fs::kSideFileEndings) fs::remove(base + std::string(ending), ignored);
}

// Fills a new database with the schema and the layout. Every page must be in the file
// itself when it is closed: a write-ahead log that could not be folded back (a full disk)
// means the file is incomplete, and it fails with the log's status.
int buildNewFile(const std::string& path, const std::string& layoutBlocks) {
  Database db;
  if (db.open(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, recordFileVfs()) != SQLITE_OK)
    return kStatusCreateError;
  try {
    db.configure(connectionSettings(kBusyTimeoutMs));
    db.execute(kSchema.c_str());
    Statement(db, ("INSERT INTO " + kLayoutTable + "(id, " + kLayoutColumn + ", next_seq) VALUES (1, ?1, 1)").c_str())
        .bindBlob(1, layoutBlocks)
        .run();
    Statement checkpoint(db, "PRAGMA wal_checkpoint(TRUNCATE)");
    if (!checkpoint.step() || checkpoint.integer(0) != 0) return kStatusCreateError;
  } catch (const sqlite::Error& error) {
    return (error.code() & 0xFF) == SQLITE_FULL ? kStatusDiskFull : kStatusCreateError;
  }
  db.close();
  std::error_code ec;
  return fs::exists(path + "-wal", ec) || ec ? kStatusCreateError : kStatusOk;
}

// Moves a finished new file into place; without replace an existing file wins. The
// replaced file's log goes only once the new file is in place: until then it may still
// hold the last changes of the old one.
int publishNewFile(pemo::fs::FileReplacement& replacement, bool replace) {
  switch (replacement.commit()) {
    case pemo::fs::FileReplacement::Result::kDone:
      if (replace) removeSideFiles(replacement.target());
      return kStatusOk;
    case pemo::fs::FileReplacement::Result::kTargetExists: return kStatusFileExists;
    case pemo::fs::FileReplacement::Result::kFailed: return kStatusCreateError;
  }
  return kStatusCreateError;
}

const char* seekSql(Seek seek) {
  switch (seek) {
    case Seek::kEqual:
      return "SELECT sort_key, seq, record_id FROM key_entries WHERE key_number = ?1 AND sort_key = ?2 "
             "ORDER BY seq LIMIT 1";
    case Seek::kGreater:
      return "SELECT sort_key, seq, record_id FROM key_entries WHERE key_number = ?1 AND sort_key > ?2 "
             "ORDER BY sort_key, seq LIMIT 1";
    case Seek::kGreaterOrEqual:
      return "SELECT sort_key, seq, record_id FROM key_entries WHERE key_number = ?1 AND sort_key >= ?2 "
             "ORDER BY sort_key, seq LIMIT 1";
    case Seek::kLess:
      return "SELECT sort_key, seq, record_id FROM key_entries WHERE key_number = ?1 AND sort_key < ?2 "
             "ORDER BY sort_key DESC, seq DESC LIMIT 1";
    case Seek::kFirst:
      return "SELECT sort_key, seq, record_id FROM key_entries WHERE key_number = ?1 "
             "ORDER BY sort_key, seq LIMIT 1";
    case Seek::kLast:
      return "SELECT sort_key, seq, record_id FROM key_entries WHERE key_number = ?1 "
             "ORDER BY sort_key DESC, seq DESC LIMIT 1";
    case Seek::kAfter:
      return "SELECT sort_key, seq, record_id FROM key_entries WHERE key_number = ?1 "
             "AND (sort_key, seq) > (?2, ?3) ORDER BY sort_key, seq LIMIT 1";
    case Seek::kBefore:
      return "SELECT sort_key, seq, record_id FROM key_entries WHERE key_number = ?1 "
             "AND (sort_key, seq) < (?2, ?3) ORDER BY sort_key DESC, seq DESC LIMIT 1";
  }
  return "";
}

}  // namespace

int statusForSqlite(int code) {
  switch (code & 0xFF) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return kStatusFileLocked;
    case SQLITE_FULL: return kStatusDiskFull;
    case SQLITE_READONLY: return kStatusReadOnly;
    case SQLITE_NOTADB: return kStatusNotARecordFile;
    case SQLITE_CANTOPEN: return kStatusFileNotFound;
    default: return kStatusIoError;
  }
}

int RecordFile::create(const std::string& path, const std::string& layoutBytes, bool replace) {
  FileLayout layout;
  int status = parseFileLayout(layoutBytes, layout);
  if (status != kStatusOk) return status;
  std::error_code error;
  if (!replace && fs::exists(path, error)) return kStatusFileExists;

  // The file is built beside its final name and moved there complete, so no reader
  // ever sees half a file.
  using Existing = pemo::fs::FileReplacement::Existing;
  pemo::fs::FileReplacement replacement(path, replace ? Existing::kReplace : Existing::kKeep);
  if (!replacement.ready()) return kStatusCreateError;
  status =
      buildNewFile(replacement.path().string(), layoutBytes.substr(0, kLayoutBlockSize * (1 + layout.segmentCount())));
  if (status != kStatusOk) {
    removeSideFiles(replacement.path());
    return status;
  }
  return publishNewFile(replacement, replace);
}

int RecordFile::open(const std::string& path, int mode, std::unique_ptr<RecordFile>& file) {
  std::error_code error;
  if (!fs::is_regular_file(path, error)) return kStatusFileNotFound;
  auto opened = std::make_unique<RecordFile>();
  opened->readOnly_ = mode == kOpenReadOnly;
  if (opened->db_.open(path, SQLITE_OPEN_READWRITE, recordFileVfs()) != SQLITE_OK) {
    // A file the user may only read still opens, for reading.
    if (opened->db_.open(path, SQLITE_OPEN_READONLY, recordFileVfs()) != SQLITE_OK) return kStatusIoError;
    opened->readOnly_ = true;
  }
  try {
    // An exclusive holder is met at once, not waited for; the real timeout applies
    // to the calls after the open.
    opened->db_.configure(connectionSettings(kOpenBusyTimeoutMs));
    if (mode == kOpenExclusive) opened->db_.execute("PRAGMA locking_mode = EXCLUSIVE; BEGIN EXCLUSIVE; COMMIT");
    Statement id(opened->db_, "PRAGMA application_id");
    if (!id.step() || id.integer(0) != kApplicationId) return kStatusNotARecordFile;
    Statement layout(opened->db_, ("SELECT " + kLayoutColumn + " FROM " + kLayoutTable + " WHERE id = 1").c_str());
    if (!layout.step() || parseFileLayout(layout.bytes(0), opened->layout_) != kStatusOk) return kStatusNotARecordFile;
    opened->db_.setBusyTimeout(kBusyTimeoutMs);
  } catch (const sqlite::Error& e) {
    if ((e.code() & 0xFF) == SQLITE_BUSY) return kStatusFileInUse;
    return e.code() == SQLITE_NOTADB || e.code() == SQLITE_ERROR ? kStatusNotARecordFile : statusForSqlite(e.code());
  }
  file = std::move(opened);
  return kStatusOk;
}

int RecordFile::withSqliteErrors(const std::function<int()>& work) {
  try {
    return work();
  } catch (const sqlite::Error& error) {
    return statusForSqlite(error.code());
  }
}

std::optional<std::string> RecordFile::readRecord(int64_t recordId) {
  Statement read(db_, "SELECT data FROM records WHERE id = ?1");
  read.bind(1, recordId);
  if (!read.step()) return std::nullopt;
  return read.bytes(0);
}

std::optional<KeyEntry> RecordFile::entryOf(int keyNumber, int64_t recordId) {
  Statement read(db_,
                 "SELECT sort_key, seq FROM key_entries WHERE record_id = ?1 AND key_number = ?2");
  read.bind(1, recordId).bind(2, keyNumber);
  if (!read.step()) return std::nullopt;
  return KeyEntry{read.bytes(0), read.integer(1), recordId};
}

int64_t RecordFile::nextSeq() {
  Statement next(db_, kTakeSeq.c_str());
  next.step();
  int64_t seq = next.integer(0);
  next.run();
  return seq;
}

int RecordFile::entriesFor(const std::string& record, int64_t recordId,
                           std::vector<std::optional<std::string>>& sortKeys) {
  sortKeys.clear();
  Statement taken(db_,
                  "SELECT 1 FROM key_entries WHERE key_number = ?1 AND sort_key = ?2 AND record_id <> ?3 LIMIT 1");
  for (size_t k = 0; k < layout_.keys.size(); ++k) {
    const KeyDefinition& key = layout_.keys[k];
    std::string value = keyValueFromRecord(key, record);
    std::optional<std::string> sort;
    if (!isNullKeyValue(key, value)) sort = sortKey(key, value);
    if (sort && !key.duplicates()) {
      taken.reset();
      taken.bind(1, static_cast<int64_t>(k)).bindBlob(2, *sort).bind(3, recordId);
      if (taken.step()) return kStatusDuplicateKey;
    }
    sortKeys.push_back(std::move(sort));
  }
  return kStatusOk;
}

void RecordFile::writeEntries(int64_t recordId, const std::vector<std::optional<std::string>>& sortKeys,
                              const std::vector<std::optional<KeyEntry>>& previous) {
  Statement(db_, "DELETE FROM key_entries WHERE record_id = ?1").bind(1, recordId).run();
  for (size_t k = 0; k < sortKeys.size(); ++k) {
    if (!sortKeys[k]) continue;
    int64_t seq = 0;
    if (layout_.keys[k].duplicates()) {
      // A duplicate keeps its place among equal keys until its value changes.
      bool unchanged = k < previous.size() && previous[k] && previous[k]->sortKey == *sortKeys[k];
      seq = unchanged ? previous[k]->seq : nextSeq();
    }
    Statement(db_, "INSERT INTO key_entries(key_number, sort_key, seq, record_id) VALUES (?1, ?2, ?3, ?4)")
        .bind(1, static_cast<int64_t>(k))
        .bindBlob(2, *sortKeys[k])
        .bind(3, seq)
        .bind(4, recordId)
        .run();
  }
}

int RecordFile::insert(const std::string& record, int64_t& recordId) {
  if (readOnly_) return kStatusReadOnly;
  return withSqliteErrors([&]() -> int {
    Transaction transaction(db_, Transaction::kWrite);
    Statement add(db_, "INSERT INTO records(data) VALUES (?1)");
    add.bindBlob(1, record).run();
    int64_t id = db_.lastInsertRowId();
    std::vector<std::optional<std::string>> sortKeys;
    int status = entriesFor(record, id, sortKeys);
    if (status != kStatusOk) return status;
    writeEntries(id, sortKeys, {});
    transaction.commit();
    recordId = id;
    return kStatusOk;
  });
}

int RecordFile::changeStored(int64_t recordId, const std::string& expected,
                             const std::function<int(const std::string& stored)>& change) {
  if (readOnly_) return kStatusReadOnly;
  return withSqliteErrors([&]() -> int {
    Transaction transaction(db_, Transaction::kWrite);
    std::optional<std::string> stored = readRecord(recordId);
    if (!stored) return kStatusNoCurrentRecord;
    if (*stored != expected) return kStatusRecordChanged;
    int status = change(*stored);
    if (status == kStatusOk) transaction.commit();
    return status;
  });
}

int RecordFile::update(int64_t recordId, const std::string& expected, const std::string& record) {
  return changeStored(recordId, expected, [&](const std::string& stored) -> int {
    for (const KeyDefinition& key : layout_.keys)
      if (!key.modifiable() && keyValueFromRecord(key, stored) != keyValueFromRecord(key, record))
        return kStatusKeyNotModifiable;
    std::vector<std::optional<std::string>> sortKeys;
    int status = entriesFor(record, recordId, sortKeys);
    if (status != kStatusOk) return status;
    std::vector<std::optional<KeyEntry>> previous;
    for (size_t k = 0; k < layout_.keys.size(); ++k) previous.push_back(entryOf(static_cast<int>(k), recordId));
    Statement(db_, "UPDATE records SET data = ?1 WHERE id = ?2").bindBlob(1, record).bind(2, recordId).run();
    writeEntries(recordId, sortKeys, previous);
    return kStatusOk;
  });
}

int RecordFile::remove(int64_t recordId, const std::string& expected) {
  return changeStored(recordId, expected, [&](const std::string&) -> int {
    Statement(db_, "DELETE FROM key_entries WHERE record_id = ?1").bind(1, recordId).run();
    Statement(db_, "DELETE FROM records WHERE id = ?1").bind(1, recordId).run();
    return kStatusOk;
  });
}

int RecordFile::find(int keyNumber, Seek seek, const KeyEntry& from, KeyEntry& found, std::string& record) {
  return withSqliteErrors([&]() -> int {
    Transaction transaction(db_, Transaction::kRead);
    Statement query(db_, seekSql(seek));
    query.bind(1, keyNumber);
    if (seek != Seek::kFirst && seek != Seek::kLast) query.bindBlob(2, from.sortKey);
    if (seek == Seek::kAfter || seek == Seek::kBefore) query.bind(3, from.seq);
    if (!query.step()) return seek == Seek::kEqual ? kStatusKeyNotFound : kStatusEndOfFile;
    found = KeyEntry{query.bytes(0), query.integer(1), query.integer(2)};
    std::optional<std::string> stored = readRecord(found.recordId);
    if (!stored) return kStatusIoError;
    record = std::move(*stored);
    return kStatusOk;
  });
}

int RecordFile::stat(uint32_t& records, std::vector<uint32_t>& uniqueValues) {
  return withSqliteErrors([&]() -> int {
    Transaction transaction(db_, Transaction::kRead);
    Statement count(db_, "SELECT count(*) FROM records");
    count.step();
    records = static_cast<uint32_t>(count.integer(0));
    uniqueValues.clear();
    for (size_t k = 0; k < layout_.keys.size(); ++k) {
      Statement unique(db_, "SELECT count(DISTINCT sort_key) FROM key_entries WHERE key_number = ?1");
      unique.bind(1, static_cast<int64_t>(k)).step();
      uniqueValues.push_back(static_cast<uint32_t>(unique.integer(0)));
    }
    return kStatusOk;
  });
}

}  // namespace pemo::btrieve
