#pragma once
// The SQLite VFS that record files are opened through: the system's own, with each side
// file kept where sideFileBase says (side_file_place.h).

namespace pemo::btrieve {

// Its name for sqlite3_open_v2; registered at the first call.
const char* recordFileVfs();

}  // namespace pemo::btrieve
