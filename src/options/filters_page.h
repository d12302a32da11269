// The Filters page (dialog 2500): the nine open-dialog filters as description and extension
// rows, edited in two simple combo boxes that share one current row.
#pragma once
#include <windows.h>

INT_PTR CALLBACK FiltersPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
