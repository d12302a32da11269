// Line-end conventions: detection and conversion.
#include "files/line_format.h"

#include <cstring>

int DetectLineFormatOf(const char* text) {
  if (!*text || std::strstr(text, "\r\n")) return kWindowsFormat;
  if (std::strchr(text, '\r')) return kMacintoshFormat;
  if (!std::strchr(text, '\n')) return kWindowsFormat;
  return kUnixFormat;
}

size_t ConvertToEditorBytes(const char* text, size_t length, int format, char* out) {
  const char lineEnd = format == kMacintoshFormat ? '\r' : format == kUnixFormat ? '\n' : 0;
  size_t used = 0;
  for (size_t i = 0; i < length; ++i) {
    if (lineEnd && text[i] == lineEnd) {
      out[used++] = '\r';
      out[used++] = '\n';
    } else {
      out[used++] = text[i];
    }
  }
  out[used] = '\0';
  return used;
}

size_t ConvertToEditorBytesInPlace(char* text, size_t length, int format) {
  const char lineEnd = format == kMacintoshFormat ? '\r' : format == kUnixFormat ? '\n' : 0;
  size_t lineEnds = 0;
  if (lineEnd) {
    for (size_t i = 0; i < length; ++i) lineEnds += text[i] == lineEnd;
  }
  const size_t newLength = length + lineEnds;
  text[newLength] = '\0';
  // Every output byte lands at or behind its input byte, so walking backwards overwrites
  // only bytes already moved.
  size_t out = newLength;
  for (size_t i = length; i-- > 0 && out != i;) {
    if (lineEnd && text[i] == lineEnd) {
      text[--out] = '\n';
      text[--out] = '\r';
    } else {
      text[--out] = text[i];
    }
  }
  return newLength;
}

size_t ConvertToFileBytes(const char* text, size_t length, int format, char* out) {
  const char dropped = format == kMacintoshFormat ? '\n' : format == kUnixFormat ? '\r' : 0;
  size_t used = 0;
  for (size_t i = 0; i < length; ++i) {
    if (!dropped || text[i] != dropped) out[used++] = text[i];
  }
  out[used] = '\0';
  return used;
}
