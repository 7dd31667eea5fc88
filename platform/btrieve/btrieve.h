#pragma once
// The keyed record manager behind the record-file exports: one call entry with the
// classic engine's operation codes, 128-byte position blocks and status numbers.
// Each record file is an SQLite database; every change is committed before the
// call returns, so a crash loses nothing that was acknowledged.
#include <cstdint>

namespace pemo::btrieve {

constexpr int kPositionBlockSize = 128;
constexpr int kMaxKeyLength = 255;

enum Operation : int {
  kOpOpen = 0,
  kOpClose = 1,
  kOpInsert = 2,
  kOpUpdate = 3,
  kOpDelete = 4,
  kOpGetEqual = 5,
  kOpGetNext = 6,
  kOpGetPrevious = 7,
  kOpGetGreater = 8,
  kOpGetGreaterOrEqual = 9,
  kOpGetLess = 10,
  kOpGetLessOrEqual = 11,
  kOpGetFirst = 12,
  kOpGetLast = 13,
  kOpCreate = 14,
  kOpStat = 15,
  kOpStop = 25,
};

enum Status : int {
  kStatusOk = 0,
  kStatusInvalidOperation = 1,
  kStatusIoError = 2,
  kStatusFileNotOpen = 3,
  kStatusKeyNotFound = 4,
  kStatusDuplicateKey = 5,
  kStatusInvalidKeyNumber = 6,
  kStatusDifferentKeyNumber = 7,
  kStatusNoCurrentRecord = 8,
  kStatusEndOfFile = 9,
  kStatusKeyNotModifiable = 10,
  kStatusInvalidFileName = 11,
  kStatusFileNotFound = 12,
  kStatusDiskFull = 18,
  kStatusKeyBufferTooShort = 21,
  kStatusDataBufferTooShort = 22,
  kStatusPageSizeError = 24,
  kStatusCreateError = 25,
  kStatusNumberOfKeysError = 26,
  kStatusKeyPositionError = 27,
  kStatusRecordLengthError = 28,
  kStatusKeyLengthError = 29,
  kStatusNotARecordFile = 30,
  kStatusInvalidKeyFlags = 45,
  kStatusReadOnly = 46,
  kStatusFileExists = 59,
  kStatusRecordChanged = 80,
  kStatusFileLocked = 85,
  kStatusFileInUse = 88,
};

// Open modes, passed as the key number of an open.
enum OpenMode : int {
  kOpenNormal = 0,
  kOpenAccelerated = -1,
  kOpenReadOnly = -2,
  kOpenVerify = -3,
  kOpenExclusive = -4,
};

// Key flags of a key segment in a file layout.
enum KeyFlags : uint16_t {
  kKeyDuplicates = 0x0001,
  kKeyModifiable = 0x0002,
  kKeyBinary = 0x0004,
  kKeyNullAll = 0x0008,
  kKeySegmented = 0x0010,
  kKeyAlternateCollation = 0x0020,
  kKeyDescending = 0x0040,
  kKeySupplemental = 0x0080,
  kKeyExtendedType = 0x0100,
  kKeyNullAny = 0x0200,
  kKeyCaseInsensitive = 0x0400,
};

// File flags in a file layout's header.
enum FileFlags : uint16_t {
  kFileVariableLength = 0x0001,  // a record may be shorter or longer than the record length
};

// Extended key types this engine orders.
enum KeyType : uint8_t {
  kTypeString = 0,
  kTypeInteger = 1,
  kTypeFloat = 2,
  kTypeZString = 11,
  kTypeUnsignedBinary = 14,
};

// The engine's one entry.
//   operation: an Operation (a lock bias of 100..400 is accepted and ignored)
//   positionBlock: 128 bytes owned by the caller, kept between the calls on one open file
//   data/dataLength: the record (or file layout, stat block); the length is in/out
//   key/keyLength: the key value (the file name for open and create), its buffer size
//   keyNumber: the key path (the open mode for open, -1 for "create only if new")
// Returns a Status.
int BtrieveCall(int operation, void* positionBlock, void* data, uint16_t* dataLength, void* key,
                int keyLength, int keyNumber);

}  // namespace pemo::btrieve
