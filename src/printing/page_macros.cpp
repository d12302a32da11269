// Header and footer templates.
#include "printing/page_macros.h"

#include <cstdio>
#include <cstring>

namespace {

// Appends to `out` while room is left, always keeping the terminator.
class Appender {
 public:
  explicit Appender(char (&out)[kPageTextCapacity]) : out_(out) { out_[0] = '\0'; }
  void Add(const char* text) {
    while (*text && length_ < kPageTextCapacity - 1) out_[length_++] = *text++;
    out_[length_] = '\0';
  }
  void Add(char c) {
    const char text[2] = {c, '\0'};
    Add(text);
  }

 private:
  char (&out_)[kPageTextCapacity];
  int length_ = 0;
};

const char* FileNamePart(const char* title) {
  const char* slash = std::strrchr(title, '\\');
  return slash ? slash + 1 : "";
}

}  // namespace

const char* ExpandPageMacros(char (&out)[kPageTextCapacity], const char* pattern, const char* title,
                             int page, const PageStamps& stamps) {
  Appender result(out);
  for (const char* p = pattern; *p; ++p) {
    if (*p != '$') {
      result.Add(*p);
      continue;
    }
    const char macro = *++p;
    if (!macro) break;  // a final "$" stands for nothing
    char number[16];
    switch (macro) {
      case 'D':
        result.Add(stamps.longDate);
        break;
      case 'd':
        result.Add(stamps.shortDate);
        break;
      case 'T':
      case 't':
        result.Add(stamps.time);
        break;
      case 'P':
      case 'p':
        std::snprintf(number, sizeof number, "%d", page);
        result.Add(number);
        break;
      case 'F':
        result.Add(title);
        break;
      case 'f':
        result.Add(FileNamePart(title));
        break;
      default:
        result.Add(macro);
    }
  }
  return out;
}
