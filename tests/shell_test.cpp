// Shortcuts in the shell's places through the Explorer page, the page templates, version rows.
#include <windows.h>
#include <prsht.h>
#include <shlobj.h>

#include "app/command_line.h"
#include "base/file_io.h"
#include "frame_fixture.h"
#include "options/options_sheet.h"
#include "options/shell_page_templates.h"
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
  IShellLinkA* link = nullptr;
  IPersistFile* file = nullptr;
  char target[MAX_PATH] = "", description[MAX_PATH] = "";
  wchar_t wide[MAX_PATH];
  MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH);
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                 reinterpret_cast<void**>(&link))) &&
      SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
      SUCCEEDED(file->Load(wide, STGM_READ))) {
    link->GetPath(target, MAX_PATH, nullptr, 0);
    link->GetDescription(description, MAX_PATH);
  }
  if (file) file->Release();
  if (link) link->Release();
  return std::string(CharLowerA(target)) + " | " + description;
}

// One line per template part: the header, then "style x,y,cx,cy id class text" per item.
std::vector<std::string> DescribeTemplate(const GlobalBlock& block) {
  const BYTE* p = reinterpret_cast<const BYTE*>(block.data());
  auto word = [&] {
    WORD w;
    memcpy(&w, p, 2);
    p += 2;
    return w;
  };
  auto dword = [&] {
    DWORD d;
    memcpy(&d, p, 4);
    p += 4;
    return d;
  };
  auto text = [&] {
    std::string t;
    for (WORD c; (c = word()) != 0;) t += static_cast<char>(c);
    return t;
  };
  char line[400];
  const DWORD style = dword(), ex = dword();
  const int count = word();
  std::vector<std::string> lines;
  const int x = static_cast<short>(word()), y = static_cast<short>(word()), cx = word(),
            cy = word();
  const int menu = word(), cls = word();
  const std::string title = text();
  const int points = word();
  snprintf(line, sizeof line, "%08lX %lu %d,%d,%d,%d %d %d %s %d %s", style, ex, x, y, cx, cy, menu,
           cls, title.c_str(), points, text().c_str());
  lines.push_back(line);
  for (int i = 0; i < count; ++i) {
    p = reinterpret_cast<const BYTE*>(block.data()) +
        ((p - reinterpret_cast<const BYTE*>(block.data()) + 3) & ~3);
    const DWORD s = dword(), e = dword();
    const int ix = word(), iy = word(), icx = word(), icy = word(), id = word(), marker = word(),
              atom = word();
    const std::string t = text();
    snprintf(line, sizeof line, "%08lX %lu %d,%d,%d,%d %d %X%X %s %d", s, e, ix, iy, icx, icy, id,
             marker, atom, t.c_str(), word());
    lines.push_back(line);
  }
  return lines;
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

TEST(ShellPages, TemplatesAndVersionRows) {
  // clang-format off
  const std::string b = "5000180E 0 7,7,104,159 65535 FFFF82 #1999 0", ln = " 0 118,";
  const std::vector<std::string> explorer = {
      "90C000C0 0 0,0,320,172 0 0 Explorer 8 MS Sans Serif", b,
      "50000000 0 120,10,190,16 104 FFFF82 To include or remove %s on the MS Windows Explorer Start Menu check one of the boxes below. 0",
      "50000003 0 135,32,18,20 65535 FFFF82 #1000 0",
      "50010003 0 170,32,95,10 105 FFFF80 &Create a Start Menu Item 0",
      "50010003 0 170,44,105,10 106 FFFF80 &Remove this Start Menu Item 0",
      "50000010" + ln + "60,195,1 65535 FFFF82   0",
      "50000000 0 120,65,190,16 101 FFFF82 To display or delete the %s program icon on the MS Windows Explorer Desktop check the boxes below. 0",
      "50000003 0 135,87,18,20 65535 FFFF82 #2880 0",
      "50010003 0 170,87,99,10 102 FFFF80 Create a &Desktop Icon 0",
      "50010003 0 170,99,115,10 103 FFFF80 Remove &Icon from the Desktop 0",
      "50000010" + ln + "115,195,1 65535 FFFF82   0",
      "50000000 0 120,120,190,16 107 FFFF82 To run %s automatically whenever MS Windows 95/NT is started check the box below. 0",
      "50000003 0 135,142,18,20 65535 FFFF82 #2585 0",
      "50010003 0 170,142,103,10 108 FFFF80 Create a &Startup Folder Item 0",
      "50010003 0 170,154,115,10 109 FFFF80 Remove the Startup &Folder Item 0"};
  const std::vector<std::string> version = {
      "90C000C0 0 0,0,320,172 0 0 Version 8 MS Sans Serif", b,
      "50000003 0 123,10,18,20 65535 FFFF82 #1000 0",
      "50000000 0 155,10,160,8 101 FFFF82  0",
      "50000000 0 155,20,160,8 102 FFFF82  0",
      "50000000 0 155,35,160,8 103 FFFF82  0",
      "50000000 0 155,45,160,8 104 FFFF82  0",
      "50000010" + ln + "60,195,1 65535 FFFF82   0",
      "50000000 0 130,70,170,32 105 FFFF82  0",
      "50000010" + ln + "105,195,1 65535 FFFF82   0",
      "50000000 0 130,115,170,17 65535 FFFF82 Visit the Veldmark Web Site on the Internet to download the latest versions of all of my freeware. 0",
      "50010000 0 155,140,115,14 6 FFFF80 www.veldmark.example 0"};
  // clang-format on
  EXPECT_EQ(explorer, DescribeTemplate(BuildExplorerTemplate()));
  EXPECT_EQ(version, DescribeTemplate(BuildVersionTemplate()));

  // Rows: the program's own table, the fallbacks for a language it has none for, and nothing
  // from a file without version information.
  char self[MAX_PATH];
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  TempFolder folder;
  const std::string plain = folder.Write("plain.exe", "MZ");
  // clang-format off
  const struct { const char* file; LANGID language; int found; const char* rows; } kCases[] = {
      {self, 0x0409, 1, "Norvel for Windows|Copyright \251 1996-2026 Veldmark|MDI Text Editor for Windows|Version 3.7|Release 3.7.0 of December 2026. Norvel is freeware: you may copy it and give it away freely, unchanged and complete with its help file.|"},
      {self, 0x0407, 1, "Norvel for Windows 95/NT|Copyright \251 1996-2026 Veldmark|MDI Text Editor for Windows 95/NT|Version 3.7|Norvel is freeware: copy it and give it away freely.|"},
      {plain.c_str(), 0x0409, 0, "|||||"}};
  // clang-format on
  for (const auto& c : kCases) {
    VersionRows rows;
    EXPECT_EQ(c.found, ReadVersionRows(c.file, c.language, rows));
    std::string joined;
    for (const auto& row : rows) joined += std::string(row) + "|";
    EXPECT_EQ(c.rows, joined) << c.file << " " << c.language;
    if (c.language != GetUserDefaultLangID()) continue;
    // The page shows the same rows, and moves the sheet only when there were any.
    const std::string program = ProgramPath;
    lstrcpynA(ProgramPath, c.file, sizeof ProgramPath);
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
    EXPECT_EQ(c.rows, shown);
    EXPECT_EQ(c.found != 0, sheetRect.left == 31 && sheetRect.top == 41);
  }
}
