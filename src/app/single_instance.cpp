// Single-instance hand-over. A window message cannot carry a pointer across processes, so the
// command line travels as WM_COPYDATA; the receiving frame keeps it in a queue of its own and
// posts itself OpenFileMessage, which carries nothing.
#include "app/single_instance.h"

#include <cstring>
#include <deque>
#include <memory>

#include "app/command_line.h"
#include "base/file_checks.h"
#include "base/globals.h"

namespace {

std::deque<std::string> pendingHandOvers;

// The text to hand over: a document name becomes a full path here, where it was typed; the
// running instance's current folder may be another one.
std::string HandOverText(const char* commandLine) {
  auto scratch = std::make_unique<AppOptionsRecord>();
  const CommandLineRequest request = ParseCommandLineText(commandLine, *scratch, IsExistingFile);
  if (request != CommandLineRequest::File && request != CommandLineRequest::TooLong) {
    return commandLine;
  }
  std::string unquoted;
  for (const char* p = commandLine; *p; ++p) {
    if (*p != '"') unquoted += *p;
  }
  return FullPathOf(unquoted.c_str());
}

}  // namespace

bool HandOverToRunningInstance(const char* commandLine) {
  HWND running = FindWindowA(kFrameClassName, nullptr);
  if (!running) return false;
  ShowWindow(running, IsIconic(running) ? SW_RESTORE : SW_SHOWNORMAL);
  SetForegroundWindow(running);
  if (commandLine && *commandLine) {
    const std::string text = HandOverText(commandLine);
    COPYDATASTRUCT data = {};
    data.dwData = kHandOverTag;
    data.cbData = static_cast<DWORD>(text.size() + 1);
    data.lpData = const_cast<char*>(text.c_str());
    DWORD_PTR result = 0;
    SendMessageTimeoutA(running, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_NORMAL,
                        30000, &result);
  }
  return true;
}

bool ReceiveHandOver(HWND frame, const COPYDATASTRUCT* data) {
  if (!data || data->dwData != kHandOverTag || !data->lpData || data->cbData == 0) return false;
  if (pendingHandOvers.size() >= kPendingHandOverLimit) return true;
  // The sender's block is only valid during this message and need not be terminated. The file
  // opens after the sender has been released: a message box about it must not keep the second
  // instance waiting.
  const size_t length = data->cbData < kHandOverCapacity ? data->cbData : kHandOverCapacity;
  const char* text = static_cast<const char*>(data->lpData);
  pendingHandOvers.emplace_back(text, strnlen(text, length));
  PostMessageA(frame, OpenFileMessage, 0, 0);
  return true;
}

bool TakeHandOver(std::string& commandLine) {
  if (pendingHandOvers.empty()) return false;
  commandLine = std::move(pendingHandOvers.front());
  pendingHandOvers.pop_front();
  return true;
}
