// Date and time texts built from the regional settings' pictures: the date picture's own small
// language (d, M, y tokens between separators) and the clock's hours and minutes. Pure text
// logic with no Windows header, so it is built natively too; the time is always an argument.
#pragma once
#include <ctime>

constexpr int kIntlValueCapacity = 80;  // a picture or separator: 79 characters
constexpr int kStampCapacity = 256;     // a date or time text: 255 characters

// The "Intl" values that the texts are made from, named as the profile keys.
struct IntlSettings {
  int iTime;    // 0 twelve-hour clock, else 24-hour clock
  int iTLZero;  // 0 no leading zero on the hour
  char sTime[kIntlValueCapacity];
  char s1159[kIntlValueCapacity];  // suffix before noon (12-hour clock)
  char s2359[kIntlValueCapacity];  // suffix from noon on, and of the 24-hour clock
  char sShortDate[kIntlValueCapacity];
  char sLongDate[kIntlValueCapacity];
  char sDate[kIntlValueCapacity];
};

// The values taken for keys that are missing.
IntlSettings DefaultIntlSettings();

// The date of `time` in the long or the short picture: each day, month or year field followed
// by one blank, a short date's fields joined by the whole "sDate" value. Cut to 255 characters.
void BuildDateText(const std::tm& time, int longDate, const IntlSettings& settings,
                   char (&text)[kStampCapacity]);

// Hours, "sTime", minutes and the clock's suffix after a blank; without a leading zero on the
// hour unless "iTLZero" asks for it. Cut to 255 characters.
void BuildTimeText(const std::tm& time, const IntlSettings& settings, char (&text)[kStampCapacity]);
