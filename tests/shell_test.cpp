// Shortcuts in the shell's places through the Explorer page, and the Version page's rows.
#include <windows.h>
#include <prsht.h>
#include <shlobj.h>

#include "app/command_line.h"
#include "base/file_io.h"
#include "frame_fixture.h"
#include "options/options_sheet.h"
#include "options/shell_page_templates.h"
#include "settings/com_ref.h"
#include "settings/shell_links.h"
#include "settings/version_rows.h"
#include "temp_folder.h"

namespace {

// Points the three places into a test folder and puts the old values back. Wine writes "Shell
// Folders" again from "User Shell Folders" whenever the shell resolves a place: both are set.
class PlaceFolders {
 public:
  explicit PlaceFolders(const TempFolder& root) {
    for (int i = 0; i < 6; ++i) {
      DWORD size = MAX_PATH;
      had_[i] = !RegGetValueA(HKEY_CURRENT_USER, Key(i), kNames[i % 3], RRF_RT_ANY | RRF_NOEXPAND,
                              &type_[i], old_[i], &size);
    }
    for (int p = 0; p < 3; ++p) {
      CreateDirectoryA(root.File(kNames[p]).c_str(), nullptr);
      Point(p, root.File(kNames[p]).c_str());
    }
  }
  ~PlaceFolders() {
    for (int i = 0; i < 6; ++i) Put(i, had_[i] ? old_[i] : nullptr, type_[i]);
  }
  static void Point(int place, const char* value) {
    Put(place, value, REG_SZ), Put(place + 3, value, REG_EXPAND_SZ);
  }

 private:
  static constexpr const char* kNames[] = {"Programs", "Desktop", "Startup"};
  static const char* Key(int i) {
    return i < 3 ? "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders"
                 : "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
  }
  static void Put(int i, const char* value, DWORD type) {
    if (!value)
      RegDeleteKeyValueA(HKEY_CURRENT_USER, Key(i), kNames[i % 3]);
    else
      RegSetKeyValueA(HKEY_CURRENT_USER, Key(i), kNames[i % 3], type, value, lstrlenA(value) + 1);
  }
  char old_[6][MAX_PATH] = {};
  DWORD type_[6] = {};
  bool had_[6] = {};
};

// "target | description" of a shortcut file, read back through the shell's link object.
std::string ReadLink(const std::string& path) {
  ComRef<IShellLinkA> link;
  ComRef<IPersistFile> file;
  char target[MAX_PATH] = "", description[MAX_PATH] = "";
  const std::wstring wide(path.begin(), path.end());
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                 link.out())) &&
      SUCCEEDED(link->QueryInterface(IID_IPersistFile, file.out())) &&
      SUCCEEDED(file->Load(wide.c_str(), STGM_READ))) {
    link->GetPath(target, MAX_PATH, nullptr, 0);
    link->GetDescription(description, MAX_PATH);
  }
  return std::string(CharLowerA(target)) + " | " + description;
}

}  // namespace

using ShellLinksTest = FrameFixture;

TEST_F(ShellLinksTest, SetupPageRequestsAreCarriedOutAndFailuresSaySo) {
  TempFolder folder;
  PlaceFolders places(folder);
  const std::string links[] = {folder.File("Programs\\Veldmark\\Norvel.lnk"),
                               folder.File("Desktop\\Norvel.lnk"),
                               folder.File("Startup\\Norvel.lnk")};
  const std::string program = std::string(ProgramPath) + " | Norvel", none = " | ";
  ASSERT_EQ(1, CreateShortcut(nullptr, kDesktopPlace));
  std::string boxes, label, version;
  DialogAnswerer answerer;
  answerer.Run([&](HWND sheet, DialogAnswerer&) {
    HWND page = PropSheet_GetCurrentPageHwnd(sheet);
    char text[256];
    GetDlgItemTextA(page, kStartupLabel, text, sizeof text);
    label = text;
    for (int box : {102, 103, 105, 106, 108, 109}) {
      boxes += std::to_string(IsWindowEnabled(GetDlgItem(page, box))) +
               std::to_string(IsDlgButtonChecked(page, box));
    }
    CheckDlgButton(page, kRemoveDesktopBox, BST_CHECKED);
    PropSheet_SetCurSel(sheet, nullptr, 8);
    GetDlgItemTextA(PropSheet_GetCurrentPageHwnd(sheet), kFirstVersionRow + 3, text, sizeof text);
    version = text;
    PropSheet_PressButton(sheet, PSBTN_OK);
  });
  ParseCommandLine("/setup", AppOptions);  // asks for the Start Menu item
  EXPECT_EQ("To run Norvel automatically whenever MS Windows 95/NT is started check the box below.",
            label);
  EXPECT_EQ("001011001000", boxes);  // Desktop (there): create, remove; Start Menu; Startup
  EXPECT_EQ("Version 3.7", version);
  EXPECT_EQ(program + none + none, ReadLink(links[0]) + ReadLink(links[1]) + ReadLink(links[2]));
  EXPECT_EQ(0u, AppOptions.ShellRequests.CreateStartMenu + AppOptions.ShellRequests.RemoveDesktop);
  ShellRequestRecord requests{0, 1, 1, 0, 1, 0, nullptr};  // removal after the creations
  CarryOutShellRequests(nullptr, requests);
  EXPECT_EQ(none + program + program, ReadLink(links[0]) + ReadLink(links[1]) + ReadLink(links[2]));
  EXPECT_EQ(0u, requests.CreateDesktop + requests.RemoveStartMenu);
  answerer.PressKey(VK_RETURN).PressKey(VK_RETURN);
  InjectLinkSaveFailure(E_ACCESSDENIED);
  InjectFileFailure(FileStep::Delete, ERROR_ACCESS_DENIED);
  requests = {1, 0, 0, 1, 0, 0, nullptr};
  CarryOutShellRequests(nullptr, requests);
  ASSERT_EQ(3u, answerer.Count());
  EXPECT_EQ("Setup", answerer.Seen()[1].title);
  EXPECT_EQ(
      "\rFile '" + std::string(ProgramPath) + "'\r\rMethod (Save) error detected\rCode 2147942405",
      answerer.Seen()[1].ControlText(101));
  EXPECT_EQ("\rFile '" + links[1] + "'\r\rCould not be deleted (error:5)",
            answerer.Seen()[2].ControlText(101));
  EXPECT_TRUE(ShortcutExists(kDesktopPlace) && !ShortcutExists(kStartMenuPlace));
  // A Shell Folders value missing, empty or too long leaves its place silently unavailable.
  const std::string tooLong(300, 'x');
  for (const char* value : {static_cast<const char*>(nullptr), "", tooLong.c_str()}) {
    PlaceFolders::Point(kDesktopPlace, value);
    EXPECT_FALSE(ShortcutExists(kDesktopPlace));
    EXPECT_EQ(2, CreateShortcut(nullptr, kDesktopPlace) + RemoveShortcut(nullptr, kDesktopPlace));
  }
  EXPECT_EQ(program, ReadLink(links[1]));
}

// The Version page: the program's own rows, shown and moving the sheet to its place; nothing
// from a file without version information, and the sheet left where it stands; the string
// table's rows for a language the program has none for.
TEST(ShellPages, VersionRows) {
  char self[MAX_PATH];
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  VersionRows rows;
  EXPECT_EQ(1, ReadVersionRows(self, 0x0407, rows));
  std::string joined;
  for (const auto& row : rows) joined += std::string(row) + "|";
  EXPECT_EQ(
      "Norvel for Windows 95/NT|Copyright \251 1996-2026 Veldmark|MDI Text Editor for Windows "
      "95/NT|Version 3.7|Norvel is freeware: copy it and give it away freely.|",
      joined);
  TempFolder folder;
  // clang-format off
  const struct { std::string file; const char* rows; } kCases[] = {
      {self, "Norvel for Windows|Copyright \251 1996-2026 Veldmark|MDI Text Editor for Windows|Version 3.7|Release 3.7.0 of December 2026. Norvel is freeware: you may copy it and give it away freely, unchanged and complete with its help file.|"},
      {folder.Write("plain.exe", "MZ"), "|||||"}};
  // clang-format on
  for (const auto& c : kCases) {
    const std::string program = ProgramPath;
    lstrcpynA(ProgramPath, c.file.c_str(), sizeof ProgramPath);
    AppOptions.Options.Left = 31, AppOptions.Options.Top = 41;
    std::string shown;
    RECT sheetRect = {};
    DialogAnswerer answerer;
    answerer.Run([&](HWND sheet, DialogAnswerer&) {
      for (int i = 0; i < kVersionRowCount; ++i) {
        char text[kPathCapacity];
        GetDlgItemTextA(PropSheet_GetCurrentPageHwnd(sheet), kFirstVersionRow + i, text,
                        sizeof text);
        shown += std::string(text) + "|";
      }
      GetWindowRect(sheet, &sheetRect);
      PropSheet_PressButton(sheet, PSBTN_CANCEL);
    });
    OpenOptionsSheet(nullptr, AppOptions, kVersionPage, nullptr);
    lstrcpynA(ProgramPath, program.c_str(), sizeof ProgramPath);
    EXPECT_EQ(c.rows, shown) << c.file;
    EXPECT_EQ(*c.rows != '|', sheetRect.left == 31 && sheetRect.top == 41);
  }
}
