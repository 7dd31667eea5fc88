/* Helpers for the plain C programs that load a support library by path and check
   its exports as a C caller sees them. */
#ifndef PEMO_SUPPORT_C_CHECK_H
#define PEMO_SUPPORT_C_CHECK_H

#include <dlfcn.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static int check_failures = 0;

static inline void* check_open_library(const char* name) {
  char path[4096];
  snprintf(path, sizeof path, "%s/%s", PEMO_BIN_DIR, name);
  void* library = dlopen(path, RTLD_NOW | RTLD_LOCAL);
  if (!library) {
    fprintf(stderr, "cannot load %s: %s\n", path, dlerror());
    exit(2);
  }
  return library;
}

static inline void* check_symbol(void* library, const char* name) {
  void* symbol = dlsym(library, name);
  if (!symbol) {
    fprintf(stderr, "missing export %s\n", name);
    exit(2);
  }
  return symbol;
}

static inline void check_text(const char* what, const char* actual, const char* expected) {
  if (strcmp(actual, expected) != 0) {
    fprintf(stderr, "%s: got \"%s\", expected \"%s\"\n", what, actual, expected);
    ++check_failures;
  }
}

static inline void check_int(const char* what, long actual, long expected) {
  if (actual != expected) {
    fprintf(stderr, "%s: got %ld, expected %ld\n", what, actual, expected);
    ++check_failures;
  }
}

/* The bytes after a text's NUL must be those the caller left there. */
static inline void check_untouched(const char* what, const char* bytes, const char* expected, size_t count) {
  if (memcmp(bytes, expected, count) != 0) {
    fprintf(stderr, "%s: bytes past the text were changed\n", what);
    ++check_failures;
  }
}

static inline int check_result(void) {
  if (check_failures) fprintf(stderr, "%d check(s) failed\n", check_failures);
  return check_failures ? 1 : 0;
}

#endif
