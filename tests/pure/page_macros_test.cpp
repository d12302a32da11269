// Header and footer templates expanded for a title, a page number and fixed date and time texts.
// Built natively as well as for Windows.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "printing/page_macros.h"

TEST(PageMacros, ExpandsEveryMacro) {
  const PageStamps stamps = {"Wed Sep 30 1998 ", "09 /30 /98 ", "9:05 PM"};
  const std::string path = "C:\\notes\\todo.txt";
  const std::string longTitle(255, 'x');
  const struct {
    std::string pattern, title;
    int page;
    std::string expected;
  } cases[] = {
      {"File: $F - $D - $T", path, 1, "File: C:\\notes\\todo.txt - Wed Sep 30 1998  - 9:05 PM"},
      {"- Page $P -", path, 3, "- Page 3 -"},
      {"$p/$t/$d", path, 12345, "12345/9:05 PM/09 /30 /98 "},
      {"[$f]", path, 1, "[todo.txt]"},
      {"[$f][$F]", "New1", 1, "[][New1]"},
      {"[$f]", "C:\\dir\\", 1, "[]"},
      {"$$ $x $% $", path, 1, "$ x % "},
      {"100$", path, 1, "100"},
      {"&Header && $P", path, 7, "&Header && 7"},
      {"", path, 1, ""},
      // Four long titles would need 1,020 characters and more: cut at 1,023, never beyond.
      {"$F$F$F$F$F", longTitle, 1, std::string(1023, 'x')},
  };
  for (const auto& c : cases) {
    char out[kPageTextCapacity];
    std::memset(out, '?', sizeof out);
    EXPECT_EQ(out, ExpandPageMacros(out, c.pattern.c_str(), c.title.c_str(), c.page, stamps));
    EXPECT_EQ(c.expected, out) << c.pattern;
  }
}
