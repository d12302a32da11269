// The error codes window: the progress dialog, the list lines, size and place, topmost rules.
#include <cstdlib>
#include <string>

#include "frame_fixture.h"
#include "resources/resource.h"
#include "windows/error_codes.h"

namespace {

using ErrorCodes = FrameFixture;

std::string Line(HWND list, int index) {
  char text[512] = "";
  SendMessageA(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text));
  return text;
}

TEST_F(ErrorCodes, ListsEveryCodeWithAMessageAndKeepsItsPlace) {
  ASSERT_NE(StartFrame(), nullptr);
  int withText = 0;
  for (DWORD code = 0; code <= 6665; ++code) {
    char text[256] = "";
    withText += FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                               code, 0x400, text, sizeof text - 1, nullptr) > 0;
  }
  // A far-off record of size 0 x 0 opens at the screen's edge at the default size.
  const struct {
    PlacementRecord place;
    RECT expected;
  } openings[] = {
      {{20, 10, 300, 400, 1}, {10, 20, 410, 320}},
      {{100000, -100000, 0, 0, 0}, {0, ScreenRect.bottom - 70, 350, ScreenRect.bottom + 130}}};
  for (const auto& opening : openings) {
    AppOptions.Errors = opening.place;
    DialogAnswerer answerer;
    answerer.Leave();  // the progress dialog ends by itself
    Command(IDM_ERRORCODES);
    ASSERT_EQ(answerer.Count(), 1u);
    EXPECT_EQ(answerer.Last().title, " Error Codes");
    EXPECT_TRUE(answerer.Last().HasText("Loading MS Windows 95/NT Error Messages..."));
    EXPECT_EQ(FindWindowA("#32770", " Error Codes"), nullptr);  // it has ended
    HWND window = ErrorCodesWindow(), list = ErrorCodesList();
    ASSERT_NE(window, nullptr);
    const int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    EXPECT_EQ(count, withText);
    EXPECT_EQ(Line(list, 0), "0\t0x0000\tSuccess.  ");  // CR LF turned into blanks
    for (int i = 1; i < count; ++i) {
      ASSERT_LT(std::atoi(Line(list, i - 1).c_str()), std::atoi(Line(list, i).c_str())) << i;
    }
    EXPECT_EQ(GetFocus(), list);
    RECT rect;
    GetWindowRect(window, &rect);
    EXPECT_TRUE(EqualRect(&rect, &opening.expected)) << rect.left << "," << rect.top;
    EXPECT_EQ((GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0, opening.place.Show == 1);
    Command(IDM_ERRORCODES);  // only brings it forward: no second list, no dialog
    EXPECT_EQ(answerer.Count(), 1u);
    SetWindowPos(window, nullptr, 30, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SendMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(AppOptions.Errors.Left, 30);
    EXPECT_EQ(AppOptions.Errors.Height, opening.expected.bottom - opening.expected.top);
    EXPECT_EQ(AppOptions.Errors.Show, opening.place.Show);  // closing leaves it alone
  }
}

TEST_F(ErrorCodes, ListFillsTheWindowAndTopmostFollowsTheFrame) {
  ASSERT_NE(StartFrame(), nullptr);
  DialogAnswerer answerer;
  answerer.Leave();
  Command(IDM_ERRORCODES);
  HWND window = ErrorCodesWindow(), list = ErrorCodesList();
  ASSERT_NE(list, nullptr);
  const struct {
    int show;
    bool fills;
  } states[] = {{SW_MINIMIZE, false}, {SW_RESTORE, true}, {SW_MAXIMIZE, true}, {SW_RESTORE, true}};
  for (const auto& state : states) {
    RECT before, client, after;
    GetWindowRect(list, &before);
    ShowWindow(window, state.show);
    PumpMessages();
    GetClientRect(window, &client);
    GetWindowRect(list, &after);
    const RECT expected =
        state.fills ? client : RECT{0, 0, before.right - before.left, before.bottom - before.top};
    EXPECT_EQ(after.right - after.left, expected.right) << state.show;
    EXPECT_EQ(after.bottom - after.top, expected.bottom) << state.show;
  }
  for (LONG on : {1, 0}) {  // the frame starts not topmost: 399 turns it on, then off
    Command(IDM_TOPMOST);
    EXPECT_EQ(AppOptions.Errors.Show, on);
    EXPECT_EQ((GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0, on == 1);
  }
  EXPECT_EQ(SetErrorCodesTopmost(1), 1);  // the window keeps its own record too
  EXPECT_EQ(AppOptions.Errors.Show, 1);
  SetWindowPos(window, nullptr, 50, 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  SendMessageA(frame_, WM_CLOSE, 0, 0);  // exit closes it and keeps its place
  PumpMessages();
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(AppOptions.Errors.Left, 50);
  EXPECT_EQ(AppOptions.Errors.Top, 60);
}

}  // namespace
