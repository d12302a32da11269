// The splash box, shown at start-up and as the About box.
#pragma once
#include <windows.h>

#include "base/globals.h"  // SplashWindow, CloseSplash

int ShowSplash(HWND owner);
