// The status line: part 0 carries messages, part 1 the caret line.
#pragma once
#include <windows.h>

// Looks up text `id`, formats it with the arguments (255 characters at most) and shows it in
// status part 0 while the status bar is shown.
void SetStatus(UINT id, ...);
