// The SysEdit page (dialog 2900): the nine files that SysEdit mode opens, each with a browse
// button.
#pragma once
#include <windows.h>

INT_PTR CALLBACK SysEditPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
