// The tray icon that stands for the minimized frame.
#include "app/tray.h"

#include <shellapi.h>

#include "base/globals.h"
#include "base/owned_handle.h"
#include "app/topmost.h"
#include "settings/placement.h"
#include "resources/resource.h"

BOOL AddTrayIcon(HWND frame, const char* tip) {
  NOTIFYICONDATAA data = {};
  data.cbSize = sizeof data;
  data.hWnd = frame;
  data.uID = kTrayIconId;
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = TrayMessage;
  const IconOwner icon(static_cast<HICON>(LoadImageA(
      AppInstance, MAKEINTRESOURCEA(IDI_APPLICATION_SMALL), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR)));
  data.hIcon = icon.get();  // the shell keeps a copy
  if (tip) lstrcpynA(data.szTip, tip, sizeof data.szTip);
  return Shell_NotifyIconA(NIM_ADD, &data);
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
