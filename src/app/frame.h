// The frame window: toolbar, MDI client and status bar, and the routing of every command.
#pragma once
#include <windows.h>

#include "settings/options.h"

LRESULT CALLBACK FrameWindowProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam);

// Closes every document and prepares the end of the program: 1 when it may end, 0 when a
// document refused to close.
int ShutdownApplication(HWND frame, AppOptionsRecord& options);
