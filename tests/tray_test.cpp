// The tray icon that stands for the minimized frame, and Always on Top.
#include <windows.h>
#include <shellapi.h>

#include "app/commands.h"
#include "app/frame.h"
#include "app/tray.h"
#include "frame_fixture.h"
#include "resources/resource.h"

namespace {

// True while the shell holds an icon of this frame with the tray id (a modify of an icon the
// shell does not know fails).
bool TrayIconExists(HWND frame) {
  NOTIFYICONDATAA data = {};
  data.cbSize = sizeof data;
  data.hWnd = frame;
  data.uID = kTrayIconId;
  data.uFlags = NIF_TIP;
  lstrcpynA(data.szTip, "probe", sizeof data.szTip);
  return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}

bool IsTopmost(HWND window) {
  return (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

void ClickTray(HWND frame, UINT mouseMessage) {
  SendMessageA(frame, TrayMessage, kTrayIconId, mouseMessage);
  PumpMessages();
}

using TrayTest = FrameFixture;

TEST_F(TrayTest, StartUpAddsTheIconAndShutdownRemovesItOnlyWithTaskTray) {
  AppOptions.TaskTray = 1;
  ASSERT_NE(StartFrame(), nullptr);
  EXPECT_TRUE(TrayIconExists(frame_));
  ASSERT_TRUE(ShutdownApplication(frame_, AppOptions));
  EXPECT_FALSE(TrayIconExists(frame_));
  DestroyWindow(frame_);
  PumpMessages();
  ClearQuit();

  // Without it there is no icon, and a minimized frame stays visible.
  AppOptions.TaskTray = 0;
  ASSERT_NE(StartFrame(), nullptr);
  EXPECT_FALSE(TrayIconExists(frame_));
  ShowWindow(frame_, SW_MINIMIZE);
  PumpMessages();
  EXPECT_TRUE(IsWindowVisible(frame_));
  EXPECT_TRUE(IsIconic(frame_));
}

TEST_F(TrayTest, MinimizedFrameHidesWithTaskTrayAndEitherButtonBringsItBackRestored) {
  AppOptions.TaskTray = 1;
  ASSERT_NE(StartFrame(), nullptr);
  for (UINT button : {WM_LBUTTONDOWN, WM_RBUTTONDOWN}) {
    ShowWindow(frame_, SW_MINIMIZE);
    PumpMessages();
    ASSERT_FALSE(IsWindowVisible(frame_)) << button;

    for (UINT ignored : {WM_MOUSEMOVE, WM_LBUTTONUP, WM_RBUTTONUP, WM_LBUTTONDBLCLK}) {
      ClickTray(frame_, ignored);
      EXPECT_FALSE(IsWindowVisible(frame_)) << ignored;
    }

    ClickTray(frame_, button);
    EXPECT_TRUE(IsWindowVisible(frame_)) << button;
    EXPECT_FALSE(IsIconic(frame_)) << button;
  }
}

TEST_F(TrayTest, AlwaysOnTopTurnsTheFrameTopmostAndRecordsItForTheToolWindows) {
  AppOptions.TopMost = 0;
  AppOptions.Errors.Show = 0;
  AppOptions.ASCII.Show = 0;
  ASSERT_NE(StartFrame(), nullptr);
  ASSERT_FALSE(IsTopmost(frame_));
  const RECT before = ChildRect(MdiClient);
  RECT frameBefore;
  GetWindowRect(frame_, &frameBefore);

  Command(IDM_TOPMOST);
  EXPECT_TRUE(IsTopmost(frame_));
  EXPECT_EQ(AppOptions.TopMost, 1u);
  EXPECT_EQ(AppOptions.Errors.Show, 1);
  EXPECT_EQ(AppOptions.ASCII.Show, 1);
  EXPECT_NE(GetMenuState(GetMenu(frame_), IDM_TOPMOST, MF_BYCOMMAND) & MF_CHECKED, 0u);
  RECT frameAfter;
  GetWindowRect(frame_, &frameAfter);
  EXPECT_TRUE(EqualRect(&frameBefore, &frameAfter));  // neither moved nor sized
  const RECT after = ChildRect(MdiClient);
  EXPECT_TRUE(EqualRect(&before, &after));

  Command(IDM_TOPMOST);
  EXPECT_FALSE(IsTopmost(frame_));
  EXPECT_EQ(AppOptions.TopMost, 0u);
  EXPECT_EQ(AppOptions.Errors.Show, 0);
  EXPECT_EQ(AppOptions.ASCII.Show, 0);
  EXPECT_EQ(GetMenuState(GetMenu(frame_), IDM_TOPMOST, MF_BYCOMMAND) & MF_CHECKED, 0u);
}

// A click on the tray icon and the focus both put a dropped topmost state back.
TEST_F(TrayTest, TrayClickAndFocusReapplyTopmost) {
  AppOptions.TaskTray = 1;
  AppOptions.TopMost = 1;
  ASSERT_NE(StartFrame(), nullptr);
  ASSERT_TRUE(IsTopmost(frame_));
  const auto drop = [this] {
    SetWindowPos(frame_, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ASSERT_FALSE(IsTopmost(frame_));
  };
  drop();
  ShowWindow(frame_, SW_MINIMIZE);
  PumpMessages();
  ClickTray(frame_, WM_LBUTTONDOWN);
  EXPECT_TRUE(IsTopmost(frame_));
  drop();
  SendMessageA(frame_, WM_SETFOCUS, 0, 0);
  EXPECT_TRUE(IsTopmost(frame_));
}

}  // namespace
