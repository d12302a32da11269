// The Explorer and Version pages of the options sheet, on their in-memory templates
// (settings/page_templates.h).
#pragma once
#include <windows.h>

// Data: the sheet copy's ShellRequestRecord.
INT_PTR CALLBACK ExplorerPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
// Data: the sheet copy's Options placement.
INT_PTR CALLBACK VersionPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
