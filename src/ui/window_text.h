// Window texts by string id.
#pragma once
#include <windows.h>

#include "ui/strings.h"

// Look up text `id`, format it (255 characters at most) and set it; 0 when the lookup failed.
int SetWindowTextById(HWND window, UINT id, ...);
int SetDlgItemTextById(HWND dialog, int itemId, UINT id, ...);
// Looks up text `id` and formats it into `text` (cut at 255 characters); 0 when the lookup failed.
int FormatTextById(char (&text)[kStringCapacity], UINT id, ...);
