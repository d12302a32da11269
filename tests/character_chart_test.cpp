// The character chart: title and font, placement and topmost rules, clicks and the clipboard.
#include <atomic>
#include <string>
#include <utility>
#include <thread>

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

// A real click: press and release sent together, so the wait for the next input after the
// press finds the release already queued.
void Click(HWND window, int x, int y, DWORD down, DWORD up) {
  POINT at = {x, y};
  ClientToScreen(window, &at);
  INPUT in[3] = {};
  for (INPUT& input : in) input.type = INPUT_MOUSE;
  in[0].mi.dx = MulDiv(at.x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
  in[0].mi.dy = MulDiv(at.y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
  in[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  in[1].mi.dwFlags = down;
  in[2].mi.dwFlags = up;
  SendInput(3, in, sizeof(INPUT));
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
  EXPECT_EQ(std::make_pair(rect.left, rect.top),
            std::make_pair(ScreenRect.right - 70, ScreenRect.bottom - 70));
  EXPECT_EQ(std::make_pair(rect.right - rect.left, rect.bottom - rect.top),
            std::make_pair(518L, 325L));
  EXPECT_TRUE(GetWindowLongA(chart, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(RefreshCharacterChart("DejaVu Sans", 1), 1);
  EXPECT_EQ(Title(chart), "DejaVu Sans - Character Set");
  for (LONG on : {1, 0}) {  // the frame starts not topmost: 399 turns it on, then off
    Command(IDM_TOPMOST);
    EXPECT_EQ(AppOptions.ASCII.Show, on);
    EXPECT_EQ((GetWindowLongA(chart, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0, on == 1);
  }
  EXPECT_EQ(SetChartTopmost(1), 1);  // the window keeps its own record too
  EXPECT_EQ(AppOptions.ASCII.Show, 1);
  ShowWindow(chart, SW_MINIMIZE);
  Command(IDM_ASCIICHART);  // only brings it back
  EXPECT_EQ(CharacterChartWindow(), chart);
  EXPECT_FALSE(IsIconic(chart));
  SetWindowPos(chart, nullptr, 40, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  AppOptions.ASCII.Show = 7;
  SendMessageA(frame_, WM_CLOSE, 0, 0);  // exit closes it and keeps its place
  PumpMessages();
  EXPECT_FALSE(IsWindow(chart));
  EXPECT_EQ(AppOptions.ASCII.Left, 40);
  EXPECT_EQ(AppOptions.ASCII.Top, 50);
  EXPECT_EQ(AppOptions.ASCII.Show, 7);
  EXPECT_EQ(RefreshCharacterChart("DejaVu Sans", 1), 0);
}

TEST_F(CharacterChart, ClicksShowTheCodeOrCopyTheCharacter) {
  ASSERT_NE(StartFrame(), nullptr);
  Command(IDM_ASCIICHART);
  HWND chart = CharacterChartWindow();
  ASSERT_NE(chart, nullptr);
  // Left: code 65's box stands at the right of its cell, code 225's (column 14) at the left.
  const int lefts[][3] = {{150, 40, 200}, {440, 40, 380}};  // the click and a point in the box
  for (const auto& click : lefts) {
    PumpMessages();
    Click(chart, click[0], click[1], MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
    MSG press = {};  // taken off alone: the release must still be waiting
    for (int i = 0; i < 500; ++i) {
      if (PeekMessageA(&press, chart, WM_LBUTTONDOWN, WM_LBUTTONDOWN, PM_REMOVE)) break;
      Sleep(10);
    }
    DispatchMessageA(&press);
    HDC dc = GetDC(chart);
    EXPECT_EQ(GetPixel(dc, click[2], 40), RGB(255, 255, 0)) << click[0];
    PumpMessages();  // the next paint takes the box away
    EXPECT_EQ(GetPixel(dc, click[2], 40), GetSysColor(COLOR_BTNFACE));
    ReleaseDC(chart, dc);
  }
  // Right: code 65, code 0 (an empty text), and the grid's exclusive right and bottom edges.
  const struct {
    int x, y;
    const char* text;
  } clicks[] = {{150, 40, "A"}, {20, 20, ""}, {495, 40, "<none>"}, {150, 271, "<none>"}};
  for (const auto& click : clicks) {
    ASSERT_TRUE(OpenClipboard(nullptr) && EmptyClipboard() && CloseClipboard());
    Click(chart, click.x, click.y, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
    PumpUntil([] { return ClipboardText() != "<none>"; }, 1000);
    EXPECT_EQ(ClipboardText(), click.text) << click.x << "," << click.y;
  }
}

TEST_F(CharacterChart, EveryClipboardFailureIsReported) {
  ASSERT_NE(StartFrame(), nullptr);
  Command(IDM_ASCIICHART);
  const auto noMemory = [](UINT, SIZE_T) -> HGLOBAL { return SetLastError(8), nullptr; };
  const auto noLock = [](HGLOBAL) -> LPVOID { return SetLastError(8), nullptr; };
  const auto noEmpty = []() -> BOOL { return SetLastError(5), FALSE; };
  const auto noSet = [](UINT, HANDLE) -> HANDLE { return SetLastError(5), nullptr; };
  const struct {
    ChartClipboardCalls calls;
    UINT id;
    int code;
  } failures[] = {
      {{GlobalAlloc, GlobalLock, OpenClipboard, EmptyClipboard, SetClipboardData}, 60045, 5},
      {{noMemory, GlobalLock, OpenClipboard, EmptyClipboard, SetClipboardData}, 60048, 8},
      {{GlobalAlloc, noLock, OpenClipboard, EmptyClipboard, SetClipboardData}, 60049, 8},
      {{GlobalAlloc, GlobalLock, OpenClipboard, noEmpty, SetClipboardData}, 60052, 5},
      {{GlobalAlloc, GlobalLock, OpenClipboard, EmptyClipboard, noSet}, 60051, 5}};
  for (const auto& failure : failures) {
    std::atomic<int> holding{failure.id == 60045 ? 0 : 2};  // 60045: another program has it open
    std::thread holder([&] {
      if (holding == 2) return;
      OpenClipboard(nullptr);
      for (holding = 1; holding == 1;) Sleep(10);
      CloseClipboard();
    });
    while (holding == 0) Sleep(10);
    SetChartClipboardCalls(&failure.calls);
    DialogAnswerer answerer;
    answerer.PressButton(IDOK);
    Click(CharacterChartWindow(), 150, 40, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
    PumpUntil([&] { return answerer.Count() == 1; });
    SetChartClipboardCalls(nullptr);
    holding = 2;
    holder.join();
    char expected[512];
    wsprintfA(expected, MessageTableText(failure.id), failure.code);
    EXPECT_EQ(answerer.Last().title, "Norvel");
    EXPECT_EQ(answerer.Last().ControlText(101), expected);
    EXPECT_EQ(ClipboardText(), "<none>");  // nothing half-done reached the clipboard
  }
}

}  // namespace
