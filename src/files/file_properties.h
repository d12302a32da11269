// The file properties window of a document.
#pragma once
#include <windows.h>

#include "settings/options.h"

int FileProperties(HWND document, AppOptionsRecord& options);
