// Reading a whole text file for a document or an insertion: one open, one read, one close,
// then the file's line ends turned into the editor's CR LF in the same buffer.
#pragma once
#include <windows.h>

#include "ui/global_block.h"

struct TextFileContents {
  GlobalBlock text;  // the editor text, NUL-terminated (it ends at the file's first NUL byte)
  DWORD length = 0;  // characters of the editor text
  int format = 0;    // the file's LineFormat
};

// Reads `path` (read and write access when `forWriting`, no sharing) under the wait cursor with
// "Reading %s" in the status line. The size is taken from the open file, so a file that grew
// since it was looked at is still refused as too large and never read in part. On failure the
// step's message has been shown to `owner` and 0 is returned.
int ReadTextFile(HWND owner, const char* path, bool forWriting, TextFileContents& contents);

// A file size as the "Size: %u Bytes" of the too-large message shows it.
unsigned SizeForMessage(long long size);
