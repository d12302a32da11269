// norvel.exe as a process: start, single-instance hand-over, exit code.
#include <cstring>
#include <string>
#include <vector>

#include "harness/harness.h"

namespace {

// A stand-in for a running Norvel: a window of the frame's class that records hand-overs.
struct FakeRunningFrame {
  static inline std::vector<std::string> received;

  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COPYDATA) {
      const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
      received.emplace_back(static_cast<const char*>(data->lpData), data->cbData);
      return TRUE;
    }
    return DefWindowProcA(window, message, wParam, lParam);
  }

  FakeRunningFrame() {
    received.clear();
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = Proc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "NorvelAppClass";
    RegisterClassA(&windowClass);
    window = CreateWindowA("NorvelAppClass", "Norvel", WS_OVERLAPPEDWINDOW, 10, 10, 300, 200,
                           nullptr, nullptr, windowClass.hInstance, nullptr);
  }
  ~FakeRunningFrame() {
    DestroyWindow(window);
    UnregisterClassA("NorvelAppClass", GetModuleHandleA(nullptr));
  }
  HWND window = nullptr;
};

TEST(StartupProcess, SecondInstanceHandsItsCommandLineOverAndExitsWithZero) {
  char temp[MAX_PATH];
  GetTempPathA(sizeof temp, temp);
  const std::string folder = std::string(temp).substr(0, std::strlen(temp) - 1);
  // A document name arrives as a full path, resolved where the second instance was started;
  // anything else arrives as it was typed; without a command line nothing arrives. The running
  // frame comes forward, also from the taskbar.
  const struct {
    const char* tail;
    std::string workingFolder;
    std::vector<std::string> received;
  } cases[] = {
      {"\"C:\\my notes\\to do.txt\"", "", {std::string("C:\\my notes\\to do.txt") + '\0'}},
      {"relative.txt", folder, {folder + "\\relative.txt" + '\0'}},
      {"/L", "", {std::string("/L") + '\0'}},
      {"", "", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.tail);
    FakeRunningFrame running;
    ASSERT_NE(running.window, nullptr);
    ShowWindow(running.window, SW_MINIMIZE);
    ProcessUnderTest second;
    ASSERT_TRUE(second.Start(NorvelExePath(), c.tail, c.workingFolder));
    EXPECT_EQ(second.WaitForExit(), 0u);
    EXPECT_EQ(FakeRunningFrame::received, c.received);
    EXPECT_TRUE(IsWindowVisible(running.window));
    EXPECT_FALSE(IsIconic(running.window));
  }
}

TEST(StartupProcess, StartsWithItsFrameAndEndsWithZeroWhenClosed) {
  ProcessUnderTest norvel;
  ASSERT_TRUE(norvel.Start(NorvelExePath()));
  HWND frame = norvel.FindTopLevelWindow("NorvelAppClass", 15000);
  ASSERT_NE(frame, nullptr);
  // Found while it is still being created: wait until start-up has shown it.
  ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(frame) != FALSE; }, 15000));
  char title[64] = "";
  GetWindowTextA(frame, title, sizeof title);
  EXPECT_STREQ(title, "Norvel");
  EXPECT_NE(FindWindowExA(frame, nullptr, "MDIClient", nullptr), nullptr);

  // A second start while this one runs hands its file over and leaves it running; a file
  // that cannot be opened keeps nobody waiting but the user.
  char folder[MAX_PATH];
  GetTempPathA(sizeof folder, folder);
  const std::string path = std::string(folder) + "handed over.txt";
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  CloseHandle(file);
  ProcessUnderTest second;
  ASSERT_TRUE(second.Start(NorvelExePath(), "\"" + path + "\""));
  EXPECT_EQ(second.WaitForExit(), 0u);
  EXPECT_TRUE(norvel.Running());
  HWND document = nullptr;
  EXPECT_TRUE(PumpUntil([&] {
    HWND client = FindWindowExA(frame, nullptr, "MDIClient", nullptr);
    document = client ? FindWindowExA(client, nullptr, nullptr, path.c_str()) : nullptr;
    return document != nullptr;
  }));

  PostMessageA(frame, WM_COMMAND, 199 /* Exit */, 0);
  EXPECT_EQ(norvel.WaitForExit(15000), 0u);
  DeleteFileA(path.c_str());
}

}  // namespace
