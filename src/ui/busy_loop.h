// A long step on the program's only thread (a large text streaming into its control) keeps the
// program painted and listens for the user's wish to stop; all other input waits in the queue
// until the step ends, so no command ever sees a half-done step.
#pragma once
#include <windows.h>

// Paints every window waiting for it (the control being filled is hidden, so never among them).
void PaintWaitingWindows();

// True when the first input waiting asks to stop: Escape (taken off the queue), or a click on
// the close box of `window` or of the frame (left in the queue, so the close goes on once the
// step has stopped).
bool StopRequested(HWND window);
