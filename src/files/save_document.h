// Writing documents to disk: Save, Save As with the line-end choice, Save Selection, backups.
#pragma once
#include <windows.h>

#include "settings/options.h"
#include "ui/global_block.h"

// Command 110 for a document that has a file: converts the text to its LineFormat, keeps a
// ".bak" when Backup is set, and writes the file in one call.
int SaveDocument(HWND document, AppOptionsRecord& options);
// Command 111: asks for a name and a line-end convention, then saves.
int SaveDocumentAs(HWND document, AppOptionsRecord& options);
// Command 112: writes the selected text, with CR LF line ends, to a file the user names.
int SaveSelectionAs(HWND document, AppOptionsRecord& options);
// Moves the file to its ".bak" name; the caller does not use the result.
int MakeBackupFile(const char* path);
// Creates (or truncates) the file and writes `length` bytes of `data` (none: only creates).
int WriteWholeFile(HWND owner, const char* path, const char* data, DWORD length);
// Converts editor text in place to the document's line-end convention; returns the new length.
// The bytes after the new end, up to the old one, become NULs.
DWORD ConvertToFileText(HWND document, char* text);
// The same for a text whose length is already known.
DWORD ConvertToFileText(HWND document, char* text, DWORD length);
