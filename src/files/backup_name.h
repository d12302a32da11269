// The names of the files a save makes beside a document: its ".bak" backup and the temporary
// file that is written first and then put in place. No Windows header: built natively too.
#pragma once
#include <cstddef>

// `path` with its file name's extension (from the last "." of the name on) replaced by ".bak",
// or ".bak" appended to a name without one. False when the result does not fit `capacity`
// (terminator included) or when it names `path`'s own file: no backup then.
bool BackupPathFor(const char* path, char* backup, size_t capacity);

// True when two names of one folder name the same file as Windows resolves them: ignoring
// ASCII case and the dots and blanks that end a name ("notes.bak " is "notes.bak").
bool SameFileName(const char* a, const char* b);

// A temporary file's name in `path`'s folder, made from `unique` (its low 16 bits). False when
// it does not fit `capacity` (terminator included).
bool TemporaryPathFor(const char* path, unsigned unique, char* temp, size_t capacity);
