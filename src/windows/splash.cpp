// The splash box, shown at start-up and as the About box.
#include "windows/splash.h"

#include "ui/message_dialogs.h"

HWND SplashWindow = nullptr;

int ShowSplash(HWND) {
  return BeepAndFail();  // the splash picture and its window come later
}

void CloseSplash() {
  if (SplashWindow && IsWindow(SplashWindow)) DestroyWindow(SplashWindow);
  SplashWindow = nullptr;
}
