// Margin texts in inches.
#include "options/inches.h"

#include <cctype>
#include <cstdint>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// The factor is a single-precision constant (0.0010000000475): 1225 becomes 1.2250000582 and
// so prints as 1.23 rather than as the double 1.225's 1.22.
constexpr float kInchPerThousandth = 0.001f;

}  // namespace

void FormatInches(long thousandths, char (&text)[kInchesTextCapacity]) {
  std::snprintf(text, sizeof text, "%4.2f",
                static_cast<double>(thousandths) * static_cast<double>(kInchPerThousandth));
}

long ParseInchesText(const char* text) {
  if (!text) return 0;
  while (std::isspace(static_cast<unsigned char>(*text))) ++text;
  // Only a plain decimal number's characters reach strtod, which would also read "inf", "nan"
  // and hexadecimal numbers; it stops at the first of them that does not fit.
  const std::string number(text, std::strspn(text, "0123456789+-.eE"));
  const double value = std::strtod(number.c_str(), nullptr) * 1000.0;
  // The record holds 32-bit margins; both bounds below are exact doubles.
  if (!(value < static_cast<double>(INT32_MAX) + 1.0)) return INT32_MAX;
  if (!(value > static_cast<double>(INT32_MIN) - 1.0)) return INT32_MIN;
  return static_cast<long>(std::trunc(value));
}
