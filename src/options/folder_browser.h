// The shell's folder browser, behind a seam: a test cannot drive the shell's own dialog.
#pragma once
#include <windows.h>

#include "settings/options.h"

// Shows the browser rooted at the desktop; on a choice copies its path into `folder` and returns
// non-zero. 0 (and `folder` untouched) on Cancel or when the shell cannot show it.
int BrowseForFolder(HWND owner, char (&folder)[kPathCapacity]);

// Test seam: `browser` answers every later BrowseForFolder; null restores the shell's.
using FolderBrowser = int (*)(HWND owner, char (&folder)[kPathCapacity]);
void SetFolderBrowser(FolderBrowser browser);
