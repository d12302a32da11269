// Text written into one cell of a window's drawing, as the chart and the code box need it.
#pragma once
#include <windows.h>

#include "ui/format_check.h"

enum CellAlignment { kAlignLeft = 1, kAlignCentre = 2, kAlignRight = 3 };

// Formats the text (255 characters at most) and writes it at the rectangle's top, aligned at its
// left, middle or right, on an opaque background and clipped to the rectangle. The context's
// background mode and text alignment are left as they were.
void DrawCellText(HDC dc, const RECT& rect, int alignment, const char* format, ...)
    NORVEL_PRINTF(4, 5);
