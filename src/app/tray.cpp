// The tray icon and the always-on-top state.
#include "app/tray.h"

#include <shellapi.h>

#include "base/globals.h"
#include "resources/resource.h"
#include "windows/character_chart.h"
#include "windows/error_codes.h"

BOOL AddTrayIcon(HWND frame, const char* tip) {
  NOTIFYICONDATAA data = {};
  data.cbSize = sizeof data;
  data.hWnd = frame;
  data.uID = kTrayIconId;
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = TrayMessage;
  data.hIcon = static_cast<HICON>(LoadImageA(AppInstance, MAKEINTRESOURCEA(IDI_APPLICATION_SMALL),
                                             IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
  if (tip) lstrcpynA(data.szTip, tip, sizeof data.szTip);
  BOOL added = Shell_NotifyIconA(NIM_ADD, &data);
  if (data.hIcon) DestroyIcon(data.hIcon);
  return added;
}

BOOL RemoveTrayIcon(HWND frame) {
  NOTIFYICONDATAA data = {};
  data.cbSize = sizeof data;
  data.hWnd = frame;
  data.uID = kTrayIconId;
  return Shell_NotifyIconA(NIM_DELETE, &data);
}

void HandleTrayMessage(HWND frame, WPARAM, LPARAM lParam, DWORD topMost) {
  const UINT mouseMessage = LOWORD(lParam);
  if (mouseMessage != WM_LBUTTONDOWN && mouseMessage != WM_RBUTTONDOWN) return;
  ShowWindow(frame, IsIconic(frame) ? SW_RESTORE : SW_SHOW);
  SetForegroundWindow(frame);
  SetTopmost(frame, topMost);
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
