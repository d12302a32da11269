// Writing documents to disk: Save, Save As with the line-end choice, Save Selection, backups.
#pragma once
#include <windows.h>

#include "settings/options.h"
#include "ui/global_block.h"

// Command 110 for a document that has a file: converts the text to its LineFormat, keeps a
// ".bak" when Backup is set, and writes the file in one call. The file is written beside the
// old one and takes its place only when complete (files/safe_write.h).
int SaveDocument(HWND document, AppOptionsRecord& options);
// Command 111: asks for a name and a line-end convention, then saves; the document takes the
// new name and convention only when the save succeeds.
int SaveDocumentAs(HWND document, AppOptionsRecord& options);
// Command 112: writes the selected text, with CR LF line ends, to a file the user names.
int SaveSelectionAs(HWND document, AppOptionsRecord& options);
// Writes `length` bytes of `data` as the whole file (none: an empty file), safely.
int WriteWholeFile(HWND owner, const char* path, const char* data, DWORD length);
// Converts editor text of `length` bytes in place to the document's line-end convention;
// returns the new length. The bytes after the new end, up to the old one, become NULs.
DWORD ConvertToFileText(HWND document, char* text, DWORD length);
