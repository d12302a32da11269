// Clipboard services of the Edit menu.
#pragma once
#include <windows.h>

// Starts the system clipboard viewer; 1 when it started.
int ShowClipboard(HWND frame);
