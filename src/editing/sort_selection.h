// Sorting the selected whole lines of a document, as one undoable step.
#pragma once
#include <windows.h>

#include "settings/options.h"

// Asks for the order (dialog 2800, which remembers its settings and placement in `options` on
// OK) and sorts the selected lines. 1 when sorted or cancelled; 0 when the selection is no run
// of at least two whole lines, or memory ran out (each said), or the document is only viewed.
int SortSelection(HWND document, AppOptionsRecord& options);
