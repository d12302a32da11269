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
  // A far-off record of size 0 x 0 opens at the screen's edge at the default size. The frame's
  // Topmost, toggled while the window is open, turns the first on and the second off.
  const struct {
    PlacementRecord place;
    RECT expected;
  } openings[] = {
      {{100000, -100000, 0, 0, 0}, {0, ScreenRect.bottom - 70, 350, ScreenRect.bottom + 130}},
      {{20, 10, 300, 400, 1}, {10, 20, 410, 320}}};
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
    for (int i = 1; i < count; ++i)
      ASSERT_LT(std::atoi(Line(list, i - 1).c_str()), std::atoi(Line(list, i).c_str())) << i;
    EXPECT_EQ(GetFocus(), list);
    RECT rect, client;
    GetWindowRect(window, &rect);
    EXPECT_TRUE(EqualRect(&rect, &opening.expected)) << rect.left << "," << rect.top;
    EXPECT_EQ((GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0, opening.place.Show == 1);
    Command(IDM_ERRORCODES);  // only brings it forward: no second list, no dialog
    EXPECT_EQ(answerer.Count(), 1u);
    ShowWindow(window, SW_MAXIMIZE);  // the list fills the window
    PumpMessages();
    GetClientRect(window, &client);
    GetWindowRect(list, &rect);
    EXPECT_EQ(std::make_pair(rect.right - rect.left, rect.bottom - rect.top),
              std::make_pair(client.right, client.bottom));
    ShowWindow(window, SW_RESTORE);
    Command(IDM_TOPMOST);
    const LONG on = !opening.place.Show;
    EXPECT_EQ((GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0, on == 1);
    SetWindowPos(window, nullptr, 30, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    // Closed by itself, then by the program's exit: either keeps its place.
    SendMessageA(opening.place.Show ? frame_ : window, WM_CLOSE, 0, 0);
    PumpMessages();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(std::make_pair(AppOptions.Errors.Left, AppOptions.Errors.Top),
              std::make_pair(30L, 40L));
    EXPECT_EQ(AppOptions.Errors.Height, opening.expected.bottom - opening.expected.top);
    EXPECT_EQ(AppOptions.Errors.Show, on);
  }
}

}  // namespace
