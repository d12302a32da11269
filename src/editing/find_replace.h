// Find and replace through the system's modeless find and replace dialogs. Every request the
// dialog sends acts on the document that is active at that moment.
#pragma once
#include <windows.h>
#include <commdlg.h>

#include "editing/replace_all_text.h"
#include "settings/options.h"

// 1 when a dialog was requested, 0 when one is already open.
int OpenFindDialog(HWND frame, int replace, AppOptionsRecord& options);
// Handles one "commdlg_FindReplace" message for the active document (which may be null).
LRESULT OnFindReplaceMessage(HWND document, FINDREPLACEA* request, AppOptionsRecord& options);

// From the selection's end to the end of the text, no wrap-around; selects the hit. 1 found;
// 0 after "Cannot find" and the beep.
int FindNext(HWND document, const FINDREPLACEA* request, AppOptionsRecord& options);
// Puts the replacement in place of the selection, selects it and finds the next hit behind it;
// returns what that search returns.
int ReplaceOne(HWND document, const FINDREPLACEA* request, AppOptionsRecord& options);
// Replaces every hit from the top of the text, each search starting behind the text just
// inserted; the result arrives in one step. 0 when nothing could change.
int ReplaceAll(HWND document, const FINDREPLACEA* request, AppOptionsRecord& options);

// The control's extended find from `start` to the end of the text; a hit is selected. Returns
// the hit's start or -1 (also for a null control).
LONG SearchForward(HWND edit, LONG start, const char* text, int matchCase, int wholeWords,
                   LONG* foundStart, LONG* foundEnd);

// How the edit control compares and classifies each byte when it searches.
SearchRules ControlSearchRules(bool matchCase);
