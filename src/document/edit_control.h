// Operations on a document's rich-edit control. Each does nothing and returns 0 for a null
// control.
#pragma once
#include <windows.h>

#include <cstddef>

#include "ui/global_block.h"

// The edit control of a document window (window word 0), or null.
HWND DocEditControl(HWND document);

// The background rule: the button-face colour when LtGray is set, else the control's default.
int ApplyEditBackground(HWND edit, int ltGray);

int GetEditSelection(HWND edit, LONG* start, LONG* end);  // either pointer may be null
// Selects, scrolls the caret into view and gives the control the focus.
int SetEditSelection(HWND edit, LONG start, LONG end);
int CopyLeadingText(HWND edit, char* buffer, LONG count);  // characters 0..count, terminated
// Characters start..end into `buffer` (end - start + 1 bytes), terminated; returns how many.
LONG CopyTextRange(HWND edit, LONG start, LONG end, char* buffer);
int CharacterAt(HWND edit, LONG position);                 // the character in the low byte
int LineOfCharacter(HWND edit, LONG index);                // index -1: the caret's line
int SetEditTextLimit(HWND edit, LONG limit);
int ReplaceEditSelection(HWND edit, const char* text);  // undoable
LRESULT SetEditFont(HWND edit, HFONT font);
// Replaces the whole text. Streamed in: under Wine this is many times faster than WM_SETTEXT
// for a large text, with the same result. The control's limit is raised when the text would
// not fit it, so no byte is ever cut off.
// `progress`, when given, hears the share streamed in so far, in whole percent, each time it
// grows (the control itself takes nearly all of a large load's time); when it answers false the
// stream stops there and the result is 0, as for a stream the control could not take whole.
using StreamProgress = bool (*)(void* context, int percent);
int SetEditText(HWND edit, const char* text, size_t length, StreamProgress progress = nullptr,
                void* context = nullptr);

// The control's whole text, NUL-terminated, in a block of (length + 16) bytes; an empty block
// after reporting a failed allocation.
GlobalBlock GetEditorText(HWND edit, DWORD* length);
