// The text of an indirect file list.
#include "files/list_text.h"

#include <cstring>

namespace {

bool IsListBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

bool IsSeparator(char c) {
  return c == '\\' || c == '/';
}

// "C:\..." or "\\server\...": a name that needs nothing of the list's place.
bool IsRootedWithDrive(const char* name) {
  const bool drive = name[0] && name[1] == ':' && IsSeparator(name[2]);
  return drive || (IsSeparator(name[0]) && IsSeparator(name[1]));
}

// Length of the root of `path`: "C:" for a drive, "\\server\share" for a share, else 0.
size_t RootLength(const char* path) {
  if (path[0] && path[1] == ':') return 2;
  if (!(IsSeparator(path[0]) && IsSeparator(path[1]))) return 0;
  size_t length = 2;
  for (int part = 0; part < 2; ++part) {
    if (part) ++length;  // the separator between server and share
    while (path[length] && !IsSeparator(path[length])) ++length;
  }
  return length;
}

bool Join(const char* head, size_t headLength, const char* tail, char* out, size_t capacity) {
  const size_t tailLength = std::strlen(tail);
  if (headLength + tailLength + 1 > capacity) return false;
  std::memmove(out, head, headLength);
  std::memcpy(out + headLength, tail, tailLength + 1);
  return true;
}

}  // namespace

size_t ForEachListEntry(const char* text, size_t length,
                        const std::function<void(const char* entry)>& visit) {
  char piece[kListPieceLength + 1];
  size_t used = 0;
  size_t visited = 0;
  auto finish = [&] {
    piece[used] = '\0';
    used = 0;
    // The name ends at a NUL byte, as a C string would.
    const char first = piece[0];
    if (first == '\0' || IsListBlank(first) || first == '#' || first == ';') return;
    visit(piece);
    ++visited;
  };
  for (size_t i = 0; i < length; ++i) {
    const char c = text[i];
    if (c == '\n') {
      finish();
      continue;
    }
    if (c == '\r' && i + 1 < length && text[i + 1] == '\n') continue;  // CR LF reads as LF
    piece[used++] = c;
    if (used == kListPieceLength) finish();
  }
  if (used) finish();
  return visited;
}

bool ResolveListEntry(const char* listPath, const char* entry, char* out, size_t capacity) {
  if (capacity == 0) return false;
  if (IsRootedWithDrive(entry) || (entry[0] && entry[1] == ':')) {
    return Join("", 0, entry, out, capacity);
  }
  if (IsSeparator(entry[0])) return Join(listPath, RootLength(listPath), entry, out, capacity);
  const char* slash = std::strrchr(listPath, '\\');
  const char* other = std::strrchr(listPath, '/');
  if (!slash || (other && other > slash)) slash = other;
  const size_t folder = slash ? static_cast<size_t>(slash - listPath) + 1 : 0;
  return Join(listPath, folder, entry, out, capacity);
}
