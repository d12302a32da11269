// File name prompts built on the common open and save dialogs, and the Open command.
#pragma once
#include <windows.h>

#include "settings/options.h"

// A type list built from the nine filters: each up to 255 characters, "All Files|*.*|" and
// the terminators.
constexpr int kFilterListCapacity = kListSlots * kPathCapacity + 15;
constexpr DWORD kOpenSelectionCapacity = 8192;  // the Open prompt's multiple selection

// The nine filters in order plus "All Files", or string `defaultId` when every filter is
// empty, turned into the common dialogs' pair list. 0 after the lookup's own message.
int BuildFilterList(const AppOptionsRecord& options, char (&list)[kFilterListCapacity],
                    UINT defaultId);

// Open (102): the prompt with multiple selection, then every chosen file opened (for viewing
// when the read-only box was checked); a file already open is brought forward with a beep.
// Non-zero when at least one new document was opened.
// `open` opens one chosen file and says whether a new document came of it.
using OpenChosenFile = bool (*)(HWND frame, const char* path, bool readOnly,
                                AppOptionsRecord& options);
int PromptOpenDocuments(HWND frame, UINT filterListId, UINT titleId, AppOptionsRecord& options,
                        OpenChosenFile open);

// Each prompt below returns non-zero when the user confirmed and 0 on Cancel. `name` holds the
// initial name going in and the chosen path coming out.

// Save As (111): the line-end types of string 1008; `typeIndex` is the LineFormat + 1 in and
// out. Opens in the folder of the document's path.
int PromptSaveAs(HWND owner, char (&name)[kPathCapacity], DWORD* typeIndex);
// Save Selection (112): the filter types; opens in the folder of the initial name.
int PromptSaveSelection(HWND owner, const AppOptionsRecord& options, char (&name)[kPathCapacity]);
// Insert File (152): the filter types, no read-only box; opens in the document's folder.
int PromptInsertFile(HWND owner, const AppOptionsRecord& options, const char* documentPath,
                     char (&name)[kPathCapacity]);
// Build list (151): list types (12005), default extension 12006; `name` comes in as "List%d".
int PromptSaveList(HWND owner, char (&name)[kPathCapacity]);
// Open a list (150) and the browse buttons of the options sheet: title and types by string id,
// opening in the folder of `folderOf` (null or without a backslash: the dialog's own choice).
// `readOnly` null hides the read-only box; otherwise the box shows its value and it gets the
// box's final state.
int PromptOpenFile(HWND owner, UINT titleId, UINT typesId, const char* folderOf,
                   char (&name)[kPathCapacity], DWORD* readOnly);
