// The text of printed body lines.
#include "printing/body_text.h"

void FindLineStarts(const char* text, size_t length, std::vector<size_t>& starts) {
  starts.clear();
  starts.push_back(0);
  for (size_t i = 0; i < length; ++i) {
    if (text[i] == '\r' && i + 1 < length && text[i + 1] == '\n') ++i;
    if (text[i] == '\r' || text[i] == '\n') starts.push_back(i + 1);
  }
}

void PrepareBodyLine(const char* line, size_t length, char (&out)[kBodyLineCapacity]) {
  if (length > kLineFetchCapacity - 1) length = kLineFetchCapacity - 1;
  size_t used = 0;
  for (size_t i = 0; i < length && line[i] != '\r' && line[i] != '\n'; ++i) {
    if (line[i] == '&') out[used++] = '&';
    out[used++] = line[i];
  }
  out[used] = '\0';
}
