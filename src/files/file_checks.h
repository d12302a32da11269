// Questions about files on disk that open nothing.
#pragma once

// True when a find-first-file on the path succeeds (a matching wildcard pattern counts).
bool FileExists(const char* path);

// True when the file exists and its read-only attribute is clear.
bool IsFileWritable(const char* path);

// The file's size from the file status call, -1 when that call fails.
long FileSizeOf(const char* path);
