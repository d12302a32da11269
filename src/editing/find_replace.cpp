// Find and replace is not built yet: opening the dialog only beeps.
#include "editing/find_replace.h"

#include "ui/message_dialogs.h"

int OpenFindDialog(HWND, int, AppOptionsRecord&) {
  return BeepAndFail();
}
LRESULT OnFindReplaceMessage(HWND, FINDREPLACEA*, AppOptionsRecord&) {
  return 0;
}
