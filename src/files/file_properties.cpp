// File properties are not built yet: the command only beeps.
#include "files/file_properties.h"

#include "ui/message_dialogs.h"

int FileProperties(HWND, AppOptionsRecord&) {
  return BeepAndFail();
}
