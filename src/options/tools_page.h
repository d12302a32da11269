// The Tools page of the options sheet (dialog 2600): the nine external tools.
#pragma once
#include <windows.h>

INT_PTR CALLBACK ToolsPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
