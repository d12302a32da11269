// The splash box, shown at start-up and as the About box.
#pragma once
#include <windows.h>

int ShowSplash(HWND owner);
void CloseSplash();
