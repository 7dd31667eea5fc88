#pragma once
// One record file on disk: an SQLite database holding the file layout, the
// records, and for every key its entries in key order.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/btrieve/file_layout.h"
#include "platform/sqlite/database.h"

namespace pemo::btrieve {

// One record's place in one key's order. Equal keys of a key with duplicates keep
// the order in which they got their value (seq); keys without duplicates use seq 0.
struct KeyEntry {
  std::string sortKey;
  int64_t seq = 0;
  int64_t recordId = 0;
};

enum class Seek { kEqual, kGreater, kGreaterOrEqual, kLess, kFirst, kLast, kAfter, kBefore };

class RecordFile {
 public:
  // Creates a new file from a layout; returns a Status. With replace false an
  // existing file is kept and gives kStatusFileExists.
  static int create(const std::string& path, const std::string& layoutBytes, bool replace);
  // Opens an existing file in an OpenMode; returns a Status. An exclusive open keeps
  // every other open out (kStatusFileInUse) and fails while others have it open.
  static int open(const std::string& path, int mode, std::unique_ptr<RecordFile>& file);

  const FileLayout& layout() const { return layout_; }

  // Changes, each one committed transaction. `expected` is the record as last read:
  // an update or delete of a record that changed since gives kStatusRecordChanged.
  int insert(const std::string& record, int64_t& recordId);
  int update(int64_t recordId, const std::string& expected, const std::string& record);
  int remove(int64_t recordId, const std::string& expected);

  // Finds an entry of one key and reads its record. For kAfter and kBefore `from` is
  // the place to step from; for the value seeks its sortKey is the value.
  // Returns kStatusOk, kStatusKeyNotFound (equal) or kStatusEndOfFile.
  int find(int keyNumber, Seek seek, const KeyEntry& from, KeyEntry& found, std::string& record);
  // The entry of a record in one key's order, when it has one.
  std::optional<KeyEntry> entryOf(int keyNumber, int64_t recordId);

  int stat(uint32_t& records, std::vector<uint32_t>& uniqueValues);

 private:
  int withSqliteErrors(const std::function<int()>& work);
  // Runs a change of a stored record in one transaction, after checking that the
  // record is still as `expected`; commits when the change returns kStatusOk.
  int changeStored(int64_t recordId, const std::string& expected,
                   const std::function<int(const std::string& stored)>& change);
  std::optional<std::string> readRecord(int64_t recordId);
  // Computes each key's entry of a record; status kStatusDuplicateKey when a key
  // without duplicates already holds the value in another record.
  int entriesFor(const std::string& record, int64_t recordId, std::vector<std::optional<std::string>>& sortKeys);
  void writeEntries(int64_t recordId, const std::vector<std::optional<std::string>>& sortKeys,
                    const std::vector<std::optional<KeyEntry>>& previous);
  int64_t nextSeq();

  sqlite::Database db_;
  FileLayout layout_;
  bool readOnly_ = false;
};

// Maps SQLite result codes to engine statuses.
int statusForSqlite(int code);

}  // namespace pemo::btrieve
