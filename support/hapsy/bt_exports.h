#pragma once
/* C exports of libhapsy for record files. Paths are code page 932 text ending in NUL
   (Windows paths or host paths); records are buffers of the file's record length owned
   by the caller. Results are 0 (or a handle) on success and -1 on failure; engine
   failures other than not-found and end-of-file are also shown in a message box. */
#include "support/common/c_export.h"
#include "support/hapsy/key_description.h"

/* Open modes of the engine. */
#define BT_MODE_NORMAL 0
#define BT_MODE_ACCELERATED (-1)
#define BT_MODE_READ_ONLY (-2)
#define BT_MODE_VERIFY (-3)
#define BT_MODE_EXCLUSIVE (-4)


/* Handle-based exports: a handle comes from BtFileOpen or BtFileCreateOpen (0-499). */
PEMO_C_EXPORT int BtFileOpen(const char* path, int mode);
PEMO_C_EXPORT int BtFileCreateOpen(const char* path, int mode, const char* layout, int layoutLength);
PEMO_C_EXPORT int VBBtFileCreateOpen(const char* path, int recordLength, int mode, int keyDescriptionCount,
                                     int indexCount, const char* keyDescriptions);
PEMO_C_EXPORT int BtFileClose(int handle);
/* Operator: ">=", "<=", "+" (next), "-" (previous), "<", "=", "f" (first), "l" (last);
   any other text gets the next greater key. */
PEMO_C_EXPORT int BtOCFileGet(int handle, char* record, const char* op);
/* A null key takes the key from the record; key number -1 is key 0. */
PEMO_C_EXPORT int BtOCKFileGet(int handle, char* record, const char* op, char* key, int keyNumber);
/* Inserts the record, or updates the record with the same key when there is one. */
PEMO_C_EXPORT int BtOCFilePut(int handle, const char* record);
PEMO_C_EXPORT int BtOCKFilePut(int handle, const char* record, const char* key, int keyNumber);
PEMO_C_EXPORT int BtOCFileDel(int handle, const char* record);
PEMO_C_EXPORT int BtOCRecTotalGet(int handle);
/* Copies the 128-byte position block. */
PEMO_C_EXPORT int BtOCPbGet(int handle, char* destination);
/* Stops the engine: every open file is closed and every handle released. */
PEMO_C_EXPORT int BtStop(void);

/* One-shot exports: open, operate, close. */
PEMO_C_EXPORT int BtFileGet(const char* path, char* record, const char* op);
PEMO_C_EXPORT int BtFilePut(const char* path, const char* record);
PEMO_C_EXPORT int BtFileDel(const char* path, const char* record);
PEMO_C_EXPORT int BtKFilePut(const char* path, const char* record, const char* key, int keyNumber);
PEMO_C_EXPORT int BtKFileGet(const char* path, char* record, const char* op, char* key, int keyNumber);
