#include "ui/busy_loop.h"

#include <algorithm>

#include "base/globals.h"

namespace {

// More windows than the program shows at once; each paints at most once per round, so a window
// that asks to be painted again while it paints waits for the next round.
constexpr int kMostPaintsPerRound = 64;

}  // namespace

void PaintWaitingWindows() {
  HWND painted[kMostPaintsPerRound];
  int count = 0;
  MSG message;
  while (count < kMostPaintsPerRound &&
         PeekMessageA(&message, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) {
    if (std::find(painted, painted + count, message.hwnd) != painted + count) return;
    painted[count++] = message.hwnd;
    DispatchMessageA(&message);
  }
}

bool StopRequested(HWND window) {
  MSG message;
  if (PeekMessageA(&message, nullptr, WM_KEYDOWN, WM_KEYDOWN, PM_NOREMOVE) &&
      message.wParam == VK_ESCAPE) {
    PeekMessageA(&message, message.hwnd, WM_KEYDOWN, WM_KEYDOWN, PM_REMOVE);
    return true;
  }
  return PeekMessageA(&message, nullptr, WM_NCLBUTTONDOWN, WM_NCLBUTTONDOWN, PM_NOREMOVE) &&
         message.wParam == HTCLOSE && (message.hwnd == window || message.hwnd == FrameWindow);
}
