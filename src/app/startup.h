// Start-up, the message loop and what follows it.
#pragma once
#include <windows.h>

#include "settings/options.h"

// The whole program: single-instance hand-over, start-up, message loop, settings, clean-up.
// Returns the process exit code.
int RunNorvel(HINSTANCE instance, const char* commandLine, int showCommand);

int InitGlobals(HINSTANCE instance);
int InitApplication(AppOptionsRecord& options);
HWND CreateFrameWindow(int showCommand, AppOptionsRecord& options);
// What the loop does before a message is dispatched: the modeless find dialog, the MDI system
// keys and the accelerators take their messages; true when one did.
bool TranslateFrameMessage(MSG& message);
// Runs the message loop until the quit message; returns its code (or -1 after a retrieval error).
int RunMessageLoop();
// Releases what start-up created (display font, printer blocks).
void ReleaseStartupResources();
