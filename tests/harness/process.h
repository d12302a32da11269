// Process tests: a Windows program started as a process of its own, waited for and cleaned up.
#pragma once
#include <windows.h>

#include <string>

// The norvel.exe under test, as given by --norvel-exe= (a Windows path); "" when not given.
const std::string& NorvelExePath();
void SetNorvelExePath(const std::string& path);

class ProcessUnderTest {
 public:
  static constexpr DWORD kTimedOut = 0xFFFFFFFF;

  ProcessUnderTest() = default;
  ~ProcessUnderTest();  // terminates the process if it is still running
  ProcessUnderTest(const ProcessUnderTest&) = delete;
  ProcessUnderTest& operator=(const ProcessUnderTest&) = delete;

  // Starts "program" followed by a space and argumentsTail exactly as given (so a test
  // controls every quote), in `workingFolder` ("": ours). Fails the test and returns false when
  // the process cannot start.
  bool Start(const std::string& program, const std::string& argumentsTail = "",
             const std::string& workingFolder = "");
  // Waits, dispatching this thread's messages meanwhile (a broadcast from the child must not
  // block on us), and returns the exit code. On timeout: fails the test, terminates the process
  // and returns kTimedOut.
  DWORD WaitForExit(DWORD timeoutMs = 10000);
  // Polls for a top-level window of this class owned by this process; nullptr after timeoutMs.
  HWND FindTopLevelWindow(const char* className, DWORD timeoutMs = 5000) const;

 private:
  HANDLE process_ = nullptr;
  DWORD id_ = 0;
};
