// The ".bak" name of a file about to be overwritten.
#include "files/backup_name.h"

#include <cstring>

namespace {

constexpr char kBackupExtension[] = ".bak";

char Lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameIgnoringCase(const char* a, const char* b) {
  for (; *a && *b; ++a, ++b) {
    if (Lower(*a) != Lower(*b)) return false;
  }
  return *a == *b;
}

}  // namespace

bool BackupPathFor(const char* path, char* backup, size_t capacity) {
  if (capacity) backup[0] = '\0';
  // The file name starts after the last folder separator (or a drive's colon).
  const char* name = path;
  for (const char* p = path; *p; ++p) {
    if (*p == '\\' || *p == '/' || *p == ':') name = p + 1;
  }
  const char* dot = std::strrchr(name, '.');
  const size_t stem = dot ? static_cast<size_t>(dot - path) : std::strlen(path);
  if (stem + sizeof kBackupExtension > capacity) return false;
  std::memcpy(backup, path, stem);
  std::memcpy(backup + stem, kBackupExtension, sizeof kBackupExtension);
  if (SameIgnoringCase(backup, path)) {
    backup[0] = '\0';
    return false;
  }
  return true;
}
