// A new document window: untitled, or for a file that is loaded into it.
#pragma once
#include <windows.h>

#include "settings/options.h"

// Creates an untitled document (null or empty name) or one for a file; null after a reported
// failure. Every document path is made full here: a relative name would be resolved again at
// each save, against whatever folder a file prompt made current meanwhile. A path that does
// not fit the title is refused, never cut to another file's name.
HWND CreateDocWindow(HWND owner, const char* fileName, int openReadOnly, AppOptionsRecord& options);
