// Opening the options sheet from the application: the tray icon lives up here, so the sheet
// reports a TaskTray change and this side applies it.
#include "app/options_command.h"

#include "app/tray.h"
#include "base/globals.h"

namespace {

void ApplyTrayChange(DWORD taskTray) {
  // During start-up ("/setup") there is no frame yet; it adds the icon itself when it opens.
  if (!FrameWindow) return;
  RemoveTrayIcon(FrameWindow);
  if (taskTray) AddTrayIcon(FrameWindow, kProductName);
}

}  // namespace

int OpenOptions(HWND owner, AppOptionsRecord& options, int startPage) {
  return OpenOptionsSheet(owner, options, startPage, ApplyTrayChange);
}
