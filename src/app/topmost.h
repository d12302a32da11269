// Always on top: the frame, and the record of it for the two tool windows.
#pragma once
#include <windows.h>

#include "settings/options.h"

void SetTopmost(HWND window, int on);
// Command 399: flips TopMost for the frame and records it for the two tool windows.
void ToggleTopmost(HWND frame, AppOptionsRecord& options);
