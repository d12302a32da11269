// The document window's class and its six 32-bit window words, which hold the document's state.
#pragma once
#include <windows.h>

constexpr ATOM kDocWindowClass = 1000;  // an integer class name, not a string
constexpr int kDocWindowWords = 24;
constexpr int kEditControlId = 4000;

// Byte offsets of the six 32-bit window words.
enum DocWord : int {
  kEditWord = 0,        // the rich-edit control
  kModifiedWord = 4,    // 1 once the text changed since it was loaded or saved
  kWrapWord = 8,        // 1 when lines wrap at the window edge
  kViewingWord = 12,    // 1 when the document is only viewed (read-only)
  kSavedWord = 16,      // 1 when the document belongs to a file on disk
  kLineFormatWord = 20  // the file's line-end convention (files/line_format.h)
};

LONG GetDocWord(HWND document, DocWord word);
void SetDocWord(HWND document, DocWord word, LONG value);
