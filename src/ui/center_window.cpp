// Centring windows on the desktop rectangle.
#include "ui/center_window.h"

#include "base/globals.h"

namespace {

int FloorHalf(int value) {
  return value >= 0 ? value / 2 : -((-value + 1) / 2);
}

}  // namespace

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
