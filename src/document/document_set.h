// The set of open documents: finding, opening by name, dropping, closing and saving them all.
#pragma once
#include <windows.h>
#include <shellapi.h>

#include <functional>

#include "settings/options.h"

// Opens or activates the named file: a second instance's command line or a dropped file.
int OpenNamedFile(HWND frame, const char* name, AppOptionsRecord& options);
int OpenDroppedFiles(HWND frame, HDROP drop, AppOptionsRecord& options);
// 1 when every document closed, 0 when one refused.
int CloseAllDocuments(AppOptionsRecord& options);
int SaveAllDocuments(AppOptionsRecord& options);

// Calls `visit` for every document window: each child of the MDI client without an owner
// (owned children are the titles of iconic windows).
void ForEachDocWindow(const std::function<void(HWND)>& visit);
