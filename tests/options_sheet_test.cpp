// The options sheet: OK and Cancel, and what each page's controls put into the sheet's copy
// (Editor, Filters, SysEdit, Printing, Time Stamp, Tools and Macros) with the checks that keep a
// page in front.
#include <windows.h>
#include <commctrl.h>
#include <prsht.h>

#include <cstdio>
#include <cstring>
#include <iterator>
#include <memory>

#include "document_fixture.h"
#include "editing/timestamp.h"
#include "options/options_page.h"
#include "options/options_sheet.h"
#include "options/page_setup_template.h"
#include "resources/resource.h"

namespace {

// A combo box as a user works it: a row chosen (typed null) or a text typed, and the page told.
void Choose(HWND page, int id, int row, const char* typed = nullptr) {
  HWND combo = DialogAnswerer::FindControl(page, id);
  if (typed) SetWindowTextA(combo, typed);
  if (!typed) SendMessageA(combo, CB_SETCURSEL, row, 0);
  SendMessageA(GetParent(combo), WM_COMMAND, MAKEWPARAM(id, typed ? CBN_EDITCHANGE : CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(combo));
}

std::string ItemText(HWND page, int id) {
  char text[kMacroTextCapacity + 1] = "";  // room to see a character over the limit
  GetDlgItemTextA(page, id, text, sizeof text);
  return text;
}

using OptionsSheetTest = DocumentFixture;

TEST_F(OptionsSheetTest, EditorFiltersAndSysEditPagesReachTheOptionsOnOk) {
  const struct {
    int id;
    DWORD AppOptionsRecord::*flag;
  } boxes[] = {{IDC_EDITOR_TIPS, &AppOptionsRecord::Tips},
               {IDC_EDITOR_TASKTRAY, &AppOptionsRecord::TaskTray},
               {IDC_EDITOR_LTGRAY, &AppOptionsRecord::LtGray},
               {IDC_EDITOR_WORDWRAP, &AppOptionsRecord::WordWrap},
               {IDC_EDITOR_MAXIMIZED, &AppOptionsRecord::Maximized},
               {IDC_EDITOR_NEWDOC, &AppOptionsRecord::NewDoc},
               {IDC_EDITOR_LOADLAST, &AppOptionsRecord::LoadLast},
               {IDC_EDITOR_READONLY, &AppOptionsRecord::ReadOnly},
               {IDC_EDITOR_BACKUP, &AppOptionsRecord::Backup},
               {IDC_EDITOR_AUTOSAVE, &AppOptionsRecord::AutoSave},
               {IDC_EDITOR_SOUNDS, &AppOptionsRecord::Sounds}};
  lstrcpynA(AppOptions.Filters[2], "", kPathCapacity);  // an empty filter between others
  const AppOptionsRecord before = AppOptions;
  answerer_.Run([&](HWND sheet, DialogAnswerer&) {
    const auto* copy = PageData<AppOptionsRecord>(PropSheet_GetCurrentPageHwnd(sheet));
    for (size_t i = 0; i < std::size(boxes); ++i) {
      DialogAnswerer::Click(sheet, boxes[i].id);
      PropSheet_SetCurSel(sheet, nullptr, kFiltersPage);  // leaving the page stores it
      PropSheet_SetCurSel(sheet, nullptr, kEditorPage);
      for (size_t j = 0; j < std::size(boxes); ++j)
        EXPECT_EQ((before.*boxes[j].flag) ^ (j <= i), copy->*boxes[j].flag) << i << j;
    }
    PropSheet_SetCurSel(sheet, nullptr, kFiltersPage);
    Choose(sheet, IDC_FILTER_DESCRIPTIONS, 1);  // the extensions follow to row 1
    Choose(sheet, IDC_FILTER_DESCRIPTIONS, 0, "New|Name");
    DialogAnswerer::Click(sheet, IDC_FILTER_ACCEPT_DESCRIPTION);
    Choose(sheet, IDC_FILTER_EXTENSIONS, 0, "a,b|c");
    DialogAnswerer::Click(sheet, IDC_FILTER_ACCEPT_EXTENSIONS);
    PropSheet_SetCurSel(sheet, nullptr, kSysEditPage);
    DialogAnswerer::SetControlText(sheet, IDC_SYSEDIT_FIRST + 4, "C:\\x\\five.ini");
    PropSheet_PressButton(sheet, PSBTN_OK);
  });
  Command(IDM_OPTIONS);
  for (const auto& box : boxes) EXPECT_EQ(!(before.*box.flag), AppOptions.*box.flag) << box.id;
  EXPECT_EQ(AppOptions.TaskTray == 1, TrayIconExists(frame_));
  DWORD stored = 99, size = sizeof stored;
  RegGetValueA(HKEY_CURRENT_USER, (std::string(kProductKey) + "\\Options").c_str(), "Backup",
               RRF_RT_REG_DWORD, nullptr, &stored, &size);
  EXPECT_EQ(AppOptions.Backup, stored);
  const char* expected[kListSlots] = {before.Filters[0], "NewName|a;bc|",   before.Filters[3],
                                      before.Filters[4], before.Filters[5], before.Filters[6],
                                      before.Filters[7], before.Filters[8], before.Filters[8]};
  for (int i = 0; i < kListSlots; ++i) EXPECT_STREQ(expected[i], AppOptions.Filters[i]) << i;
  EXPECT_STREQ("C:\\x\\five.ini", AppOptions.SysEditFiles[4]);
}

TEST_F(OptionsSheetTest, PrintingAndTimeStampPagesStoreWhatTheControlsSay) {
  PageSetupRecord& stored = AppOptions.PageSetup;
  lstrcpyA(stored.Header, "H");
  SetTimestampClock([] { return std::tm{}; });  // a fixed time: the example cannot move on
  const std::string date = FormatDateText(nullptr, 1, nullptr);
  const std::string shortDate = FormatDateText(nullptr, 0, nullptr);
  const std::string time = FormatTimeText(nullptr, nullptr);
  AppOptions.ShowDate = AppOptions.LongDate = AppOptions.ShowTime = AppOptions.DateFirst = 1;
  // Time Stamp page, after each click: the example enabled (+) or not (-); boxes 101, 102, 103,
  // 111, 112 and 113 ticked (x) or not (o), capital when disabled; the example's text.
  const std::pair<int, std::string> steps[] = {
      {0, "+xxoxxo " + date + "  " + time},        {113, "+xxoxox " + time + "  " + date},
      {103, "+xoxxox " + time + "  " + shortDate}, {111, "+xoxoOX " + shortDate},
      {101, "-oOXoOX " + time + "  " + shortDate},
  };
  answerer_.Run([&](HWND sheet, DialogAnswerer&) {
    HWND page = PropSheet_GetCurrentPageHwnd(sheet);
    const std::pair<int, const char*> fields[] = {{101, "0.75"}, {102, "1.2345"}, {103, "abc"},
                                                  {104, "-1"},   {111, ""},       {121, "Pg $P"}};
    for (const auto& f : fields) SetDlgItemTextA(page, f.first, f.second);
    DialogAnswerer::Click(page, 113);
    PropSheet_SetCurSel(sheet, nullptr, kTimeStampPage);  // refused: the ticked header is empty
    EXPECT_EQ(page, PropSheet_GetCurrentPageHwnd(sheet));
    EXPECT_EQ("H", ItemText(page, 111));  // the stored header is back
    SetDlgItemTextA(page, 111, "");
    DialogAnswerer::Click(page, 112);  // an unticked header may be empty
    DialogAnswerer::Click(page, 122);
    PropSheet_SetCurSel(sheet, nullptr, kTimeStampPage);
    page = PropSheet_GetCurrentPageHwnd(sheet);
    for (const auto& step : steps) {
      if (step.first) DialogAnswerer::Click(page, step.first);
      std::string states = IsWindowEnabled(GetDlgItem(page, 100)) ? "+" : "-";
      for (int id : {101, 102, 103, 111, 112, 113}) {
        const char c = IsDlgButtonChecked(page, id) ? 'x' : 'o';
        states += IsWindowEnabled(GetDlgItem(page, id)) ? c : char(c - 32);
      }
      EXPECT_EQ(step.second, states + " " + ItemText(page, 100));
    }
    PropSheet_PressButton(sheet, PSBTN_OK);
  });
  answerer_.PressButton(IDOK);
  Command(IDM_PAGESETUP);
  SetTimestampClock(nullptr);
  EXPECT_EQ(
      "Page Setup Error:\r\rPlease specify the header text to be printed\ror uncheck the "
      "Print Header checkbox",
      answerer_.Last().title + ":" + Said());
  char got[600];
  std::snprintf(got, sizeof got, "%ld %ld %ld %ld %lu%lu%lu%lu %s|%s", stored.TopMargin,
                stored.LeftMargin, stored.BottomMargin, stored.RightMargin, stored.ShowHeader,
                stored.CenterHeader, stored.ShowFooter, stored.CenterFooter, stored.Header,
                stored.Footer);
  EXPECT_STREQ("750 1234 0 -1000 0001 |Pg $P", got);
  // Out of memory for the page's template: the user reads why, the sheet gets nothing.
  answerer_.PressButton(IDOK);
  FailNextGlobalAllocations(1);
  EXPECT_FALSE(BuildPageSetupTemplate());
  EXPECT_EQ("\rCannot allocate memory for Dialog Template\r\rSize: 4098 bytes requested", Said());
}

TEST_F(OptionsSheetTest, ToolAndMacroChecksKeepThePageDeleteClearsAndCancelLeavesAll) {
  AppOptions.Tools[0] = ToolRecord{1, "Viewer", "C:\\windows\\notepad.exe", "-r", "C:\\", 1, 0, 1};
  AppOptions.Macros[0] = MacroRecord{1, "Signature", "Regards,\r\nAnn"};
  // Texts at their edits' limits (a macro's with CR LF inside): one character more is refused.
  const std::string fullProgram = "C:\\" + std::string(kPathCapacity - 4, 'p');
  const std::string fullText = "Regards,\r\n" + std::string(kMacroTextCapacity - 11, 'x');
  // clang-format off
  const struct {
    UINT command;
    int list, name, second, active;  // `second`: the edit the second check needs filled
    const char *nameValue, *secondValue, *messages[3], *full;
  } kPages[] = {
      {IDM_CUSTOMIZETOOLS, IDC_TOOL_LIST, IDC_TOOL_NAME, IDC_TOOL_PROGRAM, IDC_TOOL_ACTIVE, "Viewer", "C:\\windows\\notepad.exe",
       {"\rActive Norvel tools require a menu item name\r\rPlease specify a name for this Norvel tool.",
        "\rActive Norvel tools require a program name\r\rPlease specify an application for this tool.",
        "\rTool: Viewer\r\rDelete this Norvel tool menu item?"}, fullProgram.c_str()},
      {IDM_CUSTOMIZEMACROS, IDC_MACRO_LIST, IDC_MACRO_NAME, IDC_MACRO_TEXT, IDC_MACRO_ACTIVE, "Signature", "Regards,\r\nAnn",
       {"\rActive Norvel macros require a menu item name\r\rPlease specify a name for this Norvel macro.",
        "\rActive Norvel macros require a text string\r\rPlease specify a text string for this macro.",
        "\rMacro: Signature\r\rDelete this Norvel macro menu item?"}, fullText.c_str()},
  };
  // clang-format on
  for (const auto& c : kPages) {
    const auto before = std::make_unique<AppOptionsRecord>(AppOptions);
    for (int pressOk : {0, 1}) {
      std::vector<std::string> seen;
      DialogAnswerer answerer;
      answerer.Run([&](HWND sheet, DialogAnswerer& a) {
        HWND page = PropSheet_GetCurrentPageHwnd(sheet);
        auto look = [&](int id, const std::string& more) {
          seen.push_back(ItemText(page, id) + "|" + more);
        };
        a.PressKey(VK_RETURN).PressKey(VK_RETURN).PressButton(IDNO).PressButton(IDYES);
        SetDlgItemTextA(page, c.name, "");
        SendMessageA(sheet, WM_COMMAND, IDOK, 0);  // no name: the page stays, the name comes back
        look(c.name, std::to_string(PropSheet_GetCurrentPageHwnd(sheet) == page));
        SetDlgItemTextA(page, c.second, "");
        Choose(page, c.list, 1);  // the list stays on the record, its text comes back
        look(c.second, std::to_string(SendDlgItemMessageA(page, c.list, CB_GETCURSEL, 0, 0)));
        for (int press = 0; press < 2; ++press) {  // No keeps the record, Yes clears it
          SendDlgItemMessageA(page, IDC_PAGE_DELETE, BM_CLICK, 0, 0);
          look(c.name, std::to_string(IsDlgButtonChecked(page, c.active)));
        }
        SendDlgItemMessageA(page, c.second, EM_SETSEL, 0, -1);
        SendDlgItemMessageA(page, c.second, EM_REPLACESEL, 0,
                            reinterpret_cast<LPARAM>((c.full + std::string("x")).c_str()));
        look(c.second, "");
        PropSheet_PressButton(sheet, pressOk ? PSBTN_OK : PSBTN_CANCEL);
      });
      Command(c.command);
      ASSERT_EQ(5u, answerer.Count());
      for (int i = 0; i < 3; ++i) EXPECT_EQ(c.messages[i], answerer.Seen()[i + 1].ControlText(101));
      const std::string name = c.nameValue;
      EXPECT_EQ((std::vector<std::string>{name + "|1", c.secondValue + std::string("|0"),
                                          name + "|1", "|0", c.full + std::string("|")}),
                seen);
      if (!pressOk) {
        EXPECT_EQ(0, std::memcmp(before.get(), &AppOptions, sizeof AppOptions));
      }
    }
    const bool tools = c.command == IDM_CUSTOMIZETOOLS;  // OK kept the cleared record, full text
    EXPECT_EQ("0" + std::string(c.full),
              tools ? std::to_string(AppOptions.Tools[0].Active) + AppOptions.Tools[0].Program
                    : std::to_string(AppOptions.Macros[0].Active) + AppOptions.Macros[0].Text);
  }
}

}  // namespace
