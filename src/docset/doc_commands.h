// The commands the frame forwards to the active document, routed to their subsystems.
#pragma once
#include <windows.h>

#include "settings/options.h"

// True for the commands the frame forwards to the active document.
bool IsDocumentCommand(UINT id);

// Carries out a forwarded command; false for ids that are not document commands.
bool RunDocumentCommand(HWND document, UINT id, AppOptionsRecord& options);
