// The splash box, shown at start-up and as the About box.
#include "windows/splash.h"

#include "ui/message_dialogs.h"

int ShowSplash(HWND) {
  return BeepAndFail();  // the splash picture and its window come later
}
