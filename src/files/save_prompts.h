// What happens to unsaved edits: the question before closing, Discard, Refresh, the switch
// between viewing and editing, and Duplicate.
#pragma once
#include <windows.h>

#include "settings/options.h"

// Save (command 110): to the document's file when it has one, else through Save As.
int SaveOrSaveAs(HWND document, AppOptionsRecord& options);
// Non-zero when the document may close (saved, discarded or nothing to save).
int QuerySaveChanges(HWND document, AppOptionsRecord& options);
int DiscardChanges(HWND document, AppOptionsRecord& options);
int RefreshDocument(HWND document, AppOptionsRecord& options);
int ToggleViewing(HWND document, AppOptionsRecord& options);
int DuplicateDocument(HWND document, AppOptionsRecord& options);
