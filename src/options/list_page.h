// What the Tools and Macros pages share: a drop-down list of nine records, the index of the one
// being edited, and switching records only after the shown one was stored.
#pragma once
#include <windows.h>

#include "settings/options.h"

// The record the page edits, 0-8; 0 whenever the sheet opens (the page window is new then).
int CurrentRecord(HWND page);
void SetCurrentRecord(HWND page, int index);

// Fills `list` with the nine names ("&%d ..." is the menu's business: here only the names,
// "Undefined" for an empty one) and selects the current record.
void FillRecordList(HWND page, int listId, const char* const (&names)[kListSlots]);

// A new selection in `list`: `store` the shown record first; on success the selection becomes the
// current record and `fill` shows it, otherwise the list goes back to the current record.
void SwitchRecord(HWND page, int listId, LPARAM data, int (*store)(HWND, LPARAM),
                  void (*fill)(HWND, LPARAM));

// Reads edit `id` into `field` (at most capacity - 1 characters).
template <size_t capacity>
void ReadField(HWND page, int id, char (&field)[capacity]) {
  GetDlgItemTextA(page, id, field, static_cast<int>(capacity));
}
// Puts the stored `text` back into edit `id`, selects it and gives it the focus.
void RestoreField(HWND page, int id, const char* text);
