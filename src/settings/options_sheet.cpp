// The options property sheet is not built yet: opening it only beeps.
#include "settings/options_sheet.h"

#include "ui/message_dialogs.h"

int OpenOptionsSheet(HWND, AppOptionsRecord&, int) {
  return BeepAndFail();
}
