// The document window: an MDI child holding one rich-edit control and six window words.
#pragma once
#include <windows.h>

#include "settings/options.h"

constexpr ATOM kDocWindowClass = 1000;  // an integer class name, not a string
constexpr int kDocWindowWords = 24;

// Creates an untitled document (null name) or one for a file; null after a reported failure.
HWND CreateDocWindow(HWND owner, const char* fileName, int openReadOnly, AppOptionsRecord& options);

// The document window procedure.
LRESULT CALLBACK DocWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
