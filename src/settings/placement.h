// Recording window placements, corrected for a task bar at the left or top of the screen.
#pragma once
#include <windows.h>

#include "settings/options.h"

enum TaskbarEdge {
  kTaskbarUnknown = -1,
  kTaskbarLeft = 0,
  kTaskbarTop,
  kTaskbarRight,
  kTaskbarBottom
};

// Where the task bar is: ask the shell; -1 when it gives no answer.
int FindTaskbarEdge(RECT* taskbar);
// Records the window's restored rectangle, corrected for a visible task bar at the left or
// top; 0 when the task bar position is unknown (the record is written all the same).
int StoreWindowPlacement(HWND window, PlacementRecord& placement);

// Test seam: the shell's application-bar queries.
struct TaskbarQueries {
  BOOL (*GetTaskbarRect)(RECT* rect);  // ABM_GETTASKBARPOS
  BOOL (*IsAutoHide)();                // ABM_GETSTATE has ABS_AUTOHIDE
};
void SetTaskbarQueries(const TaskbarQueries* queries);  // null restores the shell's

// Where a tool window opens: the record's corner, moved in so that at least 70 pixels of the
// window stay on the desktop rectangle (ScreenRect) at the right and bottom, and never left of
// or above it.
POINT PlacementOrigin(const PlacementRecord& placement);

// Moves a dialog, keeping its size, to PlacementOrigin(placement) and shows it in the given
// z-order (HWND_TOPMOST or HWND_NOTOPMOST).
void MoveToPlacement(HWND dialog, const PlacementRecord& placement, HWND order);
