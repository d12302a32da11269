// Header and footer templates: "$" macros for the file name, the date, the time and the page
// number. Pure text logic with no Windows header, so it is built and tested natively too.
#pragma once

constexpr int kPageTextCapacity = 1024;  // an expanded header or footer: 1023 characters

// The date and time texts a template may ask for, made once by the caller.
struct PageStamps {
  const char* longDate;
  const char* shortDate;
  const char* time;
};

// Copies `pattern` into `out`, replacing "$D" (long date), "$d" (short date), "$T"/"$t" (time),
// "$P"/"$p" (page number), "$F" (the whole title) and "$f" (the title behind its last "\",
// empty without one). "$" before any other character gives that character; a final "$" gives
// nothing. The result is cut at 1023 characters. Returns `out`.
const char* ExpandPageMacros(char (&out)[kPageTextCapacity], const char* pattern, const char* title,
                             int page, const PageStamps& stamps);
