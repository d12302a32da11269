// Streaming a text held in memory into a rich-edit control, for the benchmarks that fill a
// control of their own. Needs nothing of the program, so a stand-alone program can use it.
#pragma once
#include <windows.h>
#include <richedit.h>

#include <cstring>

struct MemoryFeed {
  const char* next;
  size_t left;
};

inline DWORD CALLBACK FeedFromMemory(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* given) {
  auto* feed = reinterpret_cast<MemoryFeed*>(cookie);
  const size_t count = feed->left < static_cast<size_t>(wanted) ? feed->left : wanted;
  std::memcpy(buffer, feed->next, count);
  feed->next += count;
  feed->left -= count;
  *given = static_cast<LONG>(count);
  return 0;
}

// One EM_STREAMIN of `length` bytes of plain text (`flags` may add SFF_SELECTION).
inline void StreamIntoControl(HWND edit, const char* text, size_t length, UINT flags = 0) {
  MemoryFeed feed = {text, length};
  EDITSTREAM stream = {reinterpret_cast<DWORD_PTR>(&feed), 0, FeedFromMemory};
  SendMessageA(edit, EM_STREAMIN, SF_TEXT | flags, reinterpret_cast<LPARAM>(&stream));
}
