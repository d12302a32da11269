// The ".bak" name of a file about to be overwritten. No Windows header: built natively too.
#pragma once
#include <cstddef>

// `path` with its file name's extension (from the last "." of the name on) replaced by ".bak",
// or ".bak" appended to a name without one. False when the result does not fit `capacity`
// (terminator included) or when it names `path` itself (ignoring ASCII case): no backup then.
bool BackupPathFor(const char* path, char* backup, size_t capacity);
