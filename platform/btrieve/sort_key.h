#pragma once
// Keys as SQLite orders them: each key value becomes bytes whose plain byte order
// (memcmp, SQLite's BLOB order) is the order of the key's type.
#include <string>
#include <string_view>

#include "platform/btrieve/file_layout.h"

namespace pemo::btrieve {

// The key value as callers see it in key buffers: the segments' bytes in order.
// The record must hold the file's record length.
std::string keyValueFromRecord(const KeyDefinition& key, std::string_view record);

// The order-preserving form of a key value (key.length() bytes).
std::string sortKey(const KeyDefinition& key, std::string_view keyValue);

// True when the key's null rule leaves a record with this value out of the key's order.
bool isNullKeyValue(const KeyDefinition& key, std::string_view keyValue);

}  // namespace pemo::btrieve
