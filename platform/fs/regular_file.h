#pragma once
// Opening a file by name only when it is a plain file. A FIFO or a device named where a
// file belongs would stop the program: opening a FIFO waits for a writer or a reader, and
// a device such as /dev/zero never ends. Writing in their place must not replace them.
// Some files the kernel calls plain still wait on a read (/proc/kmsg waits for the next
// kernel message): the descriptor stays non-blocking, so such a read fails at once.
#include <sys/types.h>

#include <filesystem>

namespace pemo::fs {

// Opens the file (a link followed) with the flags of open(2), O_CREAT among them, and
// returns its descriptor in non-blocking mode: a read or write that would wait fails with
// EAGAIN. Never waits: -1, and nothing opened, for a folder, a FIFO, a device or a
// socket, as for a file that cannot be opened.
int openRegularFile(const std::filesystem::path& file, int flags, mode_t mode = 0666);

}  // namespace pemo::fs
