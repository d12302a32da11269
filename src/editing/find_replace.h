// Find and replace through the system's modeless find dialog.
#pragma once
#include <windows.h>
#include <commdlg.h>

#include "settings/options.h"

// 1 when a dialog was requested, 0 when one is already open.
int OpenFindDialog(HWND frame, int replace, AppOptionsRecord& options);
// Handles one "commdlg_FindReplace" message for the active document.
LRESULT OnFindReplaceMessage(HWND document, FINDREPLACEA* request, AppOptionsRecord& options);
