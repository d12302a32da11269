// Margins between thousandths of an inch and the text of the Printing page. Built natively too.
#include <gtest/gtest.h>

#include <string>

#include "options/inches.h"

TEST(Inches, FormatAndParse) {
  const struct {
    long thousandths;
    const char* text;
  } shown[] = {{500, "0.50"}, {1000, "1.00"}, {1225, "1.23"}, {0, "0.00"},
               {5, "0.01"},   {-1000, "-1.00"}, {123456, "123.46"}, {2147483647, "2147483.75"}};
  for (const auto& c : shown) {
    char text[kInchesTextCapacity];
    FormatInches(c.thousandths, text);
    EXPECT_STREQ(c.text, text) << c.thousandths;
  }
  const struct {
    std::string text;
    long thousandths;
  } read[] = {{"0.75", 750},       {"1.2345", 1234}, {"abc", 0},      {"-1", -1000},
              {"  .5in", 500},     {"1e3", 1000000}, {"2e", 2000},    {"1e+x", 1000},
              {"-0.0019", -1},     {"+", 0},         {".", 0},        {"0x10", 0},
              {"inf", 0},          {"nan", 0},       {"", 0},         {"1e300", 2147483647},
              {"-1e300", -2147483647 - 1},           {std::string(300, '9'), 2147483647},
              {"0." + std::string(298, '5'), 555}};
  for (const auto& c : read) EXPECT_EQ(c.thousandths, ParseInchesText(c.text.c_str())) << c.text;
}
