// The tray icon and the always-on-top state.
#pragma once
#include <windows.h>

#include "settings/options.h"

constexpr UINT kTrayIconId = 32968;

BOOL AddTrayIcon(HWND frame, const char* tip);
BOOL RemoveTrayIcon(HWND frame);
// The frame's TrayMessage: either button brings the frame back; pointer moves do nothing.
void HandleTrayMessage(HWND frame, WPARAM wParam, LPARAM lParam, DWORD topMost);

void SetTopmost(HWND window, int on);
// Command 399: flips TopMost for the frame and records it for the two tool windows.
void ToggleTopmost(HWND frame, AppOptionsRecord& options);
