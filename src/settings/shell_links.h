// The program's shortcuts in the shell's places: the Start Menu (in the maker's folder under
// Programs), the Desktop and the Startup folder, and the Explorer page's requests for them.
#pragma once
#include <windows.h>

#include "settings/options.h"

enum ShellPlace { kStartMenuPlace = 0, kDesktopPlace = 1, kStartupPlace = 2 };

// The folder of `place` from the user's "Shell Folders" key, without a trailing backslash, the
// Start Menu's with "\Veldmark". False when the value is missing, empty or does not fit: the
// place is then unavailable and nothing is said.
bool ShortcutFolder(ShellPlace place, char (&folder)[kPathCapacity]);
// The place's shortcut file, "<folder>\Norvel.lnk"; false when the place is unavailable or the
// path does not fit.
bool ShortcutPath(ShellPlace place, char (&path)[kPathCapacity]);

bool ShortcutExists(ShellPlace place);
// Each reports its own failure ("Setup" messages); non-zero when done or the place is
// unavailable.
int CreateShortcut(HWND owner, ShellPlace place);
int RemoveShortcut(HWND owner, ShellPlace place);

// Carries out the set requests (create Start Menu, Desktop, Startup, then remove them in the
// same order), then clears all of them.
void CarryOutShellRequests(HWND owner, ShellRequestRecord& requests);

// Test seam: the next link save fails with `failure` (once). The delete goes through the file
// seam (base/file_io.h).
void InjectLinkSaveFailure(HRESULT failure);
