/* Uses libhapsy's record-file exports as a C caller does: creates a file with two keys,
   writes, reads in both key orders, updates, deletes and counts; then a new process
   (this program started again) finds everything that was stored, and another one ends
   with a file it created still open, which it must do normally and leave whole. Then many
   processes each end while a second thread of theirs is still writing: none may crash, and
   every record stored is whole. Message boxes of the library go to standard error here, so
   "no message" means nothing written there. */
#define _GNU_SOURCE
#include <ftw.h>
#include <pthread.h>
#include <stdatomic.h>
#include <stdint.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/common/tests/c_check.h"
#include "support/hapsy/bt_exports.h"

enum { RECORD_LENGTH = 32, CODE = 0, AMOUNT = 8, NAME = 12 };

static int (*fileOpen)(const char*, int);
static int (*createOpen)(const char*, int, int, int, int, const char*);
static int (*fileCreateOpen)(const char*, int, const char*, int);
static int (*fileClose)(int);
static int (*get)(int, char*, const char*);
static int (*keyGet)(int, char*, const char*, char*, int);
static int (*put)(int, const char*);
static int (*del)(int, const char*);
static int (*total)(int);
static int (*positionBlock)(int, char*);
static int (*stop)(void);
static int (*onceGet)(const char*, char*, const char*);
static int (*oncePut)(const char*, const char*);
static int (*onceDel)(const char*, const char*);
static int (*onceKeyGet)(const char*, char*, const char*, char*, int);

static void load(void* library) {
  fileOpen = (int (*)(const char*, int))check_symbol(library, "BtFileOpen");
  createOpen = (int (*)(const char*, int, int, int, int, const char*))check_symbol(library, "VBBtFileCreateOpen");
  fileCreateOpen = (int (*)(const char*, int, const char*, int))check_symbol(library, "BtFileCreateOpen");
  fileClose = (int (*)(int))check_symbol(library, "BtFileClose");
  get = (int (*)(int, char*, const char*))check_symbol(library, "BtOCFileGet");
  keyGet = (int (*)(int, char*, const char*, char*, int))check_symbol(library, "BtOCKFileGet");
  put = (int (*)(int, const char*))check_symbol(library, "BtOCFilePut");
  del = (int (*)(int, const char*))check_symbol(library, "BtOCFileDel");
  total = (int (*)(int))check_symbol(library, "BtOCRecTotalGet");
  positionBlock = (int (*)(int, char*))check_symbol(library, "BtOCPbGet");
  stop = (int (*)(void))check_symbol(library, "BtStop");
  onceGet = (int (*)(const char*, char*, const char*))check_symbol(library, "BtFileGet");
  oncePut = (int (*)(const char*, const char*))check_symbol(library, "BtFilePut");
  onceDel = (int (*)(const char*, const char*))check_symbol(library, "BtFileDel");
  onceKeyGet = (int (*)(const char*, char*, const char*, char*, int))check_symbol(library, "BtKFileGet");
}

static void le32(char* bytes, int32_t value) {
  for (int i = 0; i < 4; ++i) bytes[i] = (char)((uint32_t)value >> (8 * i));
}

static int32_t amountOf(const char* record) {
  const unsigned char* b = (const unsigned char*)record + AMOUNT;
  return (int32_t)(b[0] | b[1] << 8 | b[2] << 16 | (uint32_t)b[3] << 24);
}

/* code: 8 bytes, blank padded; name: code page 932 text */
static void record(char* out, const char* code, int32_t amount, const char* name) {
  memset(out, ' ', RECORD_LENGTH);
  memcpy(out + CODE, code, strlen(code));
  le32(out + AMOUNT, amount);
  memcpy(out + NAME, name, strlen(name));
}

static void key_description(char* out, int position, char type, int length, int duplicates) {
  memset(out, 0, BT_KEY_DESCRIPTION_SIZE);
  le32(out + 0, position);
  out[4] = type;
  le32(out + 5, length);
  le32(out + 13, duplicates);
}

/* Standard error goes to a file while `quiet` runs; true when nothing was written. */
static char stderr_file[8192];
static int saved_stderr = -1;
static void begin_quiet(void) {
  fflush(stderr);
  saved_stderr = dup(2);
  FILE* f = fopen(stderr_file, "w");
  dup2(fileno(f), 2);
  fclose(f);
}
static int is_empty(const char* file) {
  FILE* f = fopen(file, "r");
  int empty = !f || fgetc(f) == EOF;
  if (f) fclose(f);
  return empty;
}
static int end_quiet(void) {
  fflush(stderr);
  dup2(saved_stderr, 2);
  close(saved_stderr);
  return is_empty(stderr_file);
}

/* The codes met walking from `start` with `step`, e.g. "A001,A003,". */
static void walk(int handle, int keyNumber, const char* start, const char* step, char* codes) {
  char rec[RECORD_LENGTH];
  codes[0] = 0;
  memset(rec, 0, sizeof rec);
  for (int r = keyGet(handle, rec, start, NULL, keyNumber); r == 0; r = keyGet(handle, rec, step, NULL, keyNumber)) {
    size_t used = strlen(codes);
    memcpy(codes + used, rec, 4);
    strcpy(codes + used + 4, ",");
  }
}

static int create_two_keys(const char* path) {
  char keys[2 * BT_KEY_DESCRIPTION_SIZE];
  key_description(keys, 1, 'S', 8, 0);
  key_description(keys + BT_KEY_DESCRIPTION_SIZE, 9, 'I', 4, 1);
  return createOpen(path, RECORD_LENGTH, BT_MODE_NORMAL, 2, 2, keys);
}

/* Ends without closing what it created and wrote. */
static void left_open_phase(const char* path) {
  char rec[RECORD_LENGTH];
  int handle = create_two_keys(path);
  check_int("create to leave open", handle >= 0, 1);
  record(rec, "K001", 42, "open");
  check_int("put before the end", put(handle, rec), 0);
}

/* Puts records "Wnnnnnnn" with the number as amount, forever, counting those stored. */
static atomic_int stored_by_thread;
static void* put_forever(void* handle) {
  char rec[RECORD_LENGTH], code[16];
  for (int n = 0;; ++n) {
    snprintf(code, sizeof code, "W%07d", n % 1000);
    record(rec, code, n % 1000, "thread");
    if (put((int)(intptr_t)handle, rec) == 0) atomic_fetch_add(&stored_by_thread, 1);
  }
  return NULL;
}

/* Ends, as a program does by returning from main, while a second thread is putting. What
   the library says goes to the file of messages. */
static void exit_while_putting_phase(const char* path) {
  begin_quiet();
  int handle = fileOpen(path, BT_MODE_NORMAL);
  check_int("open to put into", handle >= 0, 1);
  pthread_t thread;
  check_int("second thread", pthread_create(&thread, NULL, put_forever, (void*)(intptr_t)handle), 0);
  while (atomic_load(&stored_by_thread) < 3) usleep(100);
}

/* Whether every record of the file is one that put_forever wrote, whole, and there are some. */
static int records_whole(const char* path) {
  int handle = fileOpen(path, BT_MODE_READ_ONLY);
  if (handle < 0) return 0;
  char rec[RECORD_LENGTH], expected[RECORD_LENGTH], code[16];
  int whole = 1, count = 0;
  memset(rec, 0, sizeof rec);
  for (int r = keyGet(handle, rec, "f", NULL, 0); r == 0; r = keyGet(handle, rec, "+", NULL, 0), ++count) {
    snprintf(code, sizeof code, "W%07d", (int)amountOf(rec));
    record(expected, code, amountOf(rec), "thread");
    whole = whole && memcmp(rec, expected, RECORD_LENGTH) == 0;
  }
  fileClose(handle);
  return whole && count >= 3;
}

static void write_phase(const char* path) {
  int handle = create_two_keys(path);
  check_int("create", handle >= 0, 1);

  char rec[RECORD_LENGTH], codes[256];
  record(rec, "A001", 300, "\x82\xe8\x82\xf1\x82\xb2"); /* りんご */
  check_int("put A001", put(handle, rec), 0);
  record(rec, "A002", -50, "\x82\xdd\x82\xa9\x82\xf1"); /* みかん */
  check_int("put A002", put(handle, rec), 0);
  record(rec, "A003", 300, "\x82\xd4\x82\xc7\x82\xa4"); /* ぶどう */
  check_int("put A003", put(handle, rec), 0);
  record(rec, "B001", 120, "\xca\xde\xc5\xc5"); /* ﾊﾞﾅﾅ */
  check_int("put B001", put(handle, rec), 0);

  /* By key: the record's own first bytes are key 0; key 1 from a key buffer. */
  record(rec, "A002", 0, "");
  check_int("get A002", get(handle, rec, "="), 0);
  check_int("A002 amount", amountOf(rec), -50);
  check_int("A002 name", memcmp(rec + NAME, "\x82\xdd\x82\xa9\x82\xf1", 6), 0);
  char key[256];
  le32(key, 120);
  check_int("get amount 120", keyGet(handle, rec, "=", key, 1), 0);
  check_text("amount 120", (rec[4] = 0, rec), "B001");
  le32(key, 121);
  check_int("get amount >= 121", keyGet(handle, rec, ">=", key, 1), 0);
  check_text("amount >= 121", (rec[4] = 0, rec), "A001");

  /* Key order, forwards and backwards; equal amounts in the order they came. */
  walk(handle, 0, "f", "+", codes);
  check_text("key 0 forwards", codes, "A001,A002,A003,B001,");
  walk(handle, 0, "l", "-", codes);
  check_text("key 0 backwards", codes, "B001,A003,A002,A001,");
  walk(handle, 1, "f", "+", codes);
  check_text("key 1 forwards", codes, "A002,B001,A001,A003,");
  walk(handle, 1, "l", "-", codes);
  check_text("key 1 backwards", codes, "A003,A001,B001,A002,");

  /* A put of an existing code updates it; not found and end of file say nothing. */
  begin_quiet();
  record(rec, "A001", 999, "\x82\xe8\x82\xf1\x82\xb2\x82\x51"); /* りんご２ */
  check_int("put existing A001", put(handle, rec), 0);
  record(rec, "Z999", 0, "");
  check_int("get missing", get(handle, rec, "="), -1);
  check_int("get last", get(handle, rec, "l"), 0);
  check_int("get past the end", get(handle, rec, "+"), -1);
  check_int("no messages", end_quiet(), 1);
  record(rec, "A001", 0, "");
  check_int("get A001", get(handle, rec, "="), 0);
  check_int("A001 updated", amountOf(rec), 999);

  record(rec, "A002", 0, "");
  check_int("delete A002", del(handle, rec), 0);
  check_int("get deleted", get(handle, rec, "="), -1);
  check_int("count", total(handle), 3);
  char block[128];
  check_int("position block", positionBlock(handle, block), 0);

  /* Handles that are not open fail without touching anything. */
  check_int("handle -1", get(-1, rec, "f"), -1);
  check_int("handle 500", get(500, rec, "f"), -1);
  check_int("unused handle", total(handle + 1), -1);
  check_int("close unused", fileClose(123456), 0);
  check_int("close", fileClose(handle), 0);
  check_int("closed handle", total(handle), -1);
  check_int("close again", fileClose(handle), 0);

  /* One-shot calls. */
  record(rec, "C001", 77, "\x83\x4c\x83\x45\x83\x43"); /* キウイ */
  check_int("one-shot put", oncePut(path, rec), 0);
  record(rec, "C001", 0, "");
  check_int("one-shot get", onceGet(path, rec, "="), 0);
  check_int("one-shot amount", amountOf(rec), 77);
  le32(key, 77);
  check_int("one-shot key get", onceKeyGet(path, rec, "=", key, 1), 0);
  record(rec, "B001", 0, "");
  check_int("one-shot delete", onceDel(path, rec), 0);

  /* 500 handles at once, and not one more; an existing file just opens. */
  static int handles[500];
  int opened = 0;
  for (int i = 0; i < 500; ++i) opened += (handles[i] = fileOpen(path, BT_MODE_NORMAL)) >= 0;
  check_int("500 opens", opened, 500);
  check_int("501st open", fileOpen(path, BT_MODE_NORMAL), -1);
  for (int i = 0; i < 500; ++i) fileClose(handles[i]);
  handle = fileCreateOpen(path, BT_MODE_NORMAL, "no key layout is needed", 23);
  check_int("create-open existing", handle >= 0, 1);
  check_int("count after one-shots", total(handle), 3);
  fileClose(handle);

  /* A missing file fails quietly; a file that is no record file is reported. */
  begin_quiet();
  check_int("open missing", fileOpen("/nonexistent/folder/NONE.DAT", BT_MODE_NORMAL), -1);
  check_int("missing is quiet", end_quiet(), 1);
  begin_quiet();
  check_int("open non-record file", fileOpen(stderr_file, BT_MODE_NORMAL), -1);
  check_int("non-record file is reported", end_quiet(), 0);
  check_int("stop", stop(), 0);
}

/* A new process: everything acknowledged before is there. */
static void read_phase(const char* path) {
  int handle = fileOpen(path, BT_MODE_READ_ONLY);
  check_int("reopen", handle >= 0, 1);
  char codes[256], rec[RECORD_LENGTH];
  walk(handle, 0, "f", "+", codes);
  check_text("stored by code", codes, "A001,A003,C001,");
  walk(handle, 1, "l", "-", codes);
  check_text("stored by amount, backwards", codes, "A001,A003,C001,");
  record(rec, "A001", 0, "");
  check_int("get A001", get(handle, rec, "="), 0);
  check_int("A001 amount", amountOf(rec), 999);
  check_int("A001 name", memcmp(rec + NAME, "\x82\xe8\x82\xf1\x82\xb2\x82\x51", 8), 0);
  check_int("count", total(handle), 3);
  check_int("close", fileClose(handle), 0);
}

static int remove_entry(const char* path, const struct stat* info, int flag, struct FTW* walk) {
  (void)info, (void)flag, (void)walk;
  return remove(path);
}

int main(int argc, char** argv) {
  char folder[] = "/tmp/pemo-hapsy-records-XXXXXX";
  char path[4096];
  if (argc == 3) {
    snprintf(path, sizeof path, "%s", argv[2]);
  } else {
    if (!mkdtemp(folder)) return 2;
    snprintf(path, sizeof path, "%s/ITEMS.DAT", folder);
  }
  /* Keep the library's drive settings out of the user's own configuration. */
  char config[8192];
  snprintf(config, sizeof config, "%s.config", argc == 3 ? argv[2] : path);
  setenv("XDG_CONFIG_HOME", config, 1);
  snprintf(stderr_file, sizeof stderr_file, "%s.stderr", argc == 3 ? argv[2] : path);

  load(check_open_library("libhapsy.so"));
  if (argc == 3) {
    if (strcmp(argv[1], "leave-open") == 0)
      left_open_phase(path);
    else if (strcmp(argv[1], "exit-while-putting") == 0)
      exit_while_putting_phase(path);
    else
      read_phase(path);
    return check_result();
  }

  write_phase(path);
  pid_t child = fork();
  if (child == 0) {
    execl("/proc/self/exe", argv[0], "read", path, (char*)NULL);
    _exit(3);
  }
  int status = 0;
  waitpid(child, &status, 0);
  check_int("new process finds the records", WIFEXITED(status) ? WEXITSTATUS(status) : -1, 0);

  char left_open[4096], rec[RECORD_LENGTH];
  snprintf(left_open, sizeof left_open, "%s/OPEN.DAT", folder);
  child = fork();
  if (child == 0) {
    execl("/proc/self/exe", argv[0], "leave-open", left_open, (char*)NULL);
    _exit(3);
  }
  waitpid(child, &status, 0);
  check_int("ending with a file open", WIFEXITED(status) ? WEXITSTATUS(status) : -1, 0);
  int handle = fileOpen(left_open, BT_MODE_READ_ONLY);
  check_int("left-open file opens", handle >= 0, 1);
  record(rec, "K001", 0, "");
  check_int("left-open record", get(handle, rec, "="), 0);
  check_int("left-open amount", amountOf(rec), 42);
  fileClose(handle);

  /* Processes that end while a second thread of theirs puts records into one file: each
     ends normally and says nothing, and the records stay whole. Enough runs that an end
     meeting a call in progress shows in nearly every check. */
  enum { EXIT_RUNS = 50 };
  char putting[4096], putting_messages[4200];
  snprintf(putting, sizeof putting, "%s/PUT.DAT", folder);
  snprintf(putting_messages, sizeof putting_messages, "%s.stderr", putting);
  handle = create_two_keys(putting);
  check_int("create to put into", handle >= 0, 1);
  fileClose(handle);
  int failed = 0, spoke = 0;
  for (int run = 0; run < EXIT_RUNS; ++run) {
    child = fork();
    if (child == 0) {
      execl("/proc/self/exe", argv[0], "exit-while-putting", putting, (char*)NULL);
      _exit(3);
    }
    waitpid(child, &status, 0);
    failed += !WIFEXITED(status) || WEXITSTATUS(status) != 0;
    spoke += !is_empty(putting_messages);
  }
  check_int("ends while a thread puts that failed", failed, 0);
  check_int("ends while a thread puts that showed a message", spoke, 0);
  check_int("records whole after those ends", records_whole(putting), 1);

  nftw(folder, remove_entry, 16, FTW_DEPTH | FTW_PHYS);
  return check_result();
}
