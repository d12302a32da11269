// The frame window: document commands without a document, menu help, tooltips, the toolbar's
// reset, exit and a failed start.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "document_fixture.h"
#include "resources/resource.h"

namespace {

using FrameTest = FrameFixture;

TEST_F(FrameTest, IdleDocumentCommandsMenuHelpTooltipsAndTheToolbarsReset) {
  ASSERT_NE(StartFrame(), nullptr);
  // Without a document, document commands do nothing at all.
  for (UINT id : {IDM_SAVE, IDM_CLOSE, IDM_MACRO_FIRST, IDM_SORT}) Command(id);
  EXPECT_TRUE(beeps_.empty());
  const std::pair<WPARAM, std::string> menus[] = {
      {MAKEWPARAM(IDM_NEW, MF_STRING), "Create a new document"},
      {MAKEWPARAM(0, 0xFFFF), "Ready ..."},  // the menu closes
      {MAKEWPARAM(IDM_FIRSTCHILD, MF_STRING), "Ready ..."}};
  for (const auto& [select, text] : menus) {
    SendMessageA(frame_, WM_MENUSELECT, select, 0);
    EXPECT_EQ(DocumentFixture::StatusText(0), text);
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
