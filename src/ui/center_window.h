// Centring windows on the desktop rectangle.
#pragma once
#include <windows.h>

// Moves a window, keeping its size, to the middle of the desktop rectangle (ScreenRect).
void CenterWindow(HWND window);
// The top-left corner that centres a width x height window on the desktop rectangle, rounded
// down; reads the desktop rectangle from the system when ScreenRect is still empty.
POINT CenteredPosition(int width, int height);
