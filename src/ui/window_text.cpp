// Window texts by string id, and centring on the desktop rectangle.
#include "ui/window_text.h"

#include <cstdarg>
#include <cstdio>

#include "app/globals.h"
#include "ui/strings.h"

namespace {

// Formats looked-up text `id` into `text` (255 characters at most); 0 when the lookup failed.
int FormatById(char (&text)[kStringCapacity], UINT id, va_list args) {
  char format[kStringCapacity];
  if (!GetString(format, id)) return 0;
  if (vsnprintf(text, sizeof text, format, args) < 0) text[0] = '\0';
  return 1;
}

int FloorHalf(int value) {
  return value >= 0 ? value / 2 : -((-value + 1) / 2);
}

}  // namespace

int SetWindowTextById(HWND window, UINT id, ...) {
  char text[kStringCapacity];
  va_list args;
  va_start(args, id);
  const int found = FormatById(text, id, args);
  va_end(args);
  return found && SetWindowTextA(window, text) ? 1 : 0;
}

int SetDlgItemTextById(HWND dialog, int itemId, UINT id, ...) {
  char text[kStringCapacity];
  va_list args;
  va_start(args, id);
  const int found = FormatById(text, id, args);
  va_end(args);
  return found && SetDlgItemTextA(dialog, itemId, text) ? 1 : 0;
}

POINT CenteredPosition(int width, int height) {
  if (IsRectEmpty(&ScreenRect)) GetClientRect(GetDesktopWindow(), &ScreenRect);
  const int screenWidth = ScreenRect.right - ScreenRect.left;
  const int screenHeight = ScreenRect.bottom - ScreenRect.top;
  return POINT{FloorHalf(screenWidth - width), FloorHalf(screenHeight - height)};
}

void CenterWindow(HWND window) {
  RECT rect;
  if (!GetWindowRect(window, &rect)) return;
  const POINT origin = CenteredPosition(rect.right - rect.left, rect.bottom - rect.top);
  SetWindowPos(window, nullptr, origin.x, origin.y, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
