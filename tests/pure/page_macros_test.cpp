// Header and footer templates expanded for a title, a page number and fixed date and time texts.
// Built natively as well as for Windows.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "printing/body_text.h"
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
      {"$p/$t/$d", path, 12345, "12345/9:05 PM/09 /30 /98 "},
      {"[$f]", path, 1, "[todo.txt]"},
      {"[$f][$F]", "New1", 1, "[][New1]"},
      {"$$ $x $% $", path, 1, "$ x % "},
      // A final "$": long enough to lie on the heap, where a read past its end is caught.
      {"A final dollar, no macro: $", path, 1, "A final dollar, no macro: "},
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

TEST(BodyText, LineStartsAndPreparedLines) {
  const struct {
    std::string text;
    std::vector<size_t> starts;
  } splits[] = {
      {"", {0}},
      {"a\rb\nc\r\n\r\nd", {0, 2, 4, 7, 9}},
      {"a\n\r\nb", {0, 2, 4}},
  };
  for (const auto& s : splits) {
    std::vector<size_t> starts = {99};
    FindLineStarts(s.text.data(), s.text.size(), starts);
    EXPECT_EQ(s.starts, starts) << s.text;
  }

  const struct {
    std::string line, expected;
  } lines[] = {
      {"a&b\tc&&\rnext", "a&&b\tc&&&&"},
      {std::string(1023, '&') + "\r\n", std::string(2046, '&')},
      {std::string(1023, 'x') + "tail", std::string(1023, 'x')},
      {"", ""},
  };
  for (const auto& l : lines) {
    char out[kBodyLineCapacity];
    PrepareBodyLine(l.line.data(), l.line.size(), out);
    EXPECT_EQ(l.expected, out) << l.line.substr(0, 20);
  }
}
