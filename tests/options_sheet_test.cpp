// The options sheet: opened at each command's page, OK and Cancel, the tray and LtGray rules.
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <cstring>
#include <memory>
#include <string>

#include "app/options_command.h"
#include "frame_fixture.h"
#include "resources/resource.h"

namespace {

std::string SelectedTab(HWND sheet) {
  HWND tabs = PropSheet_GetTabControl(sheet);
  char text[64] = "";
  TCITEMA item = {};
  item.mask = TCIF_TEXT;
  item.pszText = text;
  item.cchTextMax = sizeof text;
  SendMessageA(tabs, TCM_GETITEMA, TabCtrl_GetCurSel(tabs), reinterpret_cast<LPARAM>(&item));
  return text;
}

std::string StatusPart0() {
  char text[256] = "";
  SendMessageA(StatusBar, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text));
  return text;
}

using OptionsSheetTest = FrameFixture;

TEST_F(OptionsSheetTest, EachCommandOpensTheSheetAtItsPageAndCancelChangesNothing) {
  ASSERT_NE(StartFrame(), nullptr);
  struct Case {
    UINT command;
    const char* tab;
    const char* status;
  };
  const Case cases[] = {
      {IDM_OPTIONS, "Editor", "Configure the Norvel application"},
      {IDM_PAGESETUP, "Printing", "Change page layout settings"},
      {IDM_CUSTOMIZETOOLS, "Tools", "Create and edit tool menu items"},
      {IDM_CUSTOMIZEMACROS, "Macros", "Create and edit text macro items"},
      {IDM_SYSEDITFILES, "SysEdit", "Specify SysEdit files to be loaded automatically"},
      {IDM_SETUP, "Explorer", "Integrate Norvel with the MS Windows Explorer"},
  };
  const auto before = std::make_unique<AppOptionsRecord>(AppOptions);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.tab);
    std::string tab, status;
    int pages = 0;
    DialogAnswerer answerer;
    answerer.Run([&](HWND sheet, DialogAnswerer&) {
      tab = SelectedTab(sheet);
      status = StatusPart0();
      pages = TabCtrl_GetItemCount(PropSheet_GetTabControl(sheet));
      PropSheet_PressButton(sheet, PSBTN_CANCEL);
    });
    Command(c.command);
    ASSERT_EQ(1u, answerer.Count());
    EXPECT_EQ(" Norvel Options", answerer.Last().title);
    EXPECT_EQ(frame_, answerer.Last().owner);
    EXPECT_EQ(9, pages);
    EXPECT_EQ(c.tab, tab);
    EXPECT_EQ(c.status, status);
    EXPECT_EQ(0, std::memcmp(before.get(), &AppOptions, sizeof AppOptions));
  }
}

}  // namespace
