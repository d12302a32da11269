// The character chart: title and font, placement and topmost rules, clicks and the clipboard.
#include <string>
#include <thread>

#include "aux_window_input.h"
#include "frame_fixture.h"
#include "resources/resource.h"
#include "ui/strings.h"
#include "windows/character_chart.h"

namespace {

using CharacterChart = FrameFixture;

std::string Title(HWND window) {
  char text[256] = "";
  GetWindowTextA(window, text, sizeof text);
  return text;
}

std::string ClipboardText() {
  std::string text = "<none>";
  if (!OpenClipboard(nullptr)) return "<busy>";
  if (HANDLE data = GetClipboardData(CF_TEXT)) text = static_cast<const char*>(GlobalLock(data));
  GlobalUnlock(GetClipboardData(CF_TEXT));
  CloseClipboard();
  return text;
}

TEST_F(CharacterChart, OpensOnceFollowsTopmostAndStoresItsPlace) {
  ASSERT_NE(StartFrame(), nullptr);
  lstrcpyA(OptionRecords.DisplayFontRecord.Font.lfFaceName, "No Such Face");
  AppOptions.ASCII = PlacementRecord{100000, 100000, 0, 0, 1};  // far off screen
  Command(IDM_ASCIICHART);
  HWND chart = CharacterChartWindow();
  ASSERT_NE(chart, nullptr);
  EXPECT_EQ(Title(chart), "ASCII | ANSI - Character Set");
  RECT rect;
  GetWindowRect(chart, &rect);
  EXPECT_EQ(rect.left, ScreenRect.right - 70);
  EXPECT_EQ(rect.top, ScreenRect.bottom - 70);
  EXPECT_EQ(rect.right - rect.left, 518);
  EXPECT_EQ(rect.bottom - rect.top, 325);
  EXPECT_TRUE(GetWindowLongA(chart, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(RefreshCharacterChart("DejaVu Sans", 1), 1);
  EXPECT_EQ(Title(chart), "DejaVu Sans - Character Set");

  for (DWORD on : {1u, 0u}) {  // the frame starts not topmost: 399 turns it on, then off
    Command(IDM_TOPMOST);
    EXPECT_EQ(AppOptions.ASCII.Show, static_cast<LONG>(on));
    EXPECT_EQ((GetWindowLongA(chart, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0, on == 1);
  }
  ShowWindow(chart, SW_MINIMIZE);
  Command(IDM_ASCIICHART);  // only brings it back
  EXPECT_EQ(CharacterChartWindow(), chart);
  EXPECT_FALSE(IsIconic(chart));
  SetWindowPos(chart, nullptr, 40, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  AppOptions.ASCII.Show = 7;
  SendMessageA(frame_, WM_CLOSE, 0, 0);  // exit closes it and keeps its place
  PumpMessages();
  EXPECT_EQ(CharacterChartWindow(), nullptr);
  EXPECT_FALSE(IsWindow(chart));
  EXPECT_EQ(AppOptions.ASCII.Left, 40);
  EXPECT_EQ(AppOptions.ASCII.Top, 50);
  EXPECT_EQ(AppOptions.ASCII.Show, 7);
  EXPECT_EQ(RefreshCharacterChart("DejaVu Sans", 1), 0);
}

TEST_F(CharacterChart, LeftClickShowsTheCodeBoxUntilTheNextInput) {
  ASSERT_NE(StartFrame(), nullptr);
  Command(IDM_ASCIICHART);
  HWND chart = CharacterChartWindow();
  ASSERT_NE(chart, nullptr);
  // Code 65 has its box at the right of its cell, code 225 (column 14) at the left.
  const struct { int x, y; POINT inBox; } clicks[] = {{150, 40, {200, 40}}, {440, 40, {380, 40}}};
  for (const auto& click : clicks) {
    PumpMessages();
    ClickClient(chart, click.x, click.y, false);
    MSG press = {};  // taken off the queue alone: the release must still wait there
    for (int i = 0; i < 500 && !PeekMessageA(&press, chart, WM_LBUTTONDOWN, WM_LBUTTONDOWN, PM_REMOVE); ++i) Sleep(10);
    ASSERT_EQ(press.message, static_cast<UINT>(WM_LBUTTONDOWN));
    DispatchMessageA(&press);
    HDC dc = GetDC(chart);
    EXPECT_EQ(GetPixel(dc, click.inBox.x, click.inBox.y), RGB(255, 255, 0));
    PumpMessages();  // the next paint takes the box away
    EXPECT_EQ(GetPixel(dc, click.inBox.x, click.inBox.y), GetSysColor(COLOR_BTNFACE));
    ReleaseDC(chart, dc);
  }
}

HGLOBAL WINAPI NoMemory(UINT, SIZE_T) {
  SetLastError(8);
  return nullptr;
}
LPVOID WINAPI NoLock(HGLOBAL) {
  SetLastError(8);
  return nullptr;
}
BOOL WINAPI NoEmpty() {
  SetLastError(5);
  return FALSE;
}
HANDLE WINAPI NoSet(UINT, HANDLE) {
  SetLastError(5);
  return nullptr;
}

TEST_F(CharacterChart, RightClickCopiesTheCharacterOrSaysWhyNot) {
  ASSERT_NE(StartFrame(), nullptr);
  Command(IDM_ASCIICHART);
  HWND chart = CharacterChartWindow();
  ASSERT_NE(chart, nullptr);
  const struct { int x, y; const char* text; } clicks[] = {
      {150, 40, "A"}, {20, 20, ""}, {495, 40, "<none>"}, {150, 271, "<none>"}};  // 2 misses
  for (const auto& click : clicks) {
    ASSERT_TRUE(OpenClipboard(nullptr) && EmptyClipboard() && CloseClipboard());
    ClickClient(chart, click.x, click.y, true);
    PumpUntil([] { return ClipboardText() != "<none>"; }, 1000);
    EXPECT_EQ(ClipboardText(), click.text) << click.x << "," << click.y;
  }

  const ChartClipboardCalls system = {GlobalAlloc, GlobalLock, OpenClipboard, EmptyClipboard,
                                      SetClipboardData};
  const struct { ChartClipboardCalls calls; UINT id; int code; } failures[] = {
      {system, 60045, 5},  // another program holds the clipboard open
      {{NoMemory, GlobalLock, OpenClipboard, EmptyClipboard, SetClipboardData}, 60048, 8},
      {{GlobalAlloc, NoLock, OpenClipboard, EmptyClipboard, SetClipboardData}, 60049, 8},
      {{GlobalAlloc, GlobalLock, OpenClipboard, NoEmpty, SetClipboardData}, 60052, 5},
      {{GlobalAlloc, GlobalLock, OpenClipboard, EmptyClipboard, NoSet}, 60051, 5}};
  for (const auto& failure : failures) {
    HANDLE held = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::thread holder;
    if (failure.id == 60045) {
      holder = std::thread([&] {
        OpenClipboard(nullptr);
        SetEvent(held);
        WaitForSingleObject(release, 10000);
        CloseClipboard();
      });
      WaitForSingleObject(held, 5000);
    }
    SetChartClipboardCalls(&failure.calls);
    DialogAnswerer answerer;
    answerer.PressButton(IDOK);
    ClickClient(chart, 150, 40, true);
    PumpUntil([&] { return answerer.Count() == 1; });
    SetChartClipboardCalls(nullptr);
    SetEvent(release);
    if (holder.joinable()) holder.join();
    CloseHandle(held);
    CloseHandle(release);
    ASSERT_EQ(answerer.Count(), 1u) << failure.id;
    char expected[512];
    wsprintfA(expected, MessageTableText(failure.id), failure.code);
    EXPECT_EQ(answerer.Last().title, "Norvel");
    EXPECT_EQ(answerer.Last().ControlText(101), expected);
    EXPECT_EQ(ClipboardText(), "<none>");  // nothing half-done reached the clipboard
  }
}

}  // namespace
