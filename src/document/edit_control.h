// Operations on a document's rich-edit control.
#pragma once
#include <windows.h>

// The edit control of a document window (window word 0), or null.
HWND DocEditControl(HWND document);

// The background rule: the button-face colour when LtGray is set, else the control's default.
int ApplyEditBackground(HWND edit, int ltGray);
