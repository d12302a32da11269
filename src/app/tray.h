// The tray icon that stands for the minimized frame.
#pragma once
#include <windows.h>

constexpr UINT kTrayIconId = 32968;

BOOL AddTrayIcon(HWND frame, const char* tip);
BOOL RemoveTrayIcon(HWND frame);
// The frame's TrayMessage: either button brings the frame back; pointer moves do nothing.
void HandleTrayMessage(HWND frame, WPARAM wParam, LPARAM lParam, DWORD topMost);
