// Questions about files on disk that open nothing.
#include "files/file_checks.h"

#include <windows.h>

bool FileExists(const char* path) {
  if (!path || !*path) return false;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(path, &found);
  if (search == INVALID_HANDLE_VALUE) return false;
  FindClose(search);
  return true;
}
