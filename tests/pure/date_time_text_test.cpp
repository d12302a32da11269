// Date and time texts for Wednesday, 30 September 1998, 21:05, over pictures and regional
// settings. Built natively as well as for Windows.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "editing/date_time_text.h"

namespace {

std::tm At(int hour, int minute) {
  std::tm time = {};
  time.tm_year = 98, time.tm_mon = 8, time.tm_mday = 30, time.tm_wday = 3;
  time.tm_hour = hour, time.tm_min = minute;
  return time;
}

void Put(char (&value)[kIntlValueCapacity], const std::string& text) {
  std::strncpy(value, text.c_str(), sizeof value - 1);
  value[sizeof value - 1] = '\0';
}

TEST(DateText, PicturesAndSeparators) {
  // A picture of 79 characters: sixteen "dddd" tokens joined by a long separator.
  const std::string longSeparator = "/" + std::string(78, '#');
  std::string longPicture, longDate;
  for (int i = 0; i < 16; ++i) {
    longPicture += "dddd/";
    longDate += "Wednesday " + longSeparator;
  }
  const struct {
    int longDate;
    std::string picture, sDate, expected;
  } cases[] = {
      {1, "ddd, mmm d, yyyy", "/", "Wed Sep 30 1998 "},
      {1, "dddd, MMMM dd, yyyy", "/", "Wednesday September 30 1998 "},
      {0, "M/d/yy", "/", "9 /30 /98 "},
      {0, "dd\xB7mm\xB7yyyy", "\xB7",
       "30 \xB7"
       "09 \xB7"
       "1998 "},                // a separator above 127
      {0, "dd/mm", "", "30 "},  // no separator: one token of length 5
      {0, longPicture.substr(0, 79), longSeparator, longDate.substr(0, 255)},  // cut at 255
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.picture);
    IntlSettings settings = DefaultIntlSettings();
    Put(c.longDate ? settings.sLongDate : settings.sShortDate, c.picture);
    Put(settings.sDate, c.sDate);
    char text[kStampCapacity];
    BuildDateText(At(21, 5), c.longDate, settings, text);
    EXPECT_EQ(text, c.expected);
  }
}

TEST(TimeText, ClocksSeparatorsAndSuffixes) {
  const struct {
    int iTime, iTLZero;
    const char *sTime, *s1159, *s2359;
    int hour;
    std::string expected;
  } cases[] = {
      {0, 0, ":", "AM", "PM", 21, "9:05 PM"},            // 12 hours, no leading zero
      {1, 1, ":", "AM", "", 9, "09:05"},                 // 24 hours, a leading zero
      {0, 0, ":", "AM", "PM", 0, "12:05 AM"},            // midnight
      {0, 0, "", "", "", 21, "905"},                     // no separator, no suffix
      {0, 0, "%Q", "", "%p 100%", 21, "9%Q05 PM 100%"},  // only a runtime conversion is one
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.expected);
    IntlSettings settings = DefaultIntlSettings();
    settings.iTime = c.iTime, settings.iTLZero = c.iTLZero;
    Put(settings.sTime, c.sTime);
    Put(settings.s1159, c.s1159);
    Put(settings.s2359, c.s2359);
    char text[kStampCapacity];
    BuildTimeText(At(c.hour, 5), settings, text);
    EXPECT_EQ(text, c.expected);
  }
}

}  // namespace
