// The Editor page (dialog 2000): eleven check boxes bound to flags of the sheet's copy.
#pragma once
#include <windows.h>

INT_PTR CALLBACK EditorPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
