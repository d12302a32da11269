// The frame window: layout, bars, command routing, menu help, start-up failures, exit.
#include <windows.h>
#include <commctrl.h>

#include <map>
#include <set>
#include <vector>
#include <string>

#include "app/commands.h"
#include "app/frame.h"
#include "app/menu_state.h"
#include "app/single_instance.h"
#include "app/startup.h"
#include "frame_fixture.h"
#include "resources/resource.h"

namespace {

std::string StatusText(int part) {
  char text[256] = "";
  SendMessageA(StatusBar, SB_GETTEXTA, part, reinterpret_cast<LPARAM>(text));
  return text;
}

void ExpectStatusParts(HWND frame) {
  RECT client;
  GetClientRect(frame, &client);
  int parts[2] = {};
  ASSERT_EQ(SendMessageA(StatusBar, SB_GETPARTS, 2, reinterpret_cast<LPARAM>(parts)), 2);
  EXPECT_EQ(parts[0], client.right - 80);
  EXPECT_EQ(parts[1], client.right - 20);
}

using FrameTest = FrameFixture;

TEST_F(FrameTest, CreatesToolbarClientAndStatusBarLaidOutTopToBottom) {
  ASSERT_NE(StartFrame(), nullptr);
  EXPECT_EQ(FrameWindow, frame_);
  char title[64];
  GetWindowTextA(frame_, title, sizeof title);
  EXPECT_STREQ(title, "Norvel");
  ASSERT_TRUE(ToolbarWindow && MdiClient && StatusBar);
  EXPECT_EQ(GetDlgCtrlID(ToolbarWindow), IDC_TOOLBAR);
  EXPECT_EQ(GetDlgCtrlID(MdiClient), IDC_MDICLIENT);
  EXPECT_EQ(GetDlgCtrlID(StatusBar), IDC_STATUSBAR);
  EXPECT_EQ(SendMessageA(ToolbarWindow, TB_BUTTONCOUNT, 0, 0), 35);
  EXPECT_EQ(StatusText(0), "Ready ...");
  ExpectStatusParts(frame_);

  const RECT client = ClientRect();
  const RECT toolbar = ChildRect(ToolbarWindow);
  const RECT mdi = ChildRect(MdiClient);
  const RECT status = ChildRect(StatusBar);
  EXPECT_EQ(toolbar.top, 0);
  EXPECT_EQ(mdi.top, toolbar.bottom);
  EXPECT_EQ(mdi.bottom, status.top);
  EXPECT_EQ(status.bottom, client.bottom);
  EXPECT_EQ(mdi.right - mdi.left, client.right);
}

TEST_F(FrameTest, CannotBeMadeSmallerThan348By200) {
  ASSERT_NE(StartFrame(), nullptr);
  MINMAXINFO info = {};
  SendMessageA(frame_, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.ptMinTrackSize.x, 348);
  EXPECT_EQ(info.ptMinTrackSize.y, 200);
}

TEST_F(FrameTest, StatusBarToggledOffAndOnComesBackWithItsPartsAndReadyText) {
  ASSERT_NE(StartFrame(), nullptr);
  SendMessageA(StatusBar, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>("something else"));

  Command(IDM_STATUSBAR);
  EXPECT_FALSE(IsWindowVisible(StatusBar));
  EXPECT_EQ(AppOptions.Status, 0u);
  EXPECT_EQ(ChildRect(MdiClient).bottom, ClientRect().bottom);
  EXPECT_EQ(GetMenuState(GetMenu(frame_), IDM_STATUSBAR, MF_BYCOMMAND) & MF_CHECKED, 0u);

  // While the status bar is hidden, menu help writes nothing.
  SendMessageA(frame_, WM_MENUSELECT, MAKEWPARAM(IDM_NEW, MF_STRING), 0);

  Command(IDM_STATUSBAR);
  EXPECT_TRUE(IsWindowVisible(StatusBar));
  EXPECT_EQ(AppOptions.Status, 1u);
  EXPECT_EQ(StatusText(0), "Ready ...");
  ExpectStatusParts(frame_);
  EXPECT_EQ(ChildRect(MdiClient).bottom, ChildRect(StatusBar).top);
  EXPECT_NE(GetMenuState(GetMenu(frame_), IDM_STATUSBAR, MF_BYCOMMAND) & MF_CHECKED, 0u);

  // A narrower frame moves both part edges with it.
  SetWindowPos(frame_, nullptr, 0, 0, 500, 300, SWP_NOMOVE | SWP_NOZORDER);
  PumpMessages();
  ExpectStatusParts(frame_);
}

TEST_F(FrameTest, ToolbarToggleLaysTheClientOutAgain) {
  ASSERT_NE(StartFrame(), nullptr);
  const LONG toolbarHeight = ChildRect(ToolbarWindow).bottom;
  ASSERT_GT(toolbarHeight, 0);

  Command(IDM_TOOLBAR);
  EXPECT_FALSE(IsWindowVisible(ToolbarWindow));
  EXPECT_EQ(ChildRect(MdiClient).top, 0);
  EXPECT_EQ(GetMenuState(GetMenu(frame_), IDM_CUSTOMIZE, MF_BYCOMMAND) & MF_GRAYED, MF_GRAYED);

  Command(IDM_TOOLBAR);
  EXPECT_TRUE(IsWindowVisible(ToolbarWindow));
  EXPECT_EQ(ChildRect(MdiClient).top, toolbarHeight);
  EXPECT_EQ(GetMenuState(GetMenu(frame_), IDM_CUSTOMIZE, MF_BYCOMMAND) & MF_GRAYED, 0u);
}

TEST_F(FrameTest, HiddenBarsStayHiddenFromTheStart) {
  AppOptions.ToolBar = 0;
  AppOptions.Status = 0;
  ASSERT_NE(StartFrame(), nullptr);
  EXPECT_FALSE(IsWindowVisible(ToolbarWindow));
  EXPECT_FALSE(IsWindowVisible(StatusBar));
  const RECT client = ClientRect();
  const RECT mdi = ChildRect(MdiClient);
  EXPECT_EQ(mdi.top, 0);
  EXPECT_EQ(mdi.bottom, client.bottom);
}

// Records the MDI requests that reach the client.
std::map<UINT, WPARAM> mdiRequests;
WNDPROC originalClientProc = nullptr;
LRESULT CALLBACK RecordingClientProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_MDITILE || message == WM_MDICASCADE || message == WM_MDIICONARRANGE) {
    mdiRequests[message] = wParam;
  }
  return CallWindowProcA(originalClientProc, window, message, wParam, lParam);
}

TEST_F(FrameTest, WindowCommandsSendTheMatchingMdiRequests) {
  ASSERT_NE(StartFrame(), nullptr);
  mdiRequests.clear();
  originalClientProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(MdiClient, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordingClientProc)));

  Command(IDM_TILEVERTICAL);
  ASSERT_EQ(mdiRequests.count(WM_MDITILE), 1u);
  EXPECT_EQ(mdiRequests[WM_MDITILE], static_cast<WPARAM>(MDITILE_VERTICAL));
  Command(IDM_TILEHORIZONTAL);
  EXPECT_EQ(mdiRequests[WM_MDITILE], static_cast<WPARAM>(MDITILE_HORIZONTAL));
  Command(IDM_CASCADE);
  EXPECT_EQ(mdiRequests.count(WM_MDICASCADE), 1u);
  Command(IDM_ARRANGEICONS);
  EXPECT_EQ(mdiRequests.count(WM_MDIICONARRANGE), 1u);

  SetWindowLongPtrA(MdiClient, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(originalClientProc));
}

// Stands in for a document window to see what the frame forwards.
std::vector<std::pair<WPARAM, LPARAM>> forwarded;
LRESULT CALLBACK RecordingDocumentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND) forwarded.emplace_back(wParam, lParam);
  return DefWindowProcA(window, message, wParam, lParam);
}

TEST_F(FrameTest, DocumentCommandsGoToTheActiveDocumentOnly) {
  ASSERT_NE(StartFrame(), nullptr);
  DialogAnswerer answerer;  // any dialog would fail the test
  forwarded.clear();

  // No document: nothing happens, not even a beep.
  ActiveDocWindow = nullptr;
  for (UINT id : {IDM_SAVE, IDM_CLOSE, IDM_WORDWRAP, IDM_MACRO_FIRST, IDM_SORT}) Command(id);
  EXPECT_TRUE(beeps_.empty());
  EXPECT_EQ(answerer.Count(), 0u);
  EXPECT_TRUE(IsWindow(frame_));

  WNDCLASSA recorder = {};
  recorder.lpfnWndProc = RecordingDocumentProc;
  recorder.hInstance = GetModuleHandleA(nullptr);
  recorder.lpszClassName = "FrameTestDocument";
  RegisterClassA(&recorder);
  HWND document = CreateWindowA("FrameTestDocument", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                recorder.hInstance, nullptr);
  ActiveDocWindow = document;
  const UINT documentCommands[] = {103, 104, 110, 111, 112, 113, 121, 152, 201,
                                   210, 211, 212, 213, 214, 220, 236, 237, 280,
                                   309, 320, 340, 341, 352, 353, 410, 418, 440};
  for (UINT id : documentCommands) Command(id);
  ASSERT_EQ(forwarded.size(), std::size(documentCommands));
  for (size_t i = 0; i < forwarded.size(); ++i) {
    EXPECT_EQ(forwarded[i].first, documentCommands[i]);  // notification code 0
    EXPECT_EQ(forwarded[i].second, 0);
  }
  // Frame commands are not forwarded.
  Command(IDM_TILEVERTICAL);
  Command(IDM_STATUSBAR);
  EXPECT_EQ(forwarded.size(), std::size(documentCommands));
  ActiveDocWindow = nullptr;
  DestroyWindow(document);
}

TEST_F(FrameTest, WithNoDocumentExactlyTheDocumentFreeCommandsAreEnabled) {
  AppOptions.Tools[2].Active = 1;
  lstrcpyA(AppOptions.Tools[2].Name, "Compiler");
  lstrcpyA(AppOptions.Tools[3].Name, "Inactive tool");
  lstrcpyA(AppOptions.RecentFiles[0], "c:\\notes.txt");
  AppOptions.Macros[0].Active = 1;
  lstrcpyA(AppOptions.Macros[0].Name, "Signature");
  ASSERT_NE(StartFrame(), nullptr);
  SendMessageA(frame_, WM_INITMENU, reinterpret_cast<WPARAM>(GetMenu(frame_)), 0);

  const std::set<UINT> enabled = {101, 102, 120, 122, 133, 134, 150, 153, 190,
                                  199, 299, 301, 302, 303, 312, 354, 355, 356,
                                  357, 398, 399, 430, 431, 901, 902, 903, 999};
  HMENU menu = GetMenu(frame_);
  for (UINT id = 101; id <= 999; ++id) {
    const UINT state = GetMenuState(menu, id, MF_BYCOMMAND);
    if (state == 0xFFFFFFFF) continue;  // no such item
    const bool isEnabled = (state & MF_GRAYED) == 0;
    EXPECT_EQ(isEnabled, enabled.count(id) == 1) << "command " << id;
  }
  char text[300];
  GetMenuStringA(menu, 194, text, sizeof text, MF_BYCOMMAND);
  EXPECT_STREQ(text, "&5  Unused");
  GetMenuStringA(menu, 190, text, sizeof text, MF_BYCOMMAND);
  EXPECT_STREQ(text, "&1  c:\\notes.txt");
  GetMenuStringA(menu, 312, text, sizeof text, MF_BYCOMMAND);
  EXPECT_STREQ(text, "&3  Compiler...");
  GetMenuStringA(menu, 318, text, sizeof text, MF_BYCOMMAND);
  EXPECT_STREQ(text, "&9  Undefined...");
  GetMenuStringA(menu, 410, text, sizeof text, MF_BYCOMMAND);
  EXPECT_STREQ(text, "&1  Signature...");

  // Toolbar buttons of document commands are greyed and not clickable.
  const LRESULT saveState = SendMessageA(ToolbarWindow, TB_GETSTATE, IDM_SAVE, 0);
  EXPECT_EQ(saveState & TBSTATE_ENABLED, 0);
  EXPECT_NE(SendMessageA(ToolbarWindow, TB_GETSTATE, IDM_NEW, 0) & TBSTATE_ENABLED, 0);
}

TEST_F(FrameTest, MenuHelpShowsTheItemTextAndReadyWhenTheMenuCloses) {
  ASSERT_NE(StartFrame(), nullptr);
  SendMessageA(frame_, WM_MENUSELECT, MAKEWPARAM(IDM_NEW, MF_STRING), 0);
  EXPECT_EQ(StatusText(0), "Create a new document");
  SendMessageA(frame_, WM_MENUSELECT, MAKEWPARAM(IDM_ABOUT, MF_STRING), 0);
  EXPECT_EQ(StatusText(0), "Display program information, version number and copyright notice");
  // A popup leaves the text as it is, and so does the system menu.
  SendMessageA(frame_, WM_MENUSELECT, MAKEWPARAM(IDM_CLOSE, MF_POPUP), 0);
  EXPECT_EQ(StatusText(0), "Display program information, version number and copyright notice");
  SendMessageA(frame_, WM_MENUSELECT, MAKEWPARAM(IDM_CLOSE, MF_SYSMENU), 0);
  EXPECT_EQ(StatusText(0), "Display program information, version number and copyright notice");
  SendMessageA(frame_, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
  EXPECT_EQ(StatusText(0), "Ready ...");
  SendMessageA(frame_, WM_MENUSELECT, MAKEWPARAM(IDM_FIRSTCHILD, MF_STRING), 0);
  EXPECT_EQ(StatusText(0), "Ready ...");
}

TEST_F(FrameTest, TooltipsFollowTheTipsOption) {
  ASSERT_NE(StartFrame(), nullptr);
  NMTTDISPINFOA info = {};
  info.hdr.hwndFrom = ToolbarWindow;
  info.hdr.idFrom = IDM_OPEN;
  info.hdr.code = TTN_GETDISPINFOA;
  SendMessageA(frame_, WM_NOTIFY, IDM_OPEN, reinterpret_cast<LPARAM>(&info));
  ASSERT_NE(info.lpszText, nullptr);
  EXPECT_STREQ(info.lpszText, "Open");

  AppOptions.Tips = 0;
  info.lpszText = nullptr;
  SendMessageA(frame_, WM_NOTIFY, IDM_OPEN, reinterpret_cast<LPARAM>(&info));
  ASSERT_NE(info.lpszText, nullptr);
  EXPECT_STREQ(info.lpszText, "");
}

TEST_F(FrameTest, ExitEndsTheMessageLoopWithCodeZero) {
  ASSERT_NE(StartFrame(), nullptr);
  PostMessageA(frame_, WM_COMMAND, IDM_EXIT, 0);
  EXPECT_EQ(RunMessageLoop(), 0);
  EXPECT_FALSE(IsWindow(frame_));
  EXPECT_EQ(FrameWindow, nullptr);
}

TEST_F(FrameTest, AcceleratorsReachTheFrameAsCommands) {
  ASSERT_NE(StartFrame(), nullptr);
  SetForegroundWindow(frame_);
  SetFocus(frame_);
  // F7 is Tile Vertically, Ctrl+Q is Exit: both through the loop's accelerator step.
  MSG key = {frame_, WM_KEYDOWN, VK_F7, 0x00410001, 0, {}};
  EXPECT_TRUE(TranslateAcceleratorA(frame_, Accelerators, &key));
  PostMessageA(frame_, WM_KEYDOWN, 'Q', 0x00100001);
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_CONTROL] = 0x80;
  SetKeyboardState(keys);
  PostMessageA(frame_, WM_NULL, 0, 0);
  EXPECT_EQ(RunMessageLoop(), 0);
  keys[VK_CONTROL] = 0;
  SetKeyboardState(keys);
  EXPECT_FALSE(IsWindow(frame_));
}

TEST_F(FrameTest, AFailedClassRegistrationShowsItsMessage) {
  // The classes are registered already, so a second registration fails as a broken one would.
  DialogAnswerer answerer;
  answerer.PressButton(IDOK);
  EXPECT_EQ(InitApplication(AppOptions), 0);
  ASSERT_EQ(answerer.Count(), 1u);
  EXPECT_EQ(answerer.Last().title, "Error");
  EXPECT_EQ(answerer.Last().ControlText(101),
            "\rError detected creating NorvelAppClass window class\r\rCode 1410");
}

}  // namespace
