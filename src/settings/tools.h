// External tools (Tools menu items 1-9).
#pragma once
#include <windows.h>

#include "settings/options.h"

// Starts `tool` with the active document (or none); non-zero once the shell was asked.
int LaunchTool(HWND frame, HWND document, const ToolRecord& tool, AppOptionsRecord& options);
