// Edit menu commands on the active document: undo, clipboard, case and character-set
// conversion, go to line.
#pragma once
#include <windows.h>

#include "settings/options.h"

int UndoEdit(HWND document);
int CutSelection(HWND document);
int CopySelection(HWND document);
int PasteText(HWND document);
int DeleteSelection(HWND document);
int SelectAll(HWND document);
int ConvertCase(HWND document, int upper);          // 0 lower, 1 upper
int ConvertCharacterSet(HWND document, int toOem);  // 0 OEM to ANSI, 1 ANSI to OEM
int GoToLine(HWND document, AppOptionsRecord& options);
