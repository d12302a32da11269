// Printing is not built yet: it only beeps.
#include "printing/print_document.h"

#include "ui/message_dialogs.h"

int PrintDocument(HWND, AppOptionsRecord&) {
  return BeepAndFail();
}
