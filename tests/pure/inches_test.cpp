// Margins between thousandths of an inch and the text of the Printing page. Built natively too.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "options/inches.h"

// clang-format off
TEST(Inches, FormatAndParse) {
  char text[kInchesTextCapacity];
  for (const auto& c : {std::pair<long, const char*>{500, "0.50"}, {1225, "1.23"}, {-1000, "-1.00"},
                        {2147483647, "2147483.75"}}) {
    FormatInches(c.first, text);
    EXPECT_STREQ(c.second, text) << c.first;
  }
  const std::pair<std::string, long> read[] = {
      {"0.75", 750}, {"1.2345", 1234}, {"abc", 0}, {"-1", -1000}, {"  .5in", 500}, {"1e3", 1000000},
      {"1e+x", 1000}, {"-0.0019", -1}, {"0x10", 0}, {"inf", 0}, {"nan", 0}, {"1e300", 2147483647},
      {"-1e300", -2147483647 - 1}, {std::string(300, '9'), 2147483647}};
  for (const auto& c : read) EXPECT_EQ(c.second, ParseInchesText(c.first.c_str())) << c.first;
}
// clang-format on
