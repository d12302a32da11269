// Message pumping for in-process window tests.
#include "harness/pump.h"

namespace {

bool quitReceived = false;
int quitCode = 0;

}  // namespace

void PumpMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      quitReceived = true;
      quitCode = static_cast<int>(message.wParam);
      continue;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    PumpMessages();
    if (condition()) return true;
    const DWORD elapsed = GetTickCount() - start;
    if (elapsed >= timeoutMs) return false;
    // Wakes at least every 10 ms for conditions that change without a message.
    MsgWaitForMultipleObjectsEx(0, nullptr, 10, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  }
}

bool QuitReceived(int* exitCode) {
  if (quitReceived && exitCode) *exitCode = quitCode;
  return quitReceived;
}

void ClearQuit() {
  quitReceived = false;
  quitCode = 0;
}
