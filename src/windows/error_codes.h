// The system error codes window: every code 0-6665 that has a system message, one line each,
// built once while a progress dialog shows how far the lookup has come.
#pragma once
#include <windows.h>

#include "settings/options.h"

// Registers "MSErrorsClass"; 0 after its message.
int RegisterErrorCodesClass();

int OpenErrorCodes(PlacementRecord* placement);
int SetErrorCodesTopmost(int topmost);
int CloseErrorCodes();  // 0 when it was closed

HWND ErrorCodesWindow();  // null when closed
HWND ErrorCodesList();    // the window's list box

// The system's text for `code` (FormatMessageA, system table only, language neutral), at most
// 255 characters; inserts such as "%1" are left as they stand. Returns `buffer`.
char* LookUpSystemMessage(char (&buffer)[256], DWORD code);
// Empties the list and fills it with one line per code that has a message, stepping the progress
// bar (control 100 of `progress`) once per code.
int FillErrorList(HWND progress, HWND list);
