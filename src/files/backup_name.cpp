// The names of the files a save makes beside a document.
#include "files/backup_name.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr char kBackupExtension[] = ".bak";

char Lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Where the file name starts: after the last folder separator (or a drive's colon).
const char* FileNameOf(const char* path) {
  const char* name = path;
  for (const char* p = path; *p; ++p) {
    if (*p == '\\' || *p == '/' || *p == ':') name = p + 1;
  }
  return name;
}

// The length of a name without the dots and blanks that Windows drops from its end.
size_t ResolvedLength(const char* name) {
  size_t length = std::strlen(name);
  while (length > 0 && (name[length - 1] == '.' || name[length - 1] == ' ')) --length;
  return length;
}

}  // namespace

bool SameFileName(const char* a, const char* b) {
  const size_t length = ResolvedLength(a);
  if (ResolvedLength(b) != length) return false;
  for (size_t i = 0; i < length; ++i) {
    if (Lower(a[i]) != Lower(b[i])) return false;
  }
  return true;
}

bool BackupPathFor(const char* path, char* backup, size_t capacity) {
  if (capacity) backup[0] = '\0';
  const char* dot = std::strrchr(FileNameOf(path), '.');
  const size_t stem = dot ? static_cast<size_t>(dot - path) : std::strlen(path);
  if (stem + sizeof kBackupExtension > capacity) return false;
  std::memcpy(backup, path, stem);
  std::memcpy(backup + stem, kBackupExtension, sizeof kBackupExtension);
  if (SameFileName(backup, path)) {
    backup[0] = '\0';
    return false;
  }
  return true;
}

bool TemporaryPathFor(const char* path, unsigned unique, char* temp, size_t capacity) {
  if (capacity) temp[0] = '\0';
  const size_t folder = static_cast<size_t>(FileNameOf(path) - path);
  char name[16];
  const int nameLength = std::snprintf(name, sizeof name, "~nv%04X.tmp", unique & 0xFFFFu);
  if (nameLength <= 0 || folder + static_cast<size_t>(nameLength) + 1 > capacity) return false;
  std::memcpy(temp, path, folder);
  std::memcpy(temp + folder, name, static_cast<size_t>(nameLength) + 1);
  return true;
}
