// The error codes window is not built yet: opening it only beeps; it is never open.
#include "windows/error_codes.h"

#include "ui/message_dialogs.h"

int OpenErrorCodes(PlacementRecord*) {
  return BeepAndFail();
}
int SetErrorCodesTopmost(int) {
  return 0;
}
int CloseErrorCodes() {
  return 0;
}
