// Reading text files into documents: detection of the line-end convention and conversion to
// the editor's CR LF text.
#pragma once
#include <windows.h>

#include "settings/options.h"

constexpr long kEditTextLimit = 0xA00000;  // 10,485,760: files of 10,485,759 bytes are refused

// Loads the file into the document's control; `viewing` opens it read-only without asking.
int LoadDocumentFile(HWND document, const char* path, int viewing, AppOptionsRecord& options);
// Sets the document's LineFormat word from the bytes.
void DetectLineFormat(HWND document, const char* text);
// Converts `text` (in a block of at least 2 * length + 16 bytes) in place by the document's
// LineFormat; returns the new length.
DWORD ConvertToEditorText(HWND document, char* text);
