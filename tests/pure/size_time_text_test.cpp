// The size and time texts of the file properties window.
#include <gtest/gtest.h>

#include <string>

#include "files/size_time_text.h"

TEST(SizeTimeText, SizesAndClockTimesReadAsAWindowsUserExpects) {
  char text[64];
  const std::pair<unsigned long long, const char*> sizes[] = {
      {500, "500 Bytes (500)"},
      {1536, "1.5 K Bytes (1536)"},
      {1048575, "1024 K Bytes (1048575)"},
      {1048576, "1 M Bytes (1048576)"},
      {10737418240ULL, "10 G Bytes (10737418240)"}};  // only the ".0" goes
  for (const auto& [size, expected] : sizes) {
    FormatSizeText(size, text, sizeof text);
    EXPECT_STREQ(text, expected);
  }
  const std::pair<CalendarTime, const char*> times[] = {
      {{1997, 12, 0, 7, 0, 5}, "Sunday, December 7, 1997 - 12:05 AM"},
      {{1997, 12, 0, 7, 12, 30}, "Sunday, December 7, 1997 - 12:30 PM"}};
  for (const auto& [time, expected] : times) {
    FormatClockText(time, text, sizeof text);
    EXPECT_STREQ(text, expected);
  }
}
