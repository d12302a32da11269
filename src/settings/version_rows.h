// The five rows of the Version page, read from a program file's version resource.
#pragma once
#include <windows.h>

#include "settings/options.h"

constexpr int kVersionRowCount = 5;
using VersionRows = char[kVersionRowCount][kPathCapacity];

// Fills ProductName, LegalCopyright, FileDescription, FileVersion and Release of `file` from
// its table for `language` with code page 1252, else 1200; a name found in neither takes its
// fallback text. Returns 0, with every row empty, when the file has no version information.
int ReadVersionRows(const char* file, LANGID language, VersionRows& rows);
