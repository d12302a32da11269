// Recording window placements, corrected for a task bar at the left or top of the screen.
#include "settings/placement.h"

#include <shellapi.h>

#include "base/globals.h"

namespace {

BOOL ShellTaskbarRect(RECT* rect) {
  APPBARDATA data = {};
  data.cbSize = sizeof data;
  if (!SHAppBarMessage(ABM_GETTASKBARPOS, &data)) return FALSE;
  *rect = data.rc;
  return TRUE;
}

BOOL ShellTaskbarAutoHide() {
  APPBARDATA data = {};
  data.cbSize = sizeof data;
  return (SHAppBarMessage(ABM_GETSTATE, &data) & ABS_AUTOHIDE) != 0;
}

const TaskbarQueries kShellQueries = {ShellTaskbarRect, ShellTaskbarAutoHide};
const TaskbarQueries* activeQueries = &kShellQueries;

}  // namespace

void SetTaskbarQueries(const TaskbarQueries* queries) {
  activeQueries = queries ? queries : &kShellQueries;
}

int FindTaskbarEdge(RECT* taskbar) {
  RECT rect;
  if (!activeQueries->GetTaskbarRect(&rect)) return kTaskbarUnknown;
  if (taskbar) *taskbar = rect;
  if (rect.bottom - rect.top > rect.right - rect.left) {
    return rect.left < 1 ? kTaskbarLeft : kTaskbarRight;
  }
  return rect.top < 1 ? kTaskbarTop : kTaskbarBottom;
}

int StoreWindowPlacement(HWND window, PlacementRecord& placement) {
  WINDOWPLACEMENT current = {};
  current.length = sizeof current;
  if (window && GetWindowPlacement(window, &current)) {
    const RECT& normal = current.rcNormalPosition;  // work-area coordinates
    placement.Top = normal.top;
    placement.Left = normal.left;
    placement.Height = normal.bottom > normal.top ? normal.bottom - normal.top : 0;
    placement.Width = normal.right > normal.left ? normal.right - normal.left : 0;
  }
  RECT taskbar;
  const int edge = FindTaskbarEdge(&taskbar);
  if (edge == kTaskbarUnknown) return 0;
  if (activeQueries->IsAutoHide()) return 1;
  // The stored values become screen coordinates, which window creation expects.
  if (edge == kTaskbarLeft) placement.Left += (taskbar.right - taskbar.left) - 2;
  if (edge == kTaskbarTop) placement.Top += (taskbar.bottom - taskbar.top) - 2;
  return 1;
}

POINT PlacementOrigin(const PlacementRecord& placement) {
  if (IsRectEmpty(&ScreenRect)) GetClientRect(GetDesktopWindow(), &ScreenRect);
  LONG x = placement.Left < ScreenRect.right - 70 ? placement.Left : ScreenRect.right - 70;
  LONG y = placement.Top < ScreenRect.bottom - 70 ? placement.Top : ScreenRect.bottom - 70;
  if (x < ScreenRect.left) x = ScreenRect.left;
  if (y < ScreenRect.top) y = ScreenRect.top;
  return POINT{x, y};
}

void MoveToPlacement(HWND dialog, const PlacementRecord& placement, HWND order) {
  const POINT origin = PlacementOrigin(placement);
  SetWindowPos(dialog, order, origin.x, origin.y, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
}
