// Sorting the selected whole lines.
#pragma once
#include <windows.h>

int SortSelection(HWND document, int ascending, int ignoreCase);
