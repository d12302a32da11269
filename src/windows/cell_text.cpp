// Text written into one cell of a window's drawing.
#include "windows/cell_text.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "ui/strings.h"

void DrawCellText(HDC dc, const RECT& rect, int alignment, const char* format, ...) {
  char text[kStringCapacity];
  va_list args;
  va_start(args, format);
  std::vsnprintf(text, sizeof text, format, args);
  va_end(args);

  UINT align = TA_LEFT;
  int x = rect.left;
  if (alignment == kAlignCentre) {
    align = TA_CENTER;
    x = (rect.left + rect.right) / 2;
  } else if (alignment == kAlignRight) {
    align = TA_RIGHT;
    x = rect.right;
  }
  const int oldMode = SetBkMode(dc, OPAQUE);
  const UINT oldAlign = SetTextAlign(dc, align | TA_TOP);
  ExtTextOutA(dc, x, rect.top, ETO_CLIPPED | ETO_OPAQUE, &rect, text,
              static_cast<UINT>(std::strlen(text)), nullptr);
  SetTextAlign(dc, oldAlign);
  SetBkMode(dc, oldMode);
}
