// Holding a picture on screen until the user does something.
#include "windows/wait_for_input.h"

#include <windows.h>

void WaitForInput() {
  // Nothing is dispatched meanwhile, so no paint can take the picture away early.
  while (!GetInputState()) MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_INPUT);
}
