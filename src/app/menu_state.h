// Menu and toolbar state computed from the active document, and menu help in the status bar.
#pragma once
#include <windows.h>

#include "settings/options.h"

// Recomputes every menu item and toolbar button; returns at once while BulkOperation is set.
int RefreshCommandState(HWND frame, const AppOptionsRecord& options);

// WM_MENUSELECT: the selected item's help text in status part 0.
void ShowMenuHelp(WPARAM menuSelect);
