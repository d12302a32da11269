// The tray icon that stands for the minimized frame, and Always on Top.
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
      for (UINT ignored : {WM_MOUSEMOVE, WM_LBUTTONUP, WM_RBUTTONDBLCLK}) {
        SendMessageA(frame_, TrayMessage, kTrayIconId, ignored);
        EXPECT_TRUE(IsIconic(frame_));
      }
      SendMessageA(frame_, TrayMessage, kTrayIconId, button);
      PumpMessages();
      EXPECT_TRUE(IsWindowVisible(frame_));
      EXPECT_FALSE(IsIconic(frame_));
      EXPECT_TRUE(IsTopmost(frame_));  // put back with the frame
    }
    ASSERT_TRUE(ShutdownApplication(frame_, AppOptions));
    EXPECT_FALSE(TrayIconExists(frame_));
    DestroyWindow(frame_);
    PumpMessages();
    ClearQuit();
  }
}

TEST_F(TrayTest, AlwaysOnTopIsCheckedAndRecordedForTheToolWindows) {
  AppOptions.TopMost = AppOptions.Errors.Show = AppOptions.ASCII.Show = 0;
  ASSERT_NE(StartFrame(), nullptr);
  RECT before;
  GetWindowRect(frame_, &before);
  for (DWORD on : {1, 0}) {
    Command(IDM_TOPMOST);
    EXPECT_EQ(IsTopmost(frame_), on == 1);
    EXPECT_EQ(AppOptions.TopMost, on);
    EXPECT_EQ(AppOptions.Errors.Show, static_cast<int>(on));
    EXPECT_EQ(AppOptions.ASCII.Show, static_cast<int>(on));
    EXPECT_EQ(GetMenuState(GetMenu(frame_), IDM_TOPMOST, MF_BYCOMMAND) & MF_CHECKED,
              on ? UINT{MF_CHECKED} : 0u);
    RECT after;
    GetWindowRect(frame_, &after);
    EXPECT_TRUE(EqualRect(&before, &after));  // neither moved nor sized
  }
  // The focus puts a dropped topmost state back.
  Command(IDM_TOPMOST);
  SetWindowPos(frame_, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SendMessageA(frame_, WM_SETFOCUS, 0, 0);
  EXPECT_TRUE(IsTopmost(frame_));
}

}  // namespace
