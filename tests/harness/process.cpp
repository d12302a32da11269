// Process tests: starting, waiting for and cleaning up a program under test.
#include "harness/process.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "harness/dialog_answerer.h"
#include "harness/pump.h"

namespace {

std::string norvelExePath;

struct WindowSearch {
  DWORD processId;
  const char* className;
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<WindowSearch*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->processId) return TRUE;
  char name[256] = "";
  GetClassNameA(window, name, sizeof name);
  if (lstrcmpiA(name, search->className) != 0) return TRUE;
  search->found = window;
  return FALSE;
}

struct WindowList {
  DWORD processId;
  std::string text;
};

BOOL CALLBACK DescribeWindow(HWND window, LPARAM param) {
  auto* list = reinterpret_cast<WindowList*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != list->processId || !IsWindowVisible(window)) return TRUE;
  char name[256] = "";
  GetClassNameA(window, name, sizeof name);
  list->text += std::string("\n  ") + name + " " + DialogAnswerer::Read(window).Describe();
  return TRUE;
}

// What a hung process shows: usually a message box that nobody answers.
std::string VisibleWindows(DWORD processId) {
  WindowList list{processId, ""};
  EnumWindows(DescribeWindow, reinterpret_cast<LPARAM>(&list));
  return list.text.empty() ? " none" : list.text;
}

}  // namespace

const std::string& NorvelExePath() {
  return norvelExePath;
}

void SetNorvelExePath(const std::string& path) {
  norvelExePath = path;
}

ProcessUnderTest::~ProcessUnderTest() {
  Terminate();
}

ProcessUnderTest::ProcessUnderTest(ProcessUnderTest&& other) noexcept
    : process_(std::exchange(other.process_, nullptr)), id_(std::exchange(other.id_, 0)) {}

ProcessUnderTest& ProcessUnderTest::operator=(ProcessUnderTest&& other) noexcept {
  if (this != &other) {
    Terminate();
    process_ = std::exchange(other.process_, nullptr);
    id_ = std::exchange(other.id_, 0);
  }
  return *this;
}

bool ProcessUnderTest::Start(const std::string& program, const std::string& argumentsTail,
                             const std::string& workingFolder) {
  Terminate();
  std::string commandLine = "\"" + program + "\"";
  if (!argumentsTail.empty()) commandLine += " " + argumentsTail;
  // CreateProcessA may write into the command line, so it gets a copy of its own.
  std::vector<char> buffer(commandLine.begin(), commandLine.end());
  buffer.push_back('\0');
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info = {};
  if (!CreateProcessA(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      workingFolder.empty() ? nullptr : workingFolder.c_str(), &startup, &info)) {
    ADD_FAILURE() << "Cannot start " << commandLine << ": error " << GetLastError();
    return false;
  }
  CloseHandle(info.hThread);
  process_ = info.hProcess;
  id_ = info.dwProcessId;
  return true;
}

bool ProcessUnderTest::Running() const {
  return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

DWORD ProcessUnderTest::WaitForExit(DWORD timeoutMs) {
  if (!process_) {
    ADD_FAILURE() << "WaitForExit: no process was started";
    return kTimedOut;
  }
  const DWORD start = GetTickCount();
  for (;;) {
    const DWORD elapsed = GetTickCount() - start;
    if (elapsed >= timeoutMs) break;
    const DWORD result =
        MsgWaitForMultipleObjects(1, &process_, FALSE, timeoutMs - elapsed, QS_ALLINPUT);
    if (result == WAIT_OBJECT_0) {
      DWORD code = kTimedOut;
      GetExitCodeProcess(process_, &code);
      return code;
    }
    if (result != WAIT_OBJECT_0 + 1) break;
    PumpMessages();
  }
  if (WaitForSingleObject(process_, 0) == WAIT_OBJECT_0) {
    DWORD code = kTimedOut;
    GetExitCodeProcess(process_, &code);
    return code;
  }
  ADD_FAILURE() << "Process " << id_ << " did not end within " << timeoutMs
                << " ms. Its visible windows:" << VisibleWindows(id_);
  Terminate();
  return kTimedOut;
}

HWND ProcessUnderTest::FindTopLevelWindow(const char* className, DWORD timeoutMs) const {
  WindowSearch search{id_, className, nullptr};
  PumpUntil(
      [&] {
        EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr;
      },
      timeoutMs);
  return search.found;
}

void ProcessUnderTest::Terminate() {
  if (!process_) return;
  if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_, kTimedOut);
    WaitForSingleObject(process_, 5000);
  }
  Close();
}

void ProcessUnderTest::Close() {
  CloseHandle(process_);
  process_ = nullptr;
  id_ = 0;
}
