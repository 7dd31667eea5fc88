#pragma once
// One open record file as the record-file exports use it: the engine's position block,
// a record buffer of the file's record length, and the error boxes for failed calls.
#include <array>
#include <string>

#include "platform/btrieve/btrieve.h"
#include "platform/btrieve/file_layout.h"

namespace pemo::hapsy {

// The operation an operator text selects by its first characters.
int operationForOperator(const char* text);

// A box with only an OK button, captioned with a record file's path (code page 932).
void showFileMessage(const std::string& path, const std::string& text);

class BtrieveFile {
 public:
  static constexpr int kDefaultKeyNumber = 0;

  // The path as the caller gave it, in code page 932; also the caption of error boxes.
  explicit BtrieveFile(std::string path);
  virtual ~BtrieveFile();
  BtrieveFile(const BtrieveFile&) = delete;
  BtrieveFile& operator=(const BtrieveFile&) = delete;

  bool open(int mode);
  void close();
  // Creates the file from a file layout, keeping a file that exists.
  bool create(const std::string& layout);

  // Gets by operator; the record is copied in first (an equal get takes its key from
  // it when no key buffer is given) and back after. Key number -1 is the default.
  bool get(char* record, const char* operatorText, char* key, int keyNumber);
  // Inserts, or updates the record with the same key.
  bool put(const char* record, const char* key, int keyNumber);
  // Deletes the record with the record's key 0.
  bool remove(const char* record);
  // The number of records, or -1.
  int recordCount();
  void copyPositionBlock(char* destination) const;

  int lastStatus() const { return lastStatus_; }
  int lastOperation() const { return lastOperation_; }

 protected:
  // Called by open for a file that does not exist; 0 when the file now exists.
  virtual int createMissingFile() { return -1; }

 private:
  int call(int operation, std::string& data, char* key, int keyNumber, int keyLength = btrieve::kMaxKeyLength);
  // A call whose key buffer holds the file's path, as open and create take it.
  int callWithFileName(int operation, std::string& data, int keyNumber);
  // Reads the file's statistics (its layout and record count) into stat.
  int callStat(std::string& stat);
  void reportFailure() const;
  void loadRecord(const char* record);
  // A key buffer holding key `keyNumber` taken from the record buffer.
  std::string keyFromRecord(int keyNumber) const;
  // A key buffer holding the caller's key: as many bytes as the key is long.
  std::string keyFromCaller(const char* key, int keyNumber) const;

  std::string path_;
  std::array<char, btrieve::kPositionBlockSize> positionBlock_{};
  btrieve::FileLayout layout_;
  std::string record_;
  int lastStatus_ = 0;
  int lastOperation_ = 0;
  bool open_ = false;
};

}  // namespace pemo::hapsy
