// Registering the program's own window classes: arrow cursor, button-face background, an icon of
// the program's, no menu; a refusal is reported with the name the user reads.
#pragma once
#include <windows.h>

// `className` may be an atom (MAKEINTATOM). 1 when registered; 0 after message 60003 naming
// `reportedName` and the system's code.
int RegisterPlainWindowClass(HINSTANCE instance, const char* className, const char* reportedName,
                             WNDPROC procedure, UINT style, UINT iconId);
