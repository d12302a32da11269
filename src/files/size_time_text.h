// The size and time texts of the file properties window. No Windows header: built natively too.
#pragma once
#include <cstddef>
#include <cstdint>

// A size in bytes, in K, M or G with one decimal ("1.5 K"); a ".0" is dropped ("2 K").
void FormatFileSize(uint64_t size, char* out, size_t capacity);

// FormatFileSize, then " Bytes" and the exact size: "1.5 K Bytes (1536)".
void FormatSizeText(uint64_t size, char* out, size_t capacity);

// A local time as the calendar gives it (month 1-12, weekday 0 = Sunday).
struct CalendarTime {
  unsigned year, month, weekday, day, hour, minute;
};

// "Sunday, December 7, 1997 - 12:05 AM": English names, a 12-hour clock.
void FormatClockText(const CalendarTime& time, char* out, size_t capacity);
