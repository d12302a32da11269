// The Macros page of the options sheet (dialog 2700): the nine text macros.
#pragma once
#include <windows.h>

INT_PTR CALLBACK MacrosPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
