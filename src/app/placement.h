// Always on top, and the recording of window placements with the task bar correction.
#pragma once
#include <windows.h>

#include "settings/options.h"

void SetTopmost(HWND window, int on);
// Command 399: flips TopMost for the frame and records it for the two tool windows.
void ToggleTopmost(HWND frame, AppOptionsRecord& options);

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
