// Text lookup by id: 60000-60107 from the built-in message table, everything else from the
// string table resource.
#pragma once
#include <windows.h>

constexpr int kStringCapacity = 256;  // a looked-up text: 255 characters and the terminator
constexpr UINT kMessageTableFirst = 60000;
constexpr UINT kMessageTableLast = 60107;
constexpr UINT kFileIoErrorTitle = 60020;  // "File I/O Error", the title of file failures

// The module that holds the program's resources.
HINSTANCE ResourceModule();

// Copies text `id` into `buffer` (kStringCapacity characters); returns its length, or 0 with
// the system's code in GetLastError() (GetString, which reports the failure, is the message
// dialogs' business, since the report is one).
int LookUpString(char* buffer, UINT id);

// The built-in text of a message table id, or null outside 60000-60107.
const char* MessageTableText(UINT id);
