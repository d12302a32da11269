// Edit menu commands on a document: undo, the clipboard, delete, select all, case and
// character-set conversion, go to line. Each returns 1 when it acted and 0 when it did nothing;
// the commands that change the text do nothing in a document that is only viewed.
#pragma once
#include <windows.h>

#include "settings/options.h"

int UndoEdit(HWND document);
int CutSelection(HWND document);
int CopySelection(HWND document);
// The clipboard's plain text in place of the selection; silently nothing when the clipboard
// cannot be opened or holds no text.
int PasteText(HWND document);
// The selection, or the character at the caret (a CR LF line end as one).
int DeleteSelection(HWND document);
int SelectAll(HWND document);
// A text macro in place of the selection (at the caret when nothing is selected), undone in one
// step; a document that is only viewed keeps its text and the user hears a beep.
int InsertMacroText(HWND document, const char* text);
// The selection's letters A-Z to small letters (upper 0) or a-z to capitals (upper 1); returns
// the number of characters changed. Nothing changes, and nothing is said, when none needs to.
int ConvertCase(HWND document, int upper);
// The whole text between the OEM and the ANSI character sets (toOem 0: OEM to ANSI), put into a
// new control; the selection stays and the document counts as changed.
int ConvertCharacterSet(HWND document, int toOem, const AppOptionsRecord& options);
// Asks for a line number (dialog 2200, placed and remembered by DeskTop\GoTo) and puts the
// caret at the start of that line.
int GoToLine(HWND document, AppOptionsRecord& options);
