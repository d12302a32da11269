// Holding a picture on screen until the user does something.
#pragma once

// Returns once mouse-button or keyboard input waits in the thread's queue; the input itself stays
// there for the message loop.
void WaitForInput();
