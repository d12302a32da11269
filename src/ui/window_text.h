// Window texts by string id, and centring on the desktop.
#pragma once
#include <windows.h>

int SetWindowTextById(HWND window, UINT id, ...);
int SetDlgItemTextById(HWND dialog, int itemId, UINT id, ...);
void CenterWindow(HWND window);
