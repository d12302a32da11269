// Writing a file so that a failure at any step leaves the previous file as it was: the bytes go
// to a new file beside it, which then takes its name in one step.
#pragma once
#include <windows.h>

#include <cstddef>

// The step of writing a file that failed, as the message (60020-titled) that reports it.
enum WriteFailure : UINT {
  kWritten = 0,
  kCreateFailed = 60026,  // also: the new file could not be put in place
  kWriteFailed = 60037,
  kFlushFailed = 60040,
  kSetEndFailed = 60041,
  kCloseFailed = 60042,
};

// Writes `length` bytes of `data` as the whole file `path` (with `fill` false: an empty file).
// With `keepBackup` the previous file, if any, becomes `path`'s ".bak". The file keeps its
// attributes and creation time. A hard-linked or symbolically linked file, and one in a folder
// that takes no new files, is written in place instead (after copying it to its ".bak"), so
// that the link stays. On failure returns the step and puts the system's code in *error.
WriteFailure WriteFileSafely(const char* path, const char* data, size_t length, bool fill,
                             bool keepBackup, DWORD* error);

// Copies the file to its ".bak" name, replacing an older backup; nothing to do (success) when
// the file does not exist; no backup (failure) for a read-only file or one whose ".bak" name is
// itself. Used where the file is then written in place; the caller does not use the result.
int MakeBackupFile(const char* path);
