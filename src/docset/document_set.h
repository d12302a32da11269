// The set of open documents: the MDI client's children without an owner.
#pragma once
#include <windows.h>
#include <shellapi.h>

#include <functional>

#include "settings/options.h"

// Calls `visit` for every document window (owned children are the titles of iconic windows).
void ForEachDocWindow(const std::function<void(HWND)>& visit);

// The open document of this name (ignoring case), brought forward with a beep; null if none.
HWND FindOpenDocument(const char* name);
// Opens `name` as a full path unless a document of that path is open already (then brought
// forward with a beep).
int OpenOrActivate(HWND frame, const char* name, AppOptionsRecord& options);
// Opens or activates the named file: a second instance's command line (quotes dropped).
int OpenNamedFile(HWND frame, const char* name, AppOptionsRecord& options);
int OpenDroppedFiles(HWND frame, HDROP drop, AppOptionsRecord& options);
// A file chosen in the Open prompt: brought forward when already open, else opened (for
// viewing when `readOnly`). True when a new document came of it.
bool OpenChosenDocument(HWND frame, const char* path, bool readOnly, AppOptionsRecord& options);
// 1 when the document closed, 0 when the user kept it.
int CloseDocument(HWND document, AppOptionsRecord& options);
// 1 when every document closed, 0 when one refused.
int CloseAllDocuments(AppOptionsRecord& options);
int SaveAllDocuments(AppOptionsRecord& options);
