// The Display Font and Printer Font commands.
#pragma once
#include <windows.h>

#include "base/owned_handle.h"
#include "settings/options.h"

// Runs the font dialog on `record` (which receives the choice on OK) and makes the font.
// Returns the new font, or null on Cancel or after reporting a failed creation.
FontOwner ChooseFontFromRecord(HWND owner, FontRecord& record);

void ChooseDisplayFont(HWND frame, AppOptionsRecord& options);
void ChoosePrinterFont(HWND frame, AppOptionsRecord& options);
