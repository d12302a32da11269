// The tray icon that stands for the minimized frame.
#include <windows.h>
#include <shellapi.h>

#include "app/frame.h"
#include "app/topmost.h"
#include "settings/placement.h"
#include "app/tray.h"
#include "frame_fixture.h"
#include "resources/resource.h"

namespace {

bool IsTopmost(HWND window) {
  return GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST;
}

using TrayTest = FrameFixture;

TEST_F(TrayTest, TheIconBringsBackTheMinimizedFrameAndGoesAtShutdown) {
  for (DWORD taskTray : {0, 1}) {
    AppOptions.TaskTray = taskTray;
    AppOptions.TopMost = 1;
    ASSERT_NE(StartFrame(), nullptr);
    EXPECT_EQ(TrayIconExists(frame_), taskTray == 1);
    for (UINT button : {WM_LBUTTONDOWN, WM_RBUTTONDOWN}) {
      ShowWindow(frame_, SW_MINIMIZE);
      PumpMessages();
      EXPECT_EQ(IsWindowVisible(frame_) != 0, taskTray == 0);
      SetWindowPos(frame_, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      SendMessageA(frame_, TrayMessage, kTrayIconId, button);
      PumpMessages();
      EXPECT_TRUE(IsWindowVisible(frame_) && !IsIconic(frame_));
      EXPECT_TRUE(IsTopmost(frame_));  // put back with the frame
    }
    ASSERT_TRUE(ShutdownApplication(frame_, AppOptions));
    EXPECT_FALSE(TrayIconExists(frame_));
    DestroyWindow(frame_);
    PumpMessages();
    ClearQuit();
  }
}

}  // namespace
