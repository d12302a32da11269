// The clipboard viewer command is not built yet: it only beeps.
#include "editing/clipboard.h"

#include "ui/message_dialogs.h"

int ShowClipboard(HWND) {
  return BeepAndFail();
}
