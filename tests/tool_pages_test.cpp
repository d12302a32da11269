// The Tools and Macros pages: the checks that keep the page, Delete, and Cancel.
#include <windows.h>
#include <prsht.h>

#include <cstring>
#include <memory>

#include "frame_fixture.h"
#include "resources/resource.h"

namespace {

std::string Text(HWND page, int id) {
  char text[kMacroTextCapacity] = "";
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
  // clang-format off
  const struct {
    UINT command;
    int list, name, second, active;  // `second`: the edit the second check needs filled
    const char *nameValue, *secondValue, *messages[3];
  } kPages[] = {
      {IDM_CUSTOMIZETOOLS, IDC_TOOL_LIST, IDC_TOOL_NAME, IDC_TOOL_PROGRAM, IDC_TOOL_ACTIVE, "Viewer", "C:\\windows\\notepad.exe",
       {"\rActive Norvel tools require a menu item name\r\rPlease specify a name for this Norvel tool.",
        "\rActive Norvel tools require a program name\r\rPlease specify an application for this tool.",
        "\rTool: Viewer\r\rDelete this Norvel tool menu item?"}},
      {IDM_CUSTOMIZEMACROS, IDC_MACRO_LIST, IDC_MACRO_NAME, IDC_MACRO_TEXT, IDC_MACRO_ACTIVE, "Signature", "Regards,\r\nAnn",
       {"\rActive Norvel macros require a menu item name\r\rPlease specify a name for this Norvel macro.",
        "\rActive Norvel macros require a text string\r\rPlease specify a text string for this macro.",
        "\rMacro: Signature\r\rDelete this Norvel macro menu item?"}},
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
        PropSheet_PressButton(sheet, pressOk ? PSBTN_OK : PSBTN_CANCEL);
      });
      Command(c.command);
      ASSERT_EQ(5u, answerer.Count());
      for (int i = 0; i < 3; ++i) EXPECT_EQ(c.messages[i], answerer.Seen()[i + 1].ControlText(101));
      const std::string name = c.nameValue;
      EXPECT_EQ((std::vector<std::string>{name + "|1", c.secondValue + std::string("|0"),
                                          name + "|1", "|0"}),
                seen);
      if (!pressOk) EXPECT_EQ(0, std::memcmp(before.get(), &AppOptions, sizeof AppOptions));
    }
    const bool tools = c.command == IDM_CUSTOMIZETOOLS;  // OK kept the record Yes cleared
    EXPECT_EQ("0", tools ? std::to_string(AppOptions.Tools[0].Active) + AppOptions.Tools[0].Name
                         : std::to_string(AppOptions.Macros[0].Active) + AppOptions.Macros[0].Text);
  }
}
