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
  ProcessUnderTest(ProcessUnderTest&& other) noexcept;
  ProcessUnderTest& operator=(ProcessUnderTest&& other) noexcept;
  ProcessUnderTest(const ProcessUnderTest&) = delete;
  ProcessUnderTest& operator=(const ProcessUnderTest&) = delete;

  // Starts the command line "program" followed by a space and argumentsTail exactly as given
  // (so a test controls every quote). The program is looked up the CreateProcessA way (the
  // program's folder, the current folder, the system folders, PATH). workingFolder "" keeps
  // ours. Fails the test and returns false when the process cannot start.
  bool Start(const std::string& program, const std::string& argumentsTail = "",
             const std::string& workingFolder = "");
  bool Running() const;
  // Waits, dispatching this thread's messages meanwhile (a broadcast from the child must not
  // block on us), and returns the exit code. On timeout: fails the test, terminates the process
  // and returns kTimedOut.
  DWORD WaitForExit(DWORD timeoutMs = 10000);
  // Polls for a top-level window of this class (case-insensitive) owned by this process;
  // nullptr after timeoutMs. Hidden windows count.
  HWND FindTopLevelWindow(const char* className, DWORD timeoutMs = 5000) const;
  void Terminate();
  DWORD Id() const { return id_; }
  HANDLE Handle() const { return process_; }

 private:
  void Close();

  HANDLE process_ = nullptr;
  DWORD id_ = 0;
};
