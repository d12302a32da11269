// The Tools and Macros pages: the checks that keep the page, Delete, and Cancel.
#include <windows.h>
#include <prsht.h>

#include <cstring>
#include <memory>

#include "frame_fixture.h"
#include "options/folder_browser.h"
#include "resources/resource.h"

namespace {

std::string Text(HWND page, int id) {
  char text[kMacroTextCapacity + 1] = "";  // room to see a character over the limit
  GetDlgItemTextA(page, id, text, sizeof text);
  return text;
}

void Choose(HWND page, int list, int index) {
  SendDlgItemMessageA(page, list, CB_SETCURSEL, index, 0);
  SendMessageA(page, WM_COMMAND, MAKEWPARAM(list, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(GetDlgItem(page, list)));
}

}  // namespace

using ToolPagesTest = FrameFixture;

TEST_F(ToolPagesTest, ChecksKeepThePageDeleteClearsAndCancelLeavesAll) {
  ASSERT_NE(StartFrame(), nullptr);
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
          seen.push_back(Text(page, id) + "|" + more);
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
      if (!pressOk) EXPECT_EQ(0, std::memcmp(before.get(), &AppOptions, sizeof AppOptions));
    }
    const bool tools = c.command == IDM_CUSTOMIZETOOLS;  // OK kept the cleared record, full text
    EXPECT_EQ("0" + std::string(c.full),
              tools ? std::to_string(AppOptions.Tools[0].Active) + AppOptions.Tools[0].Program
                    : std::to_string(AppOptions.Macros[0].Active) + AppOptions.Macros[0].Text);
  }
  // Browse folder: a chosen folder replaces what was typed, Cancel keeps it.
  const FolderBrowser kBrowsers[] = {
      [](HWND, char(&folder)[kPathCapacity]) { return lstrcpyA(folder, "C:\\Chosen") ? 1 : 0; },
      [](HWND, char(&)[kPathCapacity]) { return 0; }};
  std::string shown;
  DialogAnswerer answerer;
  answerer.Run([&](HWND sheet, DialogAnswerer&) {
    HWND page = PropSheet_GetCurrentPageHwnd(sheet);
    for (FolderBrowser browser : kBrowsers) {
      SetFolderBrowser(browser);
      SetDlgItemTextA(page, IDC_TOOL_FOLDER, "D:\\typed");
      SendDlgItemMessageA(page, IDC_TOOL_BROWSE_FOLDER, BM_CLICK, 0, 0);
      shown += Text(page, IDC_TOOL_FOLDER) + "|";
    }
    PropSheet_PressButton(sheet, PSBTN_CANCEL);
  });
  Command(IDM_CUSTOMIZETOOLS);
  SetFolderBrowser(nullptr);
  EXPECT_EQ("C:\\Chosen|D:\\typed|", shown);
}
