// The character chart: title and font, placement and topmost rules, clicks and the clipboard.
#include <string>
#include <utility>

#include "document_fixture.h"
#include "resources/resource.h"
#include "ui/strings.h"
#include "windows/character_chart.h"

namespace {

using CharacterChart = FrameFixture;

const auto Title = DocumentFixture::Title;

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

// One chart: opened far off and topmost, following the frame's Topmost, brought back by a second
// open; its clicks, the failures of each clipboard step, and its place kept at exit.
TEST_F(CharacterChart, OpensOnceFollowsTopmostCopiesAndStoresItsPlace) {
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
  EXPECT_TRUE(GetWindowLongA(chart, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(RefreshCharacterChart("DejaVu Sans", 1), 1);
  EXPECT_EQ(Title(chart), "DejaVu Sans - Character Set");
  for (LONG on : {1, 0}) {  // the frame starts not topmost: 399 turns it on, then off
    Command(IDM_TOPMOST);
    EXPECT_EQ(AppOptions.ASCII.Show, on);
    EXPECT_EQ((GetWindowLongA(chart, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0, on == 1);
  }
  ShowWindow(chart, SW_MINIMIZE);
  Command(IDM_ASCIICHART);  // only brings it back
  EXPECT_EQ(CharacterChartWindow(), chart);
  EXPECT_FALSE(IsIconic(chart));
  SetWindowPos(chart, nullptr, 40, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER);

  // Left on code 65: its yellow box stands right of the cell until the release is taken.
  PumpMessages();
  Click(chart, 150, 40, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
  MSG press = {};  // taken off alone: the release must still be waiting
  for (int i = 0; i < 500; ++i) {
    if (PeekMessageA(&press, chart, WM_LBUTTONDOWN, WM_LBUTTONDOWN, PM_REMOVE)) break;
    Sleep(10);
  }
  DispatchMessageA(&press);
  HDC dc = GetDC(chart);
  EXPECT_EQ(GetPixel(dc, 200, 40), RGB(255, 255, 0));
  PumpMessages();  // the next paint takes the box away
  EXPECT_EQ(GetPixel(dc, 200, 40), GetSysColor(COLOR_BTNFACE));
  ReleaseDC(chart, dc);
  // Right: code 65, code 0 (an empty text), and the grid's exclusive right and bottom edges.
  const std::pair<POINT, const char*> copies[] = {
      {{150, 40}, "A"}, {{20, 20}, ""}, {{495, 40}, "<none>"}, {{150, 271}, "<none>"}};
  for (const auto& [at, text] : copies) {
    ASSERT_TRUE(OpenClipboard(nullptr) && EmptyClipboard() && CloseClipboard());
    Click(chart, at.x, at.y, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
    PumpUntil([] { return ClipboardText() != "<none>"; }, 1000);
    EXPECT_EQ(ClipboardText(), text) << at.x << "," << at.y;
  }
  // Each failing step says so with its code, and nothing half-done reaches the clipboard.
  const auto noMemory = [](UINT, SIZE_T) -> HGLOBAL { return SetLastError(8), nullptr; };
  const auto noOpen = [](HWND) -> BOOL { return SetLastError(5), FALSE; };
  const auto noEmpty = []() -> BOOL { return SetLastError(5), FALSE; };
  const auto noSet = [](UINT, HANDLE) -> HANDLE { return SetLastError(5), nullptr; };
  const std::pair<ChartClipboardCalls, UINT> failures[] = {
      {{noMemory, GlobalLock, OpenClipboard, EmptyClipboard, SetClipboardData}, 60048},
      {{GlobalAlloc, GlobalLock, noOpen, EmptyClipboard, SetClipboardData}, 60045},
      {{GlobalAlloc, GlobalLock, OpenClipboard, noEmpty, SetClipboardData}, 60052},
      {{GlobalAlloc, GlobalLock, OpenClipboard, EmptyClipboard, noSet}, 60051}};
  for (const auto& [calls, id] : failures) {
    SetChartClipboardCalls(&calls);
    DialogAnswerer answerer;
    answerer.PressButton(IDOK);
    Click(chart, 150, 40, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
    PumpUntil([&] { return answerer.Count() == 1; });
    SetChartClipboardCalls(nullptr);
    char expected[512];
    wsprintfA(expected, MessageTableText(id), id == 60048 ? 8 : 5);
    EXPECT_EQ(answerer.Last().ControlText(101), expected);
    EXPECT_EQ(ClipboardText(), "<none>");
  }
  AppOptions.ASCII.Show = 7;
  SendMessageA(frame_, WM_CLOSE, 0, 0);  // exit closes it and keeps its place
  PumpMessages();
  EXPECT_FALSE(IsWindow(chart));
  EXPECT_EQ(std::make_pair(AppOptions.ASCII.Left, AppOptions.ASCII.Top), std::make_pair(40L, 50L));
  EXPECT_EQ(AppOptions.ASCII.Show, 7);
}

}  // namespace
