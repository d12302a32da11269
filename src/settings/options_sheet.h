// The options property sheet: nine pages editing a copy of the options.
#pragma once
#include <windows.h>

#include "settings/options.h"

enum OptionsPage {
  kEditorPage = 0,
  kPrintingPage = 2,
  kToolsPage = 3,
  kMacrosPage = 4,
  kSysEditPage = 5,
  kExplorerPage = 7,
};

// Opens the sheet at `startPage`; non-zero only when it closed with OK and LtGray changed.
int OpenOptionsSheet(HWND owner, AppOptionsRecord& options, int startPage);
