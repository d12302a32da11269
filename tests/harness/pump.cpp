// Message pumping for in-process window tests.
#include "harness/pump.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

// A window that never validates its paint region, or re-posts a message to itself, would keep
// the pump (and the test) running for ever; no real flow sends the same message to the same
// window this many times in a row.
constexpr int kMaxRepeats = 1000;

bool quitReceived = false;
int quitCode = 0;
MessageFilter messageFilter;

}  // namespace

void PumpMessages() {
  MSG message;
  MSG previous = {};
  int repeats = 0;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    const bool same = message.hwnd == previous.hwnd && message.message == previous.message;
    repeats = same ? repeats + 1 : 0;
    previous = message;
    if (repeats == kMaxRepeats) {
      char className[64] = "";
      GetClassNameA(message.hwnd, className, sizeof className);
      ADD_FAILURE() << "The message queue never empties: message 0x" << std::hex << message.message
                    << " to a \"" << className << "\" window keeps coming";
      return;
    }
    if (message.message == WM_QUIT) {
      quitReceived = true;
      quitCode = static_cast<int>(message.wParam);
      continue;
    }
    if (messageFilter && messageFilter(message)) continue;
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
    // Waking at least every 10 ms re-checks conditions that change without a message (files,
    // other processes).
    const DWORD wait = timeoutMs - elapsed < 10 ? timeoutMs - elapsed : 10;
    MsgWaitForMultipleObjectsEx(0, nullptr, wait, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  }
}

void PumpFor(DWORD ms) {
  PumpUntil([] { return false; }, ms);
}

bool QuitReceived(int* exitCode) {
  if (quitReceived && exitCode) *exitCode = quitCode;
  return quitReceived;
}

void ClearQuit() {
  quitReceived = false;
  quitCode = 0;
}

void SetMessageFilter(MessageFilter filter) {
  messageFilter = std::move(filter);
}
