// Opening several documents from a list of paths: indirect file lists, the SysEdit files and
// the recent-file entries; and building a list of the open documents.
#pragma once
#include <windows.h>

#include "settings/options.h"

// Opens every file the list at FileSpec names (a relative name is taken in the list's own
// folder); files that do not exist are skipped, open ones brought forward.
int OpenIndirectList(HWND frame, AppOptionsRecord& options);
// Command 150: asks for a list, then opens it.
int OpenListCommand(HWND frame, AppOptionsRecord& options);
// Command 151: a new document holding the full path of every open document, saved as a list.
int BuildIndirectList(HWND frame, AppOptionsRecord& options);
// The nine SysEdit files, opened for editing without entering the recent-file list.
int LoadSysEditFiles(HWND frame, AppOptionsRecord& options);
// Commands 190-198: recent entry `index` (0-8); an entry whose file has gone is removed.
int OpenRecentFile(HWND frame, int index, AppOptionsRecord& options);
