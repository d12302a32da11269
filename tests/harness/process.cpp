// Process tests: starting, waiting for and cleaning up a program under test.
#include "harness/process.h"

#include <gtest/gtest.h>

#include <vector>

#include "harness/pump.h"

namespace {

std::string norvelExePath;

}  // namespace

const std::string& NorvelExePath() {
  return norvelExePath;
}

void SetNorvelExePath(const std::string& path) {
  norvelExePath = path;
}

ProcessUnderTest::~ProcessUnderTest() {
  if (!process_) return;
  if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) TerminateProcess(process_, kTimedOut);
  WaitForSingleObject(process_, 5000);
  CloseHandle(process_);
}

bool ProcessUnderTest::Start(const std::string& program, const std::string& argumentsTail,
                             const std::string& workingFolder) {
  std::string commandLine = "\"" + program + "\"";
  if (!argumentsTail.empty()) commandLine += " " + argumentsTail;
  std::vector<char> buffer(commandLine.begin(), commandLine.end());  // CreateProcessA writes
  buffer.push_back('\0');
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info = {};
  const char* folder = workingFolder.empty() ? nullptr : workingFolder.c_str();
  if (process_ || !CreateProcessA(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                  folder, &startup, &info)) {
    ADD_FAILURE() << "Cannot start " << commandLine << ": error " << GetLastError();
    return false;
  }
  CloseHandle(info.hThread);
  process_ = info.hProcess;
  id_ = info.dwProcessId;
  return true;
}

DWORD ProcessUnderTest::WaitForExit(DWORD timeoutMs) {
  DWORD code = kTimedOut;
  const DWORD start = GetTickCount();
  while (process_ && GetTickCount() - start < timeoutMs) {
    const DWORD wait = timeoutMs - (GetTickCount() - start);
    if (MsgWaitForMultipleObjects(1, &process_, FALSE, wait, QS_ALLINPUT) == WAIT_OBJECT_0) {
      GetExitCodeProcess(process_, &code);
      return code;
    }
    PumpMessages();
  }
  ADD_FAILURE() << "Process " << id_ << " did not end within " << timeoutMs << " ms";
  if (process_) TerminateProcess(process_, kTimedOut);
  return code;
}

HWND ProcessUnderTest::FindTopLevelWindow(const char* className, DWORD timeoutMs) const {
  HWND found = nullptr;
  PumpUntil(
      [&] {
        for (HWND w = nullptr; (w = FindWindowExA(nullptr, w, className, nullptr));) {
          DWORD owner = 0;
          GetWindowThreadProcessId(w, &owner);
          if (owner == id_) return (found = w) != nullptr;
        }
        return false;
      },
      timeoutMs);
  return found;
}
