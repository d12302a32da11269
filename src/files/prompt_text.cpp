// Text rules of the file prompts that need no window.
#include "files/prompt_text.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr size_t kSelectedPathCapacity = 256;

// Copies at most capacity - 1 characters and terminates.
void CopyBounded(char* out, size_t capacity, const char* text, size_t length) {
  if (capacity == 0) return;
  if (length > capacity - 1) length = capacity - 1;
  std::memcpy(out, text, length);
  out[length] = '\0';
}

// Length of the item at `item`, which must end before `end` (0 when it does not).
size_t ItemLength(const char* item, const char* end) {
  const void* nul = std::memchr(item, '\0', static_cast<size_t>(end - item));
  return nul ? static_cast<size_t>(static_cast<const char*>(nul) - item) : 0;
}

}  // namespace

size_t SplitTypeList(char* list) {
  const size_t length = std::strlen(list);
  if (length == 0) return 0;
  const char separator = list[length - 1];
  for (size_t i = 0; i < length; ++i) {
    if (list[i] == separator) list[i] = '\0';
  }
  return length;
}

bool InitialFolderOf(const char* path, char* folder, size_t capacity) {
  if (capacity) folder[0] = '\0';
  const char* lastSlash = path ? std::strrchr(path, '\\') : nullptr;
  if (!lastSlash) return false;
  size_t length = static_cast<size_t>(lastSlash - path) + 1;
  if (length > 3) --length;  // "C:\" keeps its backslash, "C:\dir\" does not
  CopyBounded(folder, capacity, path, length);
  return true;
}

void FolderWithBackslash(const char* path, char* folder, size_t capacity) {
  const char* lastSlash = path ? std::strrchr(path, '\\') : nullptr;
  CopyBounded(folder, capacity, path ? path : "",
              lastSlash ? static_cast<size_t>(lastSlash - path) + 1 : 0);
}

long ClampToScreen(long position, long screenExtent) {
  const long limit = screenExtent - kPromptEdgeMargin;
  return position > limit ? limit : position;
}

int ForEachSelectedPath(const char* buffer, size_t bufferSize,
                        const std::function<void(const char* path)>& visit) {
  const char* const end = buffer + bufferSize;
  const size_t firstLength = ItemLength(buffer, end);
  if (firstLength == 0) return 0;
  const char* second = buffer + firstLength + 1;
  char path[kSelectedPathCapacity];
  if (second >= end || *second == '\0') {  // one file: a full path
    CopyBounded(path, sizeof path, buffer, firstLength);
    visit(path);
    return 1;
  }
  char folder[kSelectedPathCapacity] = "";
  int visited = 0;
  for (const char* item = buffer; item < end && *item;) {
    size_t length = ItemLength(item, end);
    if (length == 0) break;  // not terminated inside the buffer
    if (std::memchr(item, '\\', length)) {
      // A drive root arrives as "C:\"; the join adds the backslash back.
      const size_t folderLength = item[length - 1] == '\\' ? length - 1 : length;
      CopyBounded(folder, sizeof folder, item, folderLength);
    } else {
      std::snprintf(path, sizeof path, "%s\\%.*s", folder, static_cast<int>(length), item);
      visit(path);
      ++visited;
    }
    item += length + 1;
  }
  return visited;
}
