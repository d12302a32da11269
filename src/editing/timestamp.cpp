// Timestamps are not built yet: inserting one only beeps.
#include "editing/timestamp.h"

#include "ui/message_dialogs.h"

int InsertTimestamp(HWND, AppOptionsRecord&) {
  return BeepAndFail();
}
