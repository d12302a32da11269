// Always on top, and the recording of window placements with the task bar correction.
#include "app/placement.h"

#include <shellapi.h>

#include "windows/character_chart.h"
#include "windows/error_codes.h"

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

void SetTopmost(HWND window, int on) {
  if (!window) return;
  SetWindowPos(window, on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void ToggleTopmost(HWND frame, AppOptionsRecord& options) {
  options.TopMost = !options.TopMost;
  SetTopmost(frame, options.TopMost);
  options.Errors.Show = options.TopMost;
  SetErrorCodesTopmost(options.TopMost);
  options.ASCII.Show = options.TopMost;
  SetChartTopmost(options.TopMost);
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
