// The options property sheet: nine pages editing a private copy of the options.
#pragma once
#include <windows.h>

#include "settings/options.h"

enum OptionsPage {
  kEditorPage = 0,
  kFiltersPage = 1,
  kPrintingPage = 2,
  kToolsPage = 3,
  kMacrosPage = 4,
  kSysEditPage = 5,
  kTimeStampPage = 6,
  kExplorerPage = 7,
  kVersionPage = 8,
};

// What the caller above must apply after OK; the sheet itself lives below the tray code.
// Called only when TaskTray changed, with its new value.
using TrayChangeFunction = void (*)(DWORD taskTray);

// Opens the sheet modally at `startPage` (any number outside 0-8 opens the Editor page) over
// `owner` (null during start-up). Cancel leaves `options` untouched. OK copies the edited copy
// back, calls `trayChanged` when TaskTray changed, sets the beep flag, carries out the shell
// requests and saves. Non-zero only when it closed with OK and LtGray changed.
int OpenOptionsSheet(HWND owner, AppOptionsRecord& options, int startPage,
                     TrayChangeFunction trayChanged);

// Where OK carries out and clears the Explorer page's requests.
void CarryOutSheetShellRequests(HWND owner, ShellRequestRecord& requests);
