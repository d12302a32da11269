// Date and time stamps at the caret.
#pragma once
#include <windows.h>

#include "settings/options.h"

int InsertTimestamp(HWND document, AppOptionsRecord& options);
