// The text of an indirect file list: which of its lines name files, and where a relative name
// points. No Windows header: built natively too.
#pragma once
#include <cstddef>
#include <functional>

constexpr size_t kListPieceLength = 255;  // a longer line goes on as the next entry

// Calls `visit` with every entry of a list text of `length` bytes, in order. Lines end at LF, a
// CR just before the LF being dropped; a line is taken in pieces of at most 255 characters, and
// an entry ends at its first NUL byte. An entry that is empty, starts with white space or starts
// with "#" or ";" is skipped. Returns the number of entries visited.
size_t ForEachListEntry(const char* text, size_t length,
                        const std::function<void(const char* entry)>& visit);

// The name an entry stands for: a relative one is taken in the folder of the list `listPath`,
// a folder-rooted one ("\dir\x") on the list's drive or share; anything else is left as it is.
// False when the result does not fit `capacity` (terminator included).
bool ResolveListEntry(const char* listPath, const char* entry, char* out, size_t capacity);
