// The record list shared by the Tools and Macros pages.
#include "options/list_page.h"

int CurrentRecord(HWND page) {
  return static_cast<int>(GetWindowLongPtrA(page, GWLP_USERDATA));
}

void SetCurrentRecord(HWND page, int index) {
  SetWindowLongPtrA(page, GWLP_USERDATA, index);
}

void FillRecordList(HWND page, int listId, const char* const (&names)[kListSlots]) {
  HWND list = GetDlgItem(page, listId);
  SendMessageA(list, CB_RESETCONTENT, 0, 0);
  for (const char* name : names) {
    SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(*name ? name : "Undefined"));
  }
  SendMessageA(list, CB_SETCURSEL, CurrentRecord(page), 0);
}

void SwitchRecord(HWND page, int listId, LPARAM data, int (*store)(HWND, LPARAM),
                  void (*fill)(HWND, LPARAM)) {
  const LRESULT chosen = SendDlgItemMessageA(page, listId, CB_GETCURSEL, 0, 0);
  if (chosen < 0 || chosen >= kListSlots) return;
  if (!store(page, data)) {
    SendDlgItemMessageA(page, listId, CB_SETCURSEL, CurrentRecord(page), 0);
    return;
  }
  SetCurrentRecord(page, static_cast<int>(chosen));
  fill(page, data);
}

void RestoreField(HWND page, int id, const char* text) {
  SetDlgItemTextA(page, id, text);
  SendDlgItemMessageA(page, id, EM_SETSEL, 0, -1);
  SetFocus(GetDlgItem(page, id));
}
