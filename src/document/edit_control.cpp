// Operations on a document's rich-edit control.
#include "document/edit_control.h"

#include <richedit.h>

HWND DocEditControl(HWND document) {
  if (!document) return nullptr;
  // Window words are 32 bits; window handles fit in them on 64-bit Windows too.
  return reinterpret_cast<HWND>(static_cast<LONG_PTR>(GetWindowLongA(document, 0)));
}

int ApplyEditBackground(HWND edit, int ltGray) {
  if (!edit) return 0;
  if (ltGray) {
    SendMessageA(edit, EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(GetSysColor(COLOR_BTNFACE)));
  } else {
    SendMessageA(edit, EM_SETBKGNDCOLOR, 1, 0);
  }
  return 1;
}
