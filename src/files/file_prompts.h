// File name prompts built on the common open and save dialogs.
#pragma once
#include <windows.h>

#include "settings/options.h"

// The Open command's prompt: opens every chosen file (several may be chosen).
int PromptOpenDocuments(HWND frame, UINT filterListId, UINT titleId, AppOptionsRecord& options);
