// The splash box: the program's picture with the registered owner and organisation over it,
// shown during start-up and as the About box.
#pragma once
#include <windows.h>

#include "base/globals.h"  // SplashWindow, CloseSplash

// Takes the picture's size, registers the class (integer atom 500) and shows the start-up splash
// when `splashOption` is on; 0 after the message, and start-up ends.
int RegisterSplash(HINSTANCE instance, DWORD splashOption);
// Shows the splash box, or brings it back when it is shown. Command 999 calls it as the About
// box, which a key, a click or the next dialog closes; the start-up splash ignores keys and clicks.
int ShowSplash();
