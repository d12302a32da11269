// Replace All in memory, hit for hit as the edit control's search would find them.
#include "editing/replace_all_text.h"

#include <cstring>

// The search follows the rich-edit control's own forward search step for step, including how
// whole words are judged: a hit counts as a whole word when the character remembered as
// "before" it and the character behind it are no word characters. The control remembers, after
// each place it tried, the character at which its comparison stopped rather than the one at
// that place; after a partial match the next place is therefore judged by that character.
// Doing the same keeps Replace All's hits identical to those of a search through the control.
std::size_t SearchText(const char* text, std::size_t length, std::size_t from, unsigned char before,
                       const ReplaceAllRequest& request) {
  const std::size_t n = request.findLength;
  if (n == 0 || n > length) return kNoHit;
  const SearchRules& rules = *request.rules;
  const auto* bytes = reinterpret_cast<const unsigned char*>(text);
  const auto* find = reinterpret_cast<const unsigned char*>(request.find);
  unsigned char last = before;
  for (std::size_t p = from; p <= length - n; ++p) {
    std::size_t matched = 0;
    while (rules.compared[bytes[p + matched]] == rules.compared[find[matched]]) {
      if (request.wholeWords && rules.word[last]) break;
      if (++matched == n) {
        if (!request.wholeWords || p + n == length || !rules.word[bytes[p + n]]) return p;
        break;
      }
    }
    last = p + matched < length ? bytes[p + matched] : ' ';
  }
  return kNoHit;
}

ReplaceAllOutcome ReplaceAllInText(const char* text, std::size_t length,
                                   const ReplaceAllRequest& request, char* out) {
  ReplaceAllOutcome outcome;
  const std::size_t r = request.replacementLength;
  std::size_t next = 0;         // first byte of `text` not yet passed
  unsigned long long made = 0;  // bytes of the result so far
  unsigned char before = ' ';   // the result's last character; a blank at its start
  for (;;) {
    const std::size_t hit = SearchText(text, length, next, before, request);
    if (hit == kNoHit) break;
    if (out) std::memcpy(out + made, text + next, hit - next);
    made += hit - next;
    if (hit > next) before = static_cast<unsigned char>(text[hit - 1]);
    if (out) std::memcpy(out + made, request.replacement, r);
    outcome.lastInsert = static_cast<std::size_t>(made);
    made += r;
    if (r > 0) before = static_cast<unsigned char>(request.replacement[r - 1]);
    next = hit + request.findLength;
    ++outcome.count;
  }
  if (out) std::memcpy(out + made, text + next, length - next);
  outcome.length = made + (length - next);
  return outcome;
}
