// The size and time texts of the file properties window.
#include "files/size_time_text.h"

#include <cstdio>
#include <cstring>

namespace {

const char* const kWeekdays[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                 "Thursday", "Friday", "Saturday"};
const char* const kMonths[] = {"January",   "February", "March",    "April",
                               "May",       "June",     "July",     "August",
                               "September", "October",  "November", "December"};

}  // namespace

void FormatFileSize(uint64_t size, char* out, size_t capacity) {
  if (capacity == 0) return;
  const double value = static_cast<double>(size);
  if (size < 1024) {
    std::snprintf(out, capacity, "%u", static_cast<unsigned>(size));
  } else if (size < 1024 * 1024) {
    std::snprintf(out, capacity, "%.1f K", value / 1024);
  } else if (size < 1024 * 1024 * 1024) {
    std::snprintf(out, capacity, "%.1f M", value / (1024 * 1024));
  } else {
    std::snprintf(out, capacity, "%.1f G", value / (1024.0 * 1024 * 1024));
  }
  if (char* zero = std::strstr(out, ".0")) std::memmove(zero, zero + 2, std::strlen(zero + 2) + 1);
}

void FormatSizeText(uint64_t size, char* out, size_t capacity) {
  if (capacity == 0) return;
  char scaled[32];
  FormatFileSize(size, scaled, sizeof scaled);
  // The exact size may pass 32 bits: its digits are written here rather than trusting every
  // runtime's "%llu".
  char digits[24];
  size_t count = 0;
  do {
    digits[count++] = static_cast<char>('0' + size % 10);
    size /= 10;
  } while (size);
  char exact[24];
  for (size_t i = 0; i < count; ++i) exact[i] = digits[count - 1 - i];
  exact[count] = '\0';
  std::snprintf(out, capacity, "%s Bytes (%s)", scaled, exact);
}

void FormatClockText(const CalendarTime& time, char* out, size_t capacity) {
  if (capacity == 0) return;
  const char* weekday = time.weekday < 7 ? kWeekdays[time.weekday] : "";
  const char* month = time.month >= 1 && time.month <= 12 ? kMonths[time.month - 1] : "";
  const unsigned hour = time.hour % 12 == 0 ? 12 : time.hour % 12;
  std::snprintf(out, capacity, "%s, %s %u, %u - %u:%02u %s", weekday, month, time.day, time.year,
                hour, time.minute, time.hour < 12 ? "AM" : "PM");
}
