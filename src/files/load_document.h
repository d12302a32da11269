// Reading text files into documents: detection of the line-end convention and conversion to
// the editor's CR LF text.
#pragma once
#include <windows.h>

#include "settings/options.h"

// Loads the file into the document's control; `viewing` opens it read-only without asking. A
// reload (Refresh, Discard) puts the text into a new control, so a failure at any step leaves
// the document as it was.
int LoadDocumentFile(HWND document, const char* path, int viewing, AppOptionsRecord& options);
