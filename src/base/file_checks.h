// Questions about files on disk that open nothing.
#pragma once
#include <string>

// True when a find-first-file on the path succeeds (a matching wildcard pattern counts).
bool FileExists(const char* path);

// True when the name is an existing file (not a folder or a device).
bool IsExistingFile(const char* path);

// True when the file exists and its read-only attribute is clear.
bool IsFileWritable(const char* path);

// The file's size from the file status call, -1 when that call fails.
long FileSizeOf(const char* path);

// The full path of `name` as Windows resolves it against the current folder (of any length);
// the name itself when it cannot be resolved.
std::string FullPathOf(const char* name);
