// Replace All in memory, hit for hit as the edit control's search would find them.
#include "editing/replace_all_text.h"

#include <cstring>

// As the rich-edit control's forward search: the first place from `from` on where every
// character compares equal; with whole words, only where the character in front of the place
// and the one behind the hit are no word characters (the text's start and end count as
// blanks). The control itself remembers, after a partial match, the character at which its
// comparison stopped instead of the one in front of the next place; a hit at that next place
// needs the same characters either way, so no result differs.
std::size_t SearchText(const char* text, std::size_t length, std::size_t from, unsigned char before,
                       const ReplaceAllRequest& request) {
  const std::size_t n = request.findLength;
  if (n == 0 || n > length) return kNoHit;
  const SearchRules& rules = *request.rules;
  const auto* bytes = reinterpret_cast<const unsigned char*>(text);
  const auto* find = reinterpret_cast<const unsigned char*>(request.find);
  for (std::size_t p = from; p <= length - n; ++p) {
    std::size_t matched = 0;
    while (matched < n && rules.compared[bytes[p + matched]] == rules.compared[find[matched]]) {
      ++matched;
    }
    if (matched < n) continue;
    if (!request.wholeWords) return p;
    const unsigned char previous = p == from ? before : bytes[p - 1];
    if (!rules.word[previous] && (p + n == length || !rules.word[bytes[p + n]])) return p;
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
