// The Time Stamp page of the options sheet: what Insert Date writes, with a live example, and a
// button to the system's regional settings where the date and time pictures are chosen.
#pragma once
#include <windows.h>

#include <cstddef>

#include "settings/options.h"

// The example line: the date alone when only ShowDate is set, the time alone when only ShowTime
// is set, otherwise both, two blanks apart, in the order DateFirst says.
void BuildStampPreview(const AppOptionsRecord& options, const char* date, const char* time,
                       char* preview, size_t capacity);

// Sets every box, radio button and the example from the options, with their enabling rules.
void RefreshTimeStampPage(HWND page, const AppOptionsRecord& options);

// Opens the regional settings: the system folder's Control.exe with its Intl.cpl.
void OpenRegionalSettings(HWND page);

// Test seam: the shell's "open" request (ShellExecuteA unless replaced; null restores it).
using ShellOpenFunction = HINSTANCE (*)(HWND owner, const char* verb, const char* file,
                                        const char* parameters, const char* folder, int show);
void SetShellOpenFunction(ShellOpenFunction open);

// The page's dialog procedure; its PROPSHEETPAGE's lParam is the sheet's AppOptionsRecord.
INT_PTR CALLBACK TimeStampPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
