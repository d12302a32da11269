// The frame's layout: toolbar at the top, status bar at the bottom, the MDI client between.
#pragma once
#include <windows.h>

#include "settings/options.h"

// Places toolbar, status bar and MDI client in the frame's client area.
void LayoutFrame(HWND frame);
// Commands 301 and 302: flip the option, show or hide the bar, and lay the frame out again.
void ToggleStatusBar(HWND frame, AppOptionsRecord& options);
void ToggleToolbar(HWND frame, AppOptionsRecord& options);
