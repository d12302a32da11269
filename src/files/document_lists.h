// Document lists: indirect file lists, the SysEdit files and the recent files.
#pragma once
#include <windows.h>

#include "settings/options.h"

int OpenIndirectList(HWND frame, AppOptionsRecord& options);  // the list named by FileSpec
int OpenListCommand(HWND frame, AppOptionsRecord& options);   // "Open a List...": asks for one
int BuildIndirectList(HWND frame, AppOptionsRecord& options);
int LoadSysEditFiles(HWND frame, AppOptionsRecord& options);
int OpenRecentFile(HWND frame, int index, AppOptionsRecord& options);  // index 0-8
