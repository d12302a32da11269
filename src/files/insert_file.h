// Insert File (command 152): another text file inserted at the caret.
#pragma once
#include <windows.h>

#include "settings/options.h"

int InsertTextFile(HWND document, AppOptionsRecord& options);
