// Replace All worked out in memory: the hits the edit control's own search would find, one
// after another, each search starting behind the text just inserted. Pure text logic, no
// Windows header: the caller hands in how the control compares characters.
#pragma once
#include <cstddef>

// How the control sees each byte of the text.
struct SearchRules {
  unsigned short compared[256];  // the character a byte is compared as (case-folded or not)
  bool word[256];                // true when it counts as part of a word
};

struct ReplaceAllRequest {
  const char* find;
  std::size_t findLength;
  const char* replacement;
  std::size_t replacementLength;
  bool wholeWords;
  const SearchRules* rules;
};

struct ReplaceAllOutcome {
  long count = 0;                 // replacements made
  unsigned long long length = 0;  // length of the resulting text (may outgrow memory)
  std::size_t lastInsert = 0;     // where the last replacement stands in the result
};

constexpr std::size_t kNoHit = static_cast<std::size_t>(-1);

// The first hit at or behind `from`, or kNoHit. `before` is the character
// in front of `from` as the text then stands (a blank at the start of the text).
std::size_t SearchText(const char* text, std::size_t length, std::size_t from, unsigned char before,
                       const ReplaceAllRequest& request);

// Runs Replace All over `text`. With `out` null it only counts; otherwise it writes the
// resulting text (outcome.length bytes, no terminator) into `out`, which must be that large.
ReplaceAllOutcome ReplaceAllInText(const char* text, std::size_t length,
                                   const ReplaceAllRequest& request, char* out);
