// The frame's layout: toolbar at the top, status bar at the bottom, the MDI client between.
#include "app/frame_layout.h"

#include <commctrl.h>

#include "base/globals.h"
#include "ui/status.h"

namespace {

constexpr int kStatusPartFromRight0 = 80;  // part 0 ends 80 pixels before the right edge
constexpr int kStatusPartFromRight1 = 20;  // the last 20 pixels stay free for the size grip

bool IsShown(HWND window) {
  return window && IsWindowVisible(window);
}

}  // namespace

void LayoutFrame(HWND frame) {
  RECT area;
  GetClientRect(frame, &area);
  const int width = area.right - area.left;

  if (IsShown(ToolbarWindow)) {
    SendMessageA(ToolbarWindow, TB_AUTOSIZE, 0, 0);
    RECT bar;
    GetWindowRect(ToolbarWindow, &bar);
    area.top += bar.bottom - bar.top;
  }
  if (IsShown(StatusBar)) {
    SendMessageA(StatusBar, WM_SIZE, 0, 0);  // the status window places itself at the bottom
    RECT bar;
    GetWindowRect(StatusBar, &bar);
    int parts[2] = {width - kStatusPartFromRight0, width - kStatusPartFromRight1};
    SendMessageA(StatusBar, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));
    area.bottom -= bar.bottom - bar.top;
    SetStatus(60000);
  }
  if (MdiClient) {
    const int height = area.bottom > area.top ? area.bottom - area.top : 0;
    MoveWindow(MdiClient, 0, area.top, width, height, TRUE);
  }
}

namespace {

void ToggleBar(HWND frame, HWND bar, DWORD& shown) {
  shown = !shown;
  if (bar) ShowWindow(bar, shown ? SW_SHOW : SW_HIDE);
  RECT client;
  GetClientRect(frame, &client);
  PostMessageA(frame, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
}

}  // namespace

void ToggleStatusBar(HWND frame, AppOptionsRecord& options) {
  ToggleBar(frame, StatusBar, options.Status);
}

void ToggleToolbar(HWND frame, AppOptionsRecord& options) {
  ToggleBar(frame, ToolbarWindow, options.ToolBar);
}
