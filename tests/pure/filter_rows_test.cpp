// The Filters page's text rules: splitting a stored filter, accepting typed rows, joining.
#include <gtest/gtest.h>

#include <string>

#include "options/filter_rows.h"

TEST(FilterRows, SplitAcceptAndJoin) {
  const struct {
    const char* stored;
    const char* description;
    const char* extensions;
  } splits[] = {
      {"Text Files|*.txt;*.log|", "Text Files", "*.txt;*.log"},
      {"a,b|c,d|e|", "a,b", "c;d"},  // commas only change in the extensions
      {"No bar at all", "No bar at all", ""},
      {"|||", "", ""},
  };
  for (const auto& s : splits) {
    const FilterRow row = SplitFilter(s.stored);
    EXPECT_EQ(s.description, row.description) << s.stored;
    EXPECT_EQ(s.extensions, row.extensions) << s.stored;
  }
  EXPECT_EQ("ab", AcceptedDescription("a|b"));
  EXPECT_EQ("a;bc", AcceptedExtensions("a,b|c"));
  EXPECT_EQ("Text|*.txt|", JoinFilter("Text", "*.txt", 256));
  EXPECT_EQ("||", JoinFilter("", "", 256));
  const std::string joined = JoinFilter(std::string(300, 'd'), "*.x", 256);
  EXPECT_EQ(std::string(255, 'd'), joined);
}
