// The options sheet: opened at each command's page, OK and Cancel, the tray and LtGray rules.
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <memory>
#include <string>

#include <richedit.h>
#include <shellapi.h>

#include "app/options_command.h"
#include "app/tray.h"
#include "document/edit_control.h"
#include "frame_fixture.h"
#include "resources/resource.h"
#include "temp_folder.h"

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

bool TrayIconExists(HWND frame) {
  NOTIFYICONDATAA data = {};
  data.cbSize = sizeof data;
  data.hWnd = frame;
  data.uID = kTrayIconId;
  return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}

// EM_SETBKGNDCOLOR answers with the colour it replaces.
COLORREF Background(HWND edit) {
  const auto old = static_cast<COLORREF>(SendMessageA(edit, EM_SETBKGNDCOLOR, 0, RGB(1, 2, 3)));
  SendMessageA(edit, EM_SETBKGNDCOLOR, 0, old);
  return old;
}

DWORD StoredBackup() {
  DWORD value = 99, size = sizeof value;
  RegGetValueA(HKEY_CURRENT_USER, (std::string(kProductKey) + "\\Options").c_str(), "Backup",
               RRF_RT_REG_DWORD, nullptr, &value, &size);
  return value;
}

// Types into a page's simple combo box as a user would: the edit field changes, the page hears.
void TypeInto(HWND sheet, int id, const char* text) {
  HWND combo = DialogAnswerer::FindControl(sheet, id);
  SetWindowTextA(combo, text);
  SendMessageA(GetParent(combo), WM_COMMAND, MAKEWPARAM(id, CBN_EDITCHANGE),
               reinterpret_cast<LPARAM>(combo));
}

using OptionsSheetTest = FrameFixture;

TEST_F(OptionsSheetTest, EachCommandOpensTheSheetAtItsPlaceAndPageAndCancelChangesNothing) {
  ASSERT_NE(StartFrame(), nullptr);
  const RECT screen = ScreenRect;
  const LONG kFar = 100000;
  const struct {
    UINT command;  // 0: opened with start page 9
    const char* tab;
    const char* status;
    LONG left, top;  // the stored placement; only the right and bottom are kept on screen
  } cases[] = {
      {IDM_OPTIONS, "Editor", "Configure the Norvel application", kFar, kFar},
      {IDM_PAGESETUP, "Printing", "Change page layout settings", -500, 30},
      {IDM_CUSTOMIZETOOLS, "Tools", "Create and edit tool menu items", 40, -300},
      {IDM_CUSTOMIZEMACROS, "Macros", "Create and edit text macro items", kFar, 10},
      {IDM_SYSEDITFILES, "SysEdit", "Specify SysEdit files to be loaded automatically", 5, kFar},
      {IDM_SETUP, "Explorer", "Integrate Norvel with the MS Windows Explorer", 60, 70},
      {0, "Editor", "Configure the Norvel application", 80, 90},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.tab);
    AppOptions.Options.Left = c.left;
    AppOptions.Options.Top = c.top;
    const auto before = std::make_unique<AppOptionsRecord>(AppOptions);
    std::string tab, status;
    RECT placed = {};
    DialogAnswerer answerer;
    answerer.Run([&](HWND sheet, DialogAnswerer&) {
      tab = SelectedTab(sheet);
      status = StatusPart0();
      EXPECT_EQ(9, TabCtrl_GetItemCount(PropSheet_GetTabControl(sheet)));
      GetWindowRect(sheet, &placed);
      PropSheet_PressButton(sheet, PSBTN_CANCEL);
    });
    if (c.command) {
      Command(c.command);
    } else {
      EXPECT_EQ(0, OpenOptions(frame_, AppOptions, 9));
    }
    ASSERT_EQ(1u, answerer.Count());
    EXPECT_EQ(" Norvel Options", answerer.Last().title);
    EXPECT_EQ(frame_, answerer.Last().owner);
    EXPECT_EQ(c.tab, tab);
    EXPECT_EQ(c.status, status);
    EXPECT_EQ(std::min(c.left, screen.right - 70), placed.left);
    EXPECT_EQ(std::min(c.top, screen.bottom - 70), placed.top);
    EXPECT_EQ(0, std::memcmp(before.get(), &AppOptions, sizeof AppOptions));
  }
}

TEST_F(OptionsSheetTest, EditorBoxesFlipTheirFlagsAndOkAppliesTrayBeepBackgroundAndSaves) {
  const struct {
    int id;
    DWORD AppOptionsRecord::*flag;
  } boxes[] = {
      {IDC_EDITOR_TIPS, &AppOptionsRecord::Tips},
      {IDC_EDITOR_TASKTRAY, &AppOptionsRecord::TaskTray},
      {IDC_EDITOR_LTGRAY, &AppOptionsRecord::LtGray},
      {IDC_EDITOR_WORDWRAP, &AppOptionsRecord::WordWrap},
      {IDC_EDITOR_MAXIMIZED, &AppOptionsRecord::Maximized},
      {IDC_EDITOR_NEWDOC, &AppOptionsRecord::NewDoc},
      {IDC_EDITOR_LOADLAST, &AppOptionsRecord::LoadLast},
      {IDC_EDITOR_READONLY, &AppOptionsRecord::ReadOnly},
      {IDC_EDITOR_BACKUP, &AppOptionsRecord::Backup},
      {IDC_EDITOR_AUTOSAVE, &AppOptionsRecord::AutoSave},
      {IDC_EDITOR_SOUNDS, &AppOptionsRecord::Sounds},
  };
  ASSERT_NE(StartFrame(), nullptr);
  Command(IDM_NEW);
  HWND edit = DocEditControl(ActiveDocWindow);
  const COLORREF grey = GetSysColor(COLOR_BTNFACE);
  // Only Options (133) recolours open documents; SysEdit Files flips LtGray back without it.
  for (UINT command : {IDM_OPTIONS, IDM_SYSEDITFILES}) {
    const AppOptionsRecord before = AppOptions;
    DialogAnswerer answerer;
    answerer.Run([&](HWND sheet, DialogAnswerer&) {
      PropSheet_SetCurSel(sheet, nullptr, kEditorPage);
      HWND page = PropSheet_GetCurrentPageHwnd(sheet);
      const auto* copy = reinterpret_cast<AppOptionsRecord*>(GetWindowLongPtrA(page, DWLP_USER));
      for (size_t i = 0; i < std::size(boxes); ++i) {
        DialogAnswerer::Click(sheet, boxes[i].id);
        PropSheet_SetCurSel(sheet, nullptr, kFiltersPage);  // leaving the page stores it
        PropSheet_SetCurSel(sheet, nullptr, kEditorPage);
        for (size_t j = 0; j < std::size(boxes); ++j)
          EXPECT_EQ((before.*boxes[j].flag) ^ (j <= i), copy->*boxes[j].flag) << i << j;
      }
      PropSheet_PressButton(sheet, PSBTN_OK);
    });
    Command(command);
    for (const auto& box : boxes) EXPECT_EQ(!(before.*box.flag), AppOptions.*box.flag) << box.id;
    EXPECT_EQ(AppOptions.TaskTray == 1, TrayIconExists(frame_));
    EXPECT_EQ(AppOptions.Sounds, static_cast<DWORD>(BeepFlag));
    EXPECT_EQ(AppOptions.Backup, StoredBackup());
    EXPECT_EQ(grey, Background(edit));  // made grey by 133, left grey by 153
  }
  // TaskTray ticked twice is no change: an icon shown anyway is left alone.
  AddTrayIcon(frame_, "Norvel");
  DialogAnswerer answerer;
  answerer.Run([&](HWND sheet, DialogAnswerer&) {
    DialogAnswerer::Click(sheet, IDC_EDITOR_TASKTRAY);
    DialogAnswerer::Click(sheet, IDC_EDITOR_TASKTRAY);
    PropSheet_PressButton(sheet, PSBTN_OK);
  });
  Command(IDM_OPTIONS);
  EXPECT_TRUE(TrayIconExists(frame_));
  RemoveTrayIcon(frame_);
}

TEST_F(OptionsSheetTest, FiltersAndSysEditRowsReachTheCopyOnlyOnOk) {
  TempFolder folder;
  const std::string chosen = folder.Write("three.ini", "x");
  ASSERT_NE(StartFrame(), nullptr);
  lstrcpynA(AppOptions.Filters[2], "", kPathCapacity);  // an empty filter between others
  const AppOptionsRecord before = AppOptions;
  for (bool ok : {false, true}) {
    DialogAnswerer answerer;
    answerer.Run([&](HWND sheet, DialogAnswerer&) {
      PropSheet_SetCurSel(sheet, nullptr, kFiltersPage);
      HWND descriptions = DialogAnswerer::FindControl(sheet, IDC_FILTER_DESCRIPTIONS);
      SendMessageA(descriptions, CB_SETCURSEL, 1, 0);
      SendMessageA(GetParent(descriptions), WM_COMMAND,
                   MAKEWPARAM(IDC_FILTER_DESCRIPTIONS, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(descriptions));
      EXPECT_EQ(1, SendMessageA(DialogAnswerer::FindControl(sheet, IDC_FILTER_EXTENSIONS),
                                CB_GETCURSEL, 0, 0));
      TypeInto(sheet, IDC_FILTER_DESCRIPTIONS, "New|Name");
      DialogAnswerer::Click(sheet, IDC_FILTER_ACCEPT_DESCRIPTION);
      TypeInto(sheet, IDC_FILTER_EXTENSIONS, "a,b|c");
      DialogAnswerer::Click(sheet, IDC_FILTER_ACCEPT_EXTENSIONS);
      PropSheet_SetCurSel(sheet, nullptr, kSysEditPage);
      DialogAnswerer::SetControlText(sheet, IDC_SYSEDIT_FIRST + 4, "C:\\x\\five.ini");
      DialogAnswerer::Click(sheet, IDC_SYSEDIT_BROWSE_FIRST + 2);
      PropSheet_PressButton(sheet, ok ? PSBTN_OK : PSBTN_CANCEL);
    });
    answerer.EnterFileName(chosen);
    Command(IDM_OPTIONS);
    ASSERT_EQ(2u, answerer.Count());
    EXPECT_EQ("Select Files to be used in the SysEdit Mode", answerer.Last().title);
    if (!ok) {
      EXPECT_EQ(0, std::memcmp(&before, &AppOptions, sizeof AppOptions));
      continue;
    }
    const char* expected[kListSlots] = {before.Filters[0], "NewName|a;bc|", before.Filters[3],
                                        before.Filters[4], before.Filters[5], before.Filters[6],
                                        before.Filters[7], before.Filters[8], before.Filters[8]};
    for (int i = 0; i < kListSlots; ++i) EXPECT_STREQ(expected[i], AppOptions.Filters[i]) << i;
    EXPECT_STREQ("C:\\x\\five.ini", AppOptions.SysEditFiles[4]);
    EXPECT_STREQ(chosen.c_str(), AppOptions.SysEditFiles[2]);
  }
  // Defaults puts back the nine standard filters.
  DialogAnswerer answerer;
  answerer.Run([&](HWND sheet, DialogAnswerer&) {
    PropSheet_SetCurSel(sheet, nullptr, kFiltersPage);
    DialogAnswerer::Click(sheet, IDC_FILTER_DEFAULTS);
    PropSheet_PressButton(sheet, PSBTN_OK);
  });
  Command(IDM_OPTIONS);
  EXPECT_STREQ("Assembler|*.asm;*.inc;*.equ;*.mac;*.map|", AppOptions.Filters[2]);
}

}  // namespace
