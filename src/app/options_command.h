// Opening the options sheet from the frame's commands and from the command line; applies the
// tray icon change that the sheet reports.
#pragma once
#include <windows.h>

#include "options/options_sheet.h"

// As OpenOptionsSheet; a changed TaskTray removes the tray icon and adds it again when set.
int OpenOptions(HWND owner, AppOptionsRecord& options, int startPage);
