// Questions about files on disk that open nothing.
#include "base/file_checks.h"

#include <windows.h>

bool FileExists(const char* path) {
  if (!path || !*path) return false;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(path, &found);
  if (search == INVALID_HANDLE_VALUE) return false;
  FindClose(search);
  return true;
}

bool IsExistingFile(const char* path) {
  if (!path || !*path) return false;
  // A device ("nul", "c:\dir\com1") answers the attribute call like a file; its full path
  // ("\\.\nul") shows what it is.
  if (FullPathOf(path).compare(0, 4, "\\\\.\\") == 0) return false;
  const DWORD attributes = GetFileAttributesA(path);
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsFileWritable(const char* path) {
  if (!path || !*path) return false;
  const DWORD attributes = GetFileAttributesA(path);
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_READONLY);
}

long FileSizeOf(const char* path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!path || !GetFileAttributesExA(path, GetFileExInfoStandard, &data)) return -1;
  // A size beyond what a signed 32-bit number holds still has to be refused as too large.
  if (data.nFileSizeHigh != 0 || data.nFileSizeLow > 0x7FFFFFFF) return 0x7FFFFFFF;
  return static_cast<long>(data.nFileSizeLow);
}

std::string FullPathOf(const char* name) {
  if (!name || !*name) return std::string();
  std::string full(MAX_PATH, '\0');
  DWORD length = GetFullPathNameA(name, static_cast<DWORD>(full.size()), full.data(), nullptr);
  if (length >= full.size()) {  // too small: the answer is the size needed
    full.assign(length, '\0');
    length = GetFullPathNameA(name, static_cast<DWORD>(full.size()), full.data(), nullptr);
  }
  if (length == 0 || length >= full.size()) return name;
  full.resize(length);
  return full;
}
