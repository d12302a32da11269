// The program's own message dialogs: errors, notices and yes/no questions, built from
// in-memory templates. Error and notice calls return 0 so a caller can return their result.
#pragma once
#include <windows.h>

#include <string>

#include "ui/format_check.h"

constexpr int kMessageCapacity = 512;  // a formatted message: 511 characters and the terminator

extern BOOL BeepFlag;  // copy of AppOptions.Sounds: beep before a message dialog

int ShowErrorText(const char* format, ...) NORVEL_PRINTF(1, 2);
int ShowError(UINT messageId, ...);
int ShowMessageText(HWND owner, const char* title, const char* format, ...) NORVEL_PRINTF(3, 4);
int ShowMessage(HWND owner, UINT titleId, UINT messageId, ...);
int AskYesNoText(HWND owner, int defaultIsYes, const char* title, const char* format, ...)
    NORVEL_PRINTF(4, 5);
int AskYesNo(HWND owner, int defaultIsYes, UINT titleId, UINT messageId, ...);
// The three-way "File Modified" question: IDYES, IDNO or IDCANCEL.
int AskSaveChanges(HWND owner, const char* format, ...) NORVEL_PRINTF(2, 3);

// Copies text `id` into `buffer` (kStringCapacity characters); returns its length, or 0 after
// showing the missing-resource error.
int GetString(char* buffer, UINT id);

// "This path is too long to open.", naming the path by its first 30 and last 50 characters
// (the whole would not fit the message box); returns 0.
int ShowPathTooLong(HWND owner, const std::string& path);

// Sounds the asterisk beep whatever the sound flag says; returns 0.
int BeepAndFail();

// Test seam: every beep the program makes goes through this (MessageBeep by default).
using BeepFunction = void (*)(UINT type);
void SetBeepFunction(BeepFunction beep);
void Beep(UINT type);
