#include "platform/btrieve/record_file_vfs.h"

#include <sqlite3.h>

#include <filesystem>
#include <mutex>
#include <set>
#include <string>

#include "platform/btrieve/side_file_place.h"

namespace pemo::btrieve {
namespace {

// The system's VFS does all the work; only names change.
sqlite3_vfs* systemVfs = nullptr;

// A database whose side files take the name of a stand-in file: the database itself, and
// the stand-in, opened as a database so that the system keeps the shared memory beside it.
struct StoodInFile {
  sqlite3_file base;
  sqlite3_file* real;
  sqlite3_file* standIn;
  sqlite3_filename standInName;  // an SQLite file name, freed with the file
};

constexpr int kAlignment = 8;
constexpr int aligned(int size) { return (size + kAlignment - 1) / kAlignment * kAlignment; }

StoodInFile& stoodIn(sqlite3_file* file) { return *reinterpret_cast<StoodInFile*>(file); }
sqlite3_file* real(sqlite3_file* file) { return stoodIn(file).real; }
sqlite3_file* standIn(sqlite3_file* file) { return stoodIn(file).standIn; }

int close(sqlite3_file* file) {
  StoodInFile& f = stoodIn(file);
  const int status = f.real->pMethods->xClose(f.real);
  f.standIn->pMethods->xClose(f.standIn);
  sqlite3_free_filename(f.standInName);
  return status;
}
int read(sqlite3_file* f, void* to, int n, sqlite3_int64 at) { return real(f)->pMethods->xRead(real(f), to, n, at); }
int write(sqlite3_file* f, const void* from, int n, sqlite3_int64 at) {
  return real(f)->pMethods->xWrite(real(f), from, n, at);
}
int truncate(sqlite3_file* f, sqlite3_int64 size) { return real(f)->pMethods->xTruncate(real(f), size); }
int sync(sqlite3_file* f, int flags) { return real(f)->pMethods->xSync(real(f), flags); }
int fileSize(sqlite3_file* f, sqlite3_int64* size) { return real(f)->pMethods->xFileSize(real(f), size); }
int lock(sqlite3_file* f, int level) { return real(f)->pMethods->xLock(real(f), level); }
int unlock(sqlite3_file* f, int level) { return real(f)->pMethods->xUnlock(real(f), level); }
int reservedLock(sqlite3_file* f, int* held) { return real(f)->pMethods->xCheckReservedLock(real(f), held); }
int fileControl(sqlite3_file* f, int op, void* arg) { return real(f)->pMethods->xFileControl(real(f), op, arg); }
int sectorSize(sqlite3_file* f) { return real(f)->pMethods->xSectorSize(real(f)); }
int characteristics(sqlite3_file* f) { return real(f)->pMethods->xDeviceCharacteristics(real(f)); }
int shmMap(sqlite3_file* f, int region, int size, int extend, void volatile** map) {
  return standIn(f)->pMethods->xShmMap(standIn(f), region, size, extend, map);
}
int shmLock(sqlite3_file* f, int offset, int n, int flags) {
  return standIn(f)->pMethods->xShmLock(standIn(f), offset, n, flags);
}
void shmBarrier(sqlite3_file* f) { standIn(f)->pMethods->xShmBarrier(standIn(f)); }
int shmUnmap(sqlite3_file* f, int remove) { return standIn(f)->pMethods->xShmUnmap(standIn(f), remove); }
int fetch(sqlite3_file* f, sqlite3_int64 at, int n, void** p) { return real(f)->pMethods->xFetch(real(f), at, n, p); }
int unfetch(sqlite3_file* f, sqlite3_int64 at, void* p) { return real(f)->pMethods->xUnfetch(real(f), at, p); }

const sqlite3_io_methods kStoodInMethods = {
    3,        close,   read,    write,      truncate,   sync,     fileSize, lock,  unlock, reservedLock,
    fileControl, sectorSize, characteristics, shmMap, shmLock, shmBarrier, shmUnmap, fetch, unfetch};

// The system keeps a file's name with the file: a side file's name moved elsewhere lives as
// long as the process (there are as many as record files with names cut short).
const char* lastingName(std::string name) {
  static std::mutex mutex;
  static auto* names = new std::set<std::string>;
  const std::lock_guard lock(mutex);
  return names->insert(std::move(name)).first->c_str();
}

int openStoodIn(const char* name, const std::filesystem::path& standInPath, sqlite3_file* file, int flags,
                int* outFlags) {
  StoodInFile& f = stoodIn(file);
  f.base.pMethods = nullptr;
  f.real = reinterpret_cast<sqlite3_file*>(reinterpret_cast<char*>(file) + aligned(sizeof(StoodInFile)));
  f.standIn = reinterpret_cast<sqlite3_file*>(reinterpret_cast<char*>(f.real) + aligned(systemVfs->szOsFile));
  int status = systemVfs->xOpen(systemVfs, name, f.real, flags, outFlags);
  if (status != SQLITE_OK) return status;
  f.standInName = sqlite3_create_filename(standInPath.c_str(), "", "", 0, nullptr);
  const int standInFlags = SQLITE_OPEN_MAIN_DB | SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
  status = f.standInName ? systemVfs->xOpen(systemVfs, f.standInName, f.standIn, standInFlags, nullptr) : SQLITE_NOMEM;
  if (status != SQLITE_OK) {
    if (f.standIn->pMethods) f.standIn->pMethods->xClose(f.standIn);
    sqlite3_free_filename(f.standInName);
    f.real->pMethods->xClose(f.real);
    return status == SQLITE_NOMEM ? status : SQLITE_CANTOPEN;
  }
  f.base.pMethods = &kStoodInMethods;
  return SQLITE_OK;
}

int open(sqlite3_vfs*, const char* name, sqlite3_file* file, int flags, int* outFlags) {
  if (name && (flags & SQLITE_OPEN_MAIN_DB)) {
    const std::filesystem::path path(name);
    const std::filesystem::path base = sideFileBase(path);
    if (base != path) return openStoodIn(name, base, file, flags, outFlags);
  }
  const std::string placed = name ? placedSideFile(name) : std::string();
  return systemVfs->xOpen(systemVfs, placed == (name ? name : "") ? name : lastingName(placed), file, flags, outFlags);
}
int remove(sqlite3_vfs*, const char* name, int syncFolder) {
  return systemVfs->xDelete(systemVfs, placedSideFile(name).c_str(), syncFolder);
}
int access(sqlite3_vfs*, const char* name, int flags, int* result) {
  return systemVfs->xAccess(systemVfs, placedSideFile(name).c_str(), flags, result);
}
int fullPathname(sqlite3_vfs*, const char* name, int size, char* out) {
  return systemVfs->xFullPathname(systemVfs, name, size, out);
}
void* dlOpen(sqlite3_vfs*, const char* name) { return systemVfs->xDlOpen(systemVfs, name); }
void dlError(sqlite3_vfs*, int size, char* message) { systemVfs->xDlError(systemVfs, size, message); }
void (*dlSym(sqlite3_vfs*, void* library, const char* symbol))(void) {
  return systemVfs->xDlSym(systemVfs, library, symbol);
}
void dlClose(sqlite3_vfs*, void* library) { systemVfs->xDlClose(systemVfs, library); }
int randomness(sqlite3_vfs*, int size, char* out) { return systemVfs->xRandomness(systemVfs, size, out); }
int sleep(sqlite3_vfs*, int microseconds) { return systemVfs->xSleep(systemVfs, microseconds); }
int currentTime(sqlite3_vfs*, double* now) { return systemVfs->xCurrentTime(systemVfs, now); }
int lastError(sqlite3_vfs*, int size, char* message) { return systemVfs->xGetLastError(systemVfs, size, message); }
int currentTimeInt64(sqlite3_vfs*, sqlite3_int64* now) { return systemVfs->xCurrentTimeInt64(systemVfs, now); }

}  // namespace

const char* recordFileVfs() {
  static sqlite3_vfs vfs = [] {
    systemVfs = sqlite3_vfs_find(nullptr);
    sqlite3_vfs made{};
    made.iVersion = 2;
    made.szOsFile = aligned(sizeof(StoodInFile)) + 2 * aligned(systemVfs->szOsFile);
    made.mxPathname = systemVfs->mxPathname;
    made.zName = "pemo-record-file";
    made.xOpen = open;
    made.xDelete = remove;
    made.xAccess = access;
    made.xFullPathname = fullPathname;
    made.xDlOpen = dlOpen;
    made.xDlError = dlError;
    made.xDlSym = dlSym;
    made.xDlClose = dlClose;
    made.xRandomness = randomness;
    made.xSleep = sleep;
    made.xCurrentTime = currentTime;
    made.xGetLastError = lastError;
    made.xCurrentTimeInt64 = currentTimeInt64;
    return made;
  }();
  static const bool registered = sqlite3_vfs_register(&vfs, 0) == SQLITE_OK;
  return registered ? vfs.zName : nullptr;
}

}  // namespace pemo::btrieve
