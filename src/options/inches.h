// Margins as the Printing page shows and reads them: thousandths of an inch against a decimal
// text in inches. No Windows header, so it is built natively too.
#pragma once

constexpr int kInchesTextCapacity = 32;  // the widest 32-bit value in "%4.2f" fits with room

// "%4.2f" of thousandths x 0.001: 500 gives "0.50", 1225 gives "1.23".
void FormatInches(long thousandths, char (&text)[kInchesTextCapacity]);

// The leading decimal number of `text` (blanks, a sign, digits, a fraction, an exponent; the
// first character that does not fit ends it) times 1000, truncated toward zero. No number gives
// 0; a value beyond the 32-bit range gives the nearest end of it.
long ParseInchesText(const char* text);
