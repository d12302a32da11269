// Date and time texts from the regional settings' pictures. No Windows header: built natively
// too.
#include "editing/date_time_text.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

const char* const kWeekdays[7] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                  "Thursday", "Friday", "Saturday"};
const char* const kMonths[12] = {"January",   "February", "March",    "April",
                                 "May",       "June",     "July",     "August",
                                 "September", "October",  "November", "December"};

// A calendar field brought into range, so a broken time can never index past a name table.
int Wrapped(int value, int count) {
  return ((value % count) + count) % count;
}

std::string Weekday(const std::tm& time, bool full) {
  const std::string name = kWeekdays[Wrapped(time.tm_wday, 7)];
  return full ? name : name.substr(0, 3);
}

std::string Month(const std::tm& time, bool full) {
  const std::string name = kMonths[Wrapped(time.tm_mon, 12)];
  return full ? name : name.substr(0, 3);
}

// A number in decimal, with at least `width` digits (zeros in front).
std::string Number(int value, int width = 1) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%0*d", width, value);
  return digits;
}

int FullYear(const std::tm& time) {
  return time.tm_year + 1900;
}

// A settings value up to its terminator, never past its buffer.
std::string ValueText(const char (&value)[kIntlValueCapacity]) {
  const void* end = std::memchr(value, '\0', sizeof value);
  return std::string(value, end ? static_cast<const char*>(end) - value : sizeof value);
}

void CopyOut(const std::string& result, char (&text)[kStampCapacity]) {
  const size_t length = result.size() < kStampCapacity - 1 ? result.size() : kStampCapacity - 1;
  std::memcpy(text, result.data(), length);
  text[length] = '\0';
}

// One token of a date picture: its first letter and its length choose the field; any other
// token stands for itself.
void AppendDateField(std::string& result, const std::string& token, const std::tm& time) {
  const size_t length = token.size();
  switch (token[0]) {
    case 'D':
    case 'd':
      result += length == 3   ? Weekday(time, false)
                : length == 4 ? Weekday(time, true)
                              : Number(time.tm_mday, length == 2 ? 2 : 1);
      break;
    case 'M':
    case 'm':
      result += length == 3   ? Month(time, false)
                : length == 4 ? Month(time, true)
                              : Number(time.tm_mon + 1, length == 2 ? 2 : 1);
      break;
    case 'Y':
    case 'y':
      result += length == 4 ? Number(FullYear(time)) : Number(Wrapped(FullYear(time), 100), 2);
      break;
    default:
      result += token;
      return;
  }
  result += ' ';
}

// The runtime's time conversions in the "C" locale, whatever the machine's locale: %a %A %b %B
// %d %H %I %j %m %M %p %S %w %y %Y and %%. Any other '%' sequence is copied as it stands, so a
// separator or suffix from the settings can hold any character.
std::string FormatTimePicture(const std::tm& time, const std::string& picture) {
  const int hour = Wrapped(time.tm_hour, 24);
  std::string result;
  for (size_t i = 0; i < picture.size(); ++i) {
    if (picture[i] != '%' || i + 1 == picture.size()) {
      result += picture[i];
      continue;
    }
    switch (picture[i + 1]) {
      case 'a':
        result += Weekday(time, false);
        break;
      case 'A':
        result += Weekday(time, true);
        break;
      case 'b':
        result += Month(time, false);
        break;
      case 'B':
        result += Month(time, true);
        break;
      case 'd':
        result += Number(time.tm_mday, 2);
        break;
      case 'H':
        result += Number(hour, 2);
        break;
      case 'I':
        result += Number(hour % 12 == 0 ? 12 : hour % 12, 2);
        break;
      case 'j':
        result += Number(time.tm_yday + 1, 3);
        break;
      case 'm':
        result += Number(time.tm_mon + 1, 2);
        break;
      case 'M':
        result += Number(time.tm_min, 2);
        break;
      case 'p':
        result += hour < 12 ? "AM" : "PM";
        break;
      case 'S':
        result += Number(time.tm_sec, 2);
        break;
      case 'w':
        result += Number(Wrapped(time.tm_wday, 7));
        break;
      case 'y':
        result += Number(Wrapped(FullYear(time), 100), 2);
        break;
      case 'Y':
        result += Number(FullYear(time));
        break;
      case '%':
        result += '%';
        break;
      default:
        result += '%';
        continue;  // the next character is copied on its own
    }
    ++i;
  }
  return result;
}

}  // namespace

IntlSettings DefaultIntlSettings() {
  IntlSettings settings = {};
  std::strcpy(settings.sTime, ":");
  std::strcpy(settings.sShortDate, "mm/dd/yy");
  std::strcpy(settings.sLongDate, "ddd, mmm d, yyyy");
  std::strcpy(settings.sDate, "/");
  return settings;
}

void BuildDateText(const std::tm& time, int longDate, const IntlSettings& settings,
                   char (&text)[kStampCapacity]) {
  const std::string picture = ValueText(longDate ? settings.sLongDate : settings.sShortDate);
  const std::string dateSeparator = ValueText(settings.sDate);
  // A long picture is split at apostrophes, commas and blanks; a short one at any byte of the
  // date separator. Runs of separators count as one and are dropped.
  bool separator[256] = {};
  for (unsigned char c : longDate ? std::string("', ") : dateSeparator) separator[c] = true;

  std::string result;
  size_t next = 0;
  while (next < picture.size()) {
    if (separator[static_cast<unsigned char>(picture[next])]) {
      ++next;
      continue;
    }
    const size_t start = next;
    while (next < picture.size() && !separator[static_cast<unsigned char>(picture[next])]) ++next;
    if (!longDate && !result.empty()) result += dateSeparator;
    AppendDateField(result, picture.substr(start, next - start), time);
  }
  CopyOut(result, text);
}

void BuildTimeText(const std::tm& time, const IntlSettings& settings,
                   char (&text)[kStampCapacity]) {
  const bool twentyFourHour = settings.iTime != 0;
  std::string picture = twentyFourHour ? "%H" : "%I";
  picture += ValueText(settings.sTime);
  picture += "%M";
  const bool beforeNoon = Wrapped(time.tm_hour, 24) < 12;
  const std::string suffix =
      ValueText(!twentyFourHour && beforeNoon ? settings.s1159 : settings.s2359);
  if (!suffix.empty()) picture += " " + suffix;

  std::string result = FormatTimePicture(time, picture);
  if (!result.empty() && result[0] == '0' && settings.iTLZero == 0) result.erase(0, 1);
  CopyOut(result, text);
}
