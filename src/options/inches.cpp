// Margin texts in inches. The number grammar is written out here rather than left to strtod
// alone, because strtod also takes "inf", "nan" and hexadecimal forms, which are no margins.
#include "options/inches.h"

#include <cctype>
#include <cstdint>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// The factor is a single-precision constant (0.0010000000475): 1225 becomes 1.2250000582 and
// so prints as 1.23 rather than as the double 1.225's 1.22.
constexpr float kInchPerThousandth = 0.001f;

bool IsDigit(char c) {
  return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// Length of the decimal number at the start of `p` (after its blanks), 0 when there is none.
size_t NumberLength(const char* p) {
  size_t n = 0;
  if (p[n] == '+' || p[n] == '-') ++n;
  size_t digits = 0;
  while (IsDigit(p[n])) ++n, ++digits;
  if (p[n] == '.') {
    ++n;
    while (IsDigit(p[n])) ++n, ++digits;
  }
  if (digits == 0) return 0;
  // An exponent counts only when digits follow its letter and sign.
  if (p[n] == 'e' || p[n] == 'E') {
    size_t e = n + 1;
    if (p[e] == '+' || p[e] == '-') ++e;
    if (IsDigit(p[e])) {
      while (IsDigit(p[e])) ++e;
      n = e;
    }
  }
  return n;
}

}  // namespace

void FormatInches(long thousandths, char (&text)[kInchesTextCapacity]) {
  std::snprintf(text, sizeof text, "%4.2f",
                static_cast<double>(thousandths) * static_cast<double>(kInchPerThousandth));
}

long ParseInchesText(const char* text) {
  if (!text) return 0;
  while (*text == ' ' || *text == '\t' || *text == '\r' || *text == '\n' || *text == '\v' ||
         *text == '\f') {
    ++text;
  }
  const size_t length = NumberLength(text);
  if (length == 0) return 0;
  const std::string number(text, length);
  const double value = std::strtod(number.c_str(), nullptr) * 1000.0;
  // The record holds 32-bit margins; both bounds below are exact doubles.
  if (!(value < static_cast<double>(INT32_MAX) + 1.0)) return INT32_MAX;
  if (!(value > static_cast<double>(INT32_MIN) - 1.0)) return INT32_MIN;
  return static_cast<long>(std::trunc(value));
}
