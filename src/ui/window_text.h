// Window texts by string id, and centring on the desktop.
#pragma once
#include <windows.h>

// Look up text `id`, format it (255 characters at most) and set it; 0 when the lookup failed.
int SetWindowTextById(HWND window, UINT id, ...);
int SetDlgItemTextById(HWND dialog, int itemId, UINT id, ...);
// Moves a window, keeping its size, to the middle of the desktop rectangle (ScreenRect).
void CenterWindow(HWND window);
// The top-left corner that centres a width x height window on the desktop rectangle, rounded
// down; reads the desktop rectangle from the system when ScreenRect is still empty.
POINT CenteredPosition(int width, int height);
