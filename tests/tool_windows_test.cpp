// The character chart and the error codes window: one of each, what a click on the chart copies
// and what each failing clipboard step says, the list of every code that has a message.
#include <string>
#include <utility>

#include "document_fixture.h"
#include "resources/resource.h"
#include "ui/strings.h"
#include "windows/character_chart.h"
#include "windows/error_codes.h"

namespace {

using ToolWindows = FrameFixture;

std::string ClipboardText() {
  std::string text = "<none>";
  if (!OpenClipboard(nullptr)) return "<busy>";
  if (HANDLE data = GetClipboardData(CF_TEXT)) text = static_cast<const char*>(GlobalLock(data));
  GlobalUnlock(GetClipboardData(CF_TEXT));
  CloseClipboard();
  return text;
}

// A real right click: press and release sent together, so the chart's wait for the next input
// after the press finds the release already queued.
void RightClick(HWND chart, int x, int y) {
  POINT at = {x, y};
  ClientToScreen(chart, &at);
  INPUT in[3] = {};
  for (INPUT& input : in) input.type = INPUT_MOUSE;
  in[0].mi.dx = MulDiv(at.x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
  in[0].mi.dy = MulDiv(at.y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
  in[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  in[1].mi.dwFlags = MOUSEEVENTF_RIGHTDOWN;
  in[2].mi.dwFlags = MOUSEEVENTF_RIGHTUP;
  SendInput(3, in, sizeof(INPUT));
}

TEST_F(ToolWindows, OneCharacterChartCopiesTheClickedCharacter) {
  ASSERT_NE(StartFrame(), nullptr);
  Command(IDM_ASCIICHART);
  HWND chart = CharacterChartWindow();
  ASSERT_NE(chart, nullptr);
  ShowWindow(chart, SW_MINIMIZE);
  Command(IDM_ASCIICHART);  // only brings it back
  EXPECT_EQ(CharacterChartWindow(), chart);
  EXPECT_FALSE(IsIconic(chart));
  SetWindowPos(chart, nullptr, 40, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  PumpMessages();
  // Right clicks: code 65, code 0 (an empty text), and the grid's exclusive right and bottom edges.
  const std::pair<POINT, const char*> copies[] = {
      {{150, 40}, "A"}, {{20, 20}, ""}, {{495, 40}, "<none>"}, {{150, 271}, "<none>"}};
  for (const auto& [at, text] : copies) {
    ASSERT_TRUE(OpenClipboard(nullptr) && EmptyClipboard() && CloseClipboard());
    RightClick(chart, at.x, at.y);
    PumpUntil([] { return ClipboardText() != "<none>"; }, 1000);
    EXPECT_EQ(ClipboardText(), text) << at.x << "," << at.y;
  }
  // Each failing step says so with its code, and nothing half-done reaches the clipboard.
  const auto noMemory = [](UINT, SIZE_T) -> HGLOBAL { return SetLastError(8), nullptr; };
  const auto noOpen = [](HWND) -> BOOL { return SetLastError(5), FALSE; };
  const std::pair<ChartClipboardCalls, UINT> failures[] = {
      {{noMemory, GlobalLock, OpenClipboard, EmptyClipboard, SetClipboardData}, 60048},
      {{GlobalAlloc, GlobalLock, noOpen, EmptyClipboard, SetClipboardData}, 60045}};
  for (const auto& [calls, id] : failures) {
    SetChartClipboardCalls(&calls);
    DialogAnswerer answerer;
    answerer.PressButton(IDOK);
    RightClick(chart, 150, 40);
    PumpUntil([&] { return answerer.Count() == 1; });
    SetChartClipboardCalls(nullptr);
    char expected[512];
    wsprintfA(expected, MessageTableText(id), id == 60048 ? 8 : 5);
    EXPECT_EQ(answerer.Last().ControlText(101), expected);
    EXPECT_EQ(ClipboardText(), "<none>");
  }
  SendMessageA(frame_, WM_CLOSE, 0, 0);  // exit closes it
  PumpMessages();
  EXPECT_FALSE(IsWindow(chart));
}

TEST_F(ToolWindows, ErrorCodesListEveryCodeWithAMessage) {
  ASSERT_NE(StartFrame(), nullptr);
  int withText = 0;
  for (DWORD code = 0; code <= 6665; ++code) {
    char text[256] = "";
    withText += FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                               code, 0x400, text, sizeof text - 1, nullptr) > 0;
  }
  DialogAnswerer answerer;
  answerer.Leave();  // the progress dialog ends by itself
  Command(IDM_ERRORCODES);
  ASSERT_EQ(answerer.Count(), 1u);
  EXPECT_TRUE(answerer.Last().HasText("Loading MS Windows 95/NT Error Messages..."));
  ASSERT_NE(ErrorCodesWindow(), nullptr);
  EXPECT_EQ(SendMessageA(ErrorCodesList(), LB_GETCOUNT, 0, 0), withText);
  Command(IDM_ERRORCODES);  // only brings it forward: no second list, no dialog
  EXPECT_EQ(answerer.Count(), 1u);
}

}  // namespace
