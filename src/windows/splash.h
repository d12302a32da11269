// The splash box, shown at start-up and as the About box.
#pragma once
#include <windows.h>

extern HWND SplashWindow;  // the splash box while it is shown, null otherwise

int ShowSplash(HWND owner);
// Destroys the splash box if it is shown; called before every dialog of the program.
void CloseSplash();
