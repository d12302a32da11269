// Single-instance hand-over. A window message cannot carry a pointer across processes, so the
// command line travels as WM_COPYDATA and is turned into OpenFileMessage by the receiving frame.
#include "app/single_instance.h"

#include <cstring>

#include "app/globals.h"

bool HandOverToRunningInstance(const char* commandLine) {
  HWND running = FindWindowA(kFrameClassName, nullptr);
  if (!running) return false;
  ShowWindow(running, IsIconic(running) ? SW_RESTORE : SW_SHOWNORMAL);
  SetForegroundWindow(running);
  if (commandLine && *commandLine) {
    COPYDATASTRUCT data = {};
    data.dwData = kHandOverTag;
    data.cbData = static_cast<DWORD>(std::strlen(commandLine) + 1);
    data.lpData = const_cast<char*>(commandLine);
    DWORD_PTR result = 0;
    SendMessageTimeoutA(running, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_NORMAL,
                        30000, &result);
  }
  return true;
}

bool ReceiveHandOver(HWND frame, const COPYDATASTRUCT* data) {
  if (!data || data->dwData != kHandOverTag || !data->lpData || data->cbData == 0) return false;
  // The sender's block is only valid during this message and need not be terminated.
  char name[MAX_PATH + 1];
  const size_t length = data->cbData < sizeof name - 1 ? data->cbData : sizeof name - 1;
  std::memcpy(name, data->lpData, length);
  name[length] = '\0';
  SendMessageA(frame, OpenFileMessage, 0, reinterpret_cast<LPARAM>(name));
  return true;
}
