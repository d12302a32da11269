// Command dispatch: frame commands are carried out here, document commands go to the active
// document window.
#pragma once
#include <windows.h>

#include "settings/options.h"

constexpr int kWindowMenuPosition = 5;  // "&Windows", the MDI window menu, is the sixth popup

// Carries out one WM_COMMAND id and refreshes the menu and toolbar state. Returns false for
// ids it does not know (the MDI window list among them): those go to the default procedure.
bool DispatchFrameCommand(HWND frame, UINT id, AppOptionsRecord& options);
