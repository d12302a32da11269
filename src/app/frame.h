// The frame window: toolbar, MDI client and status bar, and the routing of every command.
#pragma once
#include <windows.h>

#include "settings/options.h"

LRESULT CALLBACK FrameWindowProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam);

// Places toolbar, status bar and MDI client in the frame's client area.
void LayoutFrame(HWND frame);
// Commands 301 and 302: flip the option, show or hide the bar, and lay the frame out again.
void ToggleStatusBar(HWND frame, AppOptionsRecord& options);
void ToggleToolbar(HWND frame, AppOptionsRecord& options);
// Closes every document and prepares the end of the program: 1 when it may end, 0 when a
// document refused to close.
int ShutdownApplication(HWND frame, AppOptionsRecord& options);
