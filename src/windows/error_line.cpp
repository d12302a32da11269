// One line of the error codes list.
#include "windows/error_line.h"

#include <cstdio>

int FormatErrorLine(int code, const char* message, char* line, size_t capacity) {
  if (!message || !*message || capacity == 0) return 0;
  const int written =
      std::snprintf(line, capacity, "%d\t0x%04X\t%s", code, static_cast<unsigned>(code), message);
  if (written < 0) return 0;
  for (char* p = line; *p; ++p) {
    if (*p == '\r' || *p == '\n') *p = ' ';
  }
  return 1;
}
