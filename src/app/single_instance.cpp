// Single-instance hand-over. A window message cannot carry a pointer across processes, so the
// command line travels as WM_COPYDATA and is turned into OpenFileMessage by the receiving frame.
#include "app/single_instance.h"

#include <cstring>
#include <memory>

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
  // The sender's block is only valid during this message and need not be terminated. The file
  // opens after the sender has been released: a message box about it must not keep the second
  // instance waiting.
  const size_t length = data->cbData < kHandOverCapacity ? data->cbData : kHandOverCapacity;
  auto* name = new char[length + 1];
  std::memcpy(name, data->lpData, length);
  name[length] = '\0';
  if (!PostMessageA(frame, kHandOverMessage, 0, reinterpret_cast<LPARAM>(name))) delete[] name;
  return true;
}

void OpenHandedOverFile(HWND frame, LPARAM posted) {
  std::unique_ptr<char[]> name(reinterpret_cast<char*>(posted));
  if (name) SendMessageA(frame, OpenFileMessage, 0, reinterpret_cast<LPARAM>(name.get()));
}
