// The frame window: layout and bars, command routing, menu help, tooltips, the toolbar's reset,
// exit and a failed start.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "app/commands.h"
#include "document_fixture.h"
#include "resources/resource.h"

namespace {

using FrameTest = FrameFixture;

std::string StatusText() {
  return DocumentFixture::StatusText(0);
}

// Toolbar, client and status bar stacked, each bar toggled off and on again by its command.
TEST_F(FrameTest, BarsAndClientAreStackedAndFollowTheirCommands) {
  ASSERT_NE(StartFrame(), nullptr);
  const auto layout = [this] {
    int parts[2] = {};
    SendMessageA(StatusBar, SB_GETPARTS, 2, reinterpret_cast<LPARAM>(parts));
    const int width = ClientRect().right;
    EXPECT_EQ(std::make_pair(parts[0], parts[1]), std::make_pair(width - 80, width - 20));
    const LONG top = IsWindowVisible(ToolbarWindow) ? ChildRect(ToolbarWindow).bottom : 0;
    const LONG bottom = IsWindowVisible(StatusBar) ? ChildRect(StatusBar).top : ClientRect().bottom;
    const RECT client = ChildRect(MdiClient);
    EXPECT_EQ(std::make_pair(client.top, client.bottom), std::make_pair(top, bottom));
    EXPECT_EQ(client.right, width);
  };
  EXPECT_EQ(StatusText(), "Ready ...");
  layout();
  for (UINT id : {IDM_STATUSBAR, IDM_TOOLBAR, IDM_STATUSBAR, IDM_TOOLBAR}) {
    SendMessageA(StatusBar, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>("other"));
    Command(id);
    SendMessageA(frame_, WM_INITMENU, 0, 0);
    HWND bar = id == IDM_STATUSBAR ? StatusBar : ToolbarWindow;
    const DWORD shown = id == IDM_STATUSBAR ? AppOptions.Status : AppOptions.ToolBar;
    EXPECT_EQ(IsWindowVisible(bar) != 0, shown != 0) << id;
    EXPECT_EQ(GetMenuState(GetMenu(frame_), id, MF_BYCOMMAND) & MF_CHECKED,
              shown ? UINT{MF_CHECKED} : 0u);
    EXPECT_EQ(StatusText(), AppOptions.Status ? "Ready ..." : "other");
    layout();
  }
}

// Records what reaches the MDI client and what the frame forwards to a document.
std::vector<std::pair<UINT, WPARAM>> seen;
WNDPROC clientProc = nullptr;
LRESULT CALLBACK WatchClient(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_MDITILE || message == WM_MDICASCADE || message == WM_MDIICONARRANGE)
    seen.emplace_back(message, wParam);
  return CallWindowProcA(clientProc, window, message, wParam, lParam);
}
LRESULT CALLBACK FakeDocument(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND) seen.emplace_back(message, wParam);
  return DefWindowProcA(window, message, wParam, lParam);
}

TEST_F(FrameTest, CommandsReachTheClientOrTheActiveDocument) {
  ASSERT_NE(StartFrame(), nullptr);
  clientProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(MdiClient, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WatchClient)));
  for (UINT id : {IDM_TILEVERTICAL, IDM_TILEHORIZONTAL, IDM_CASCADE, IDM_ARRANGEICONS}) Command(id);
  const std::vector<std::pair<UINT, WPARAM>> mdi = {{WM_MDITILE, MDITILE_VERTICAL},
                                                    {WM_MDITILE, MDITILE_HORIZONTAL},
                                                    {WM_MDICASCADE, 0},
                                                    {WM_MDIICONARRANGE, 0}};
  EXPECT_EQ(seen, mdi);
  SetWindowLongPtrA(MdiClient, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(clientProc));
  // Without a document, document commands do nothing at all.
  for (UINT id : {IDM_SAVE, IDM_CLOSE, IDM_MACRO_FIRST, IDM_SORT}) Command(id);
  EXPECT_TRUE(beeps_.empty());
  WNDCLASSA fake = {};
  fake.lpfnWndProc = FakeDocument;
  fake.hInstance = GetModuleHandleA(nullptr);
  fake.lpszClassName = "FakeDocument";
  RegisterClassA(&fake);
  ActiveDocWindow =
      CreateWindowA("FakeDocument", "", WS_POPUP, 0, 0, 1, 1, 0, 0, fake.hInstance, 0);
  seen.clear();
  const UINT forwarded[] = {103, 104, 110, 111, 112, 113, 121, 152, 201, 210, 211, 212, 213, 214,
                            220, 236, 237, 280, 309, 320, 340, 341, 352, 353, 410, 418, 440};
  for (UINT id : forwarded) Command(id);
  for (UINT id : {IDM_TILEVERTICAL, IDM_STATUSBAR}) Command(id);  // the frame's own
  ASSERT_EQ(seen.size(), std::size(forwarded));
  for (size_t i = 0; i < seen.size(); ++i) EXPECT_EQ(seen[i].second, forwarded[i]);
  DestroyWindow(ActiveDocWindow);
  ActiveDocWindow = nullptr;
}

TEST_F(FrameTest, MenuHelpTooltipsAndTheToolbarsReset) {
  ASSERT_NE(StartFrame(), nullptr);
  const std::string about = "Display program information, version number and copyright notice";
  const std::pair<WPARAM, std::string> menus[] = {
      {MAKEWPARAM(IDM_NEW, MF_STRING), "Create a new document"},
      {MAKEWPARAM(IDM_ABOUT, MF_STRING), about},
      {MAKEWPARAM(IDM_CLOSE, MF_POPUP), about},  // popups and the system menu change nothing
      {MAKEWPARAM(IDM_CLOSE, MF_SYSMENU), about},
      {MAKEWPARAM(0, 0xFFFF), "Ready ..."},  // the menu closes
      {MAKEWPARAM(IDM_FIRSTCHILD, MF_STRING), "Ready ..."}};
  for (const auto& [select, text] : menus) {
    SendMessageA(frame_, WM_MENUSELECT, select, 0);
    EXPECT_EQ(StatusText(), text);
  }
  for (DWORD tips : {1, 0}) {
    AppOptions.Tips = tips;
    NMTTDISPINFOA info = {};
    info.hdr = {ToolbarWindow, IDM_OPEN, TTN_GETDISPINFOA};
    SendMessageA(frame_, WM_NOTIFY, IDM_OPEN, reinterpret_cast<LPARAM>(&info));
    EXPECT_STREQ(info.lpszText ? info.lpszText : "<null>", tips ? "Open" : "");
  }
  // Reset in the customisation dialog brings back the built layout, New's button included.
  SendMessageA(ToolbarWindow, TB_DELETEBUTTON, 1, 0);
  NMHDR header = {ToolbarWindow, IDC_TOOLBAR, static_cast<UINT>(TBN_RESET)};
  SendMessageA(frame_, WM_NOTIFY, IDC_TOOLBAR, reinterpret_cast<LPARAM>(&header));
  EXPECT_EQ(SendMessageA(ToolbarWindow, TB_BUTTONCOUNT, 0, 0), 35);
  EXPECT_EQ(SendMessageA(ToolbarWindow, TB_COMMANDTOINDEX, IDM_NEW, 0), 1);
}

TEST_F(FrameTest, ExitEndsTheMessageLoopAndAFailedClassRegistrationIsReported) {
  ASSERT_NE(StartFrame(), nullptr);
  PostMessageA(frame_, WM_COMMAND, IDM_EXIT, 0);
  EXPECT_EQ(RunMessageLoop(), 0);
  EXPECT_FALSE(IsWindow(frame_));
  EXPECT_EQ(FrameWindow, nullptr);
  // The classes are registered already, so a second registration fails as a broken one would;
  // the splash box's comes first.
  DialogAnswerer answerer;
  answerer.PressButton(IDOK);
  EXPECT_EQ(InitApplication(AppOptions), 0);
  EXPECT_EQ(answerer.Last().title, "Error");
  EXPECT_EQ(answerer.Last().ControlText(101),
            "\rError detected creating SplashBox window class\r\rCode 1410");
}

}  // namespace
