// The hourglass for as long as a long operation runs; the previous cursor comes back after.
#pragma once
#include <windows.h>

class WaitCursor {
 public:
  WaitCursor() : previous_(SetCursor(LoadCursorA(nullptr, IDC_WAIT))) {}
  ~WaitCursor() { SetCursor(previous_); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

 private:
  HCURSOR previous_;
};
