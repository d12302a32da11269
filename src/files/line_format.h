// Line-end conventions: detection and conversion between a file's bytes and the editor's
// CR LF text. Pure text logic, no Windows header: built natively too.
#pragma once
#include <cstddef>

enum LineFormat { kWindowsFormat = 0, kMacintoshFormat = 1, kUnixFormat = 2 };

// The convention of a NUL-terminated text: one CR LF anywhere makes it Windows; otherwise any
// CR makes it Macintosh; otherwise any LF makes it Unix; a text without line ends is Windows.
int DetectLineFormatOf(const char* text);

// Editor text from a file's text of `format`: Macintosh CR and Unix LF become CR LF, every other
// byte is copied. `out` must hold 2 * length + 1 bytes; returns the new length (NUL written).
size_t ConvertToEditorBytes(const char* text, size_t length, int format, char* out);
// The same conversion in place, from the end backwards, so no second buffer is needed: `text`
// must hold 2 * length + 1 bytes. Returns the new length (NUL written).
size_t ConvertToEditorBytesInPlace(char* text, size_t length, int format);

// File text from editor text: Macintosh drops every LF, Unix drops every CR, Windows copies.
// `out` must hold length + 1 bytes and may be `text` itself (the output never runs ahead of the
// input); returns the new length (NUL written).
size_t ConvertToFileBytes(const char* text, size_t length, int format, char* out);

inline bool IsValidLineFormat(int format) {
  return format >= kWindowsFormat && format <= kUnixFormat;
}
