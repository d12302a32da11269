// Shortcuts in the shell's places through the Explorer page, and the Version page's version row.
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
#include "temp_folder.h"

namespace {

constexpr const char* kPlaceNames[] = {"Programs", "Desktop", "Startup"};
constexpr const char* kFolderKeys[] = {
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders"};

// Value i: place i % 3 in key i / 3, as that key keeps it (REG_SZ, REG_EXPAND_SZ); null deletes.
void PutPlace(int i, const char* value) {
  if (!value) {
    RegDeleteKeyValueA(HKEY_CURRENT_USER, kFolderKeys[i / 3], kPlaceNames[i % 3]);
  } else {
    RegSetKeyValueA(HKEY_CURRENT_USER, kFolderKeys[i / 3], kPlaceNames[i % 3],
                    i < 3 ? REG_SZ : REG_EXPAND_SZ, value, lstrlenA(value) + 1);
  }
}
// Wine writes "Shell Folders" again from "User Shell Folders" whenever the shell resolves a
// place: both are set.
void PointPlace(int place, const char* value) {
  PutPlace(place, value);
  PutPlace(place + 3, value);
}

// Points the three places into a test folder and puts the old values back.
struct PlaceFolders {
  explicit PlaceFolders(const TempFolder& root) {
    for (int i = 0; i < 6; ++i) {
      DWORD size = MAX_PATH;
      had[i] = !RegGetValueA(HKEY_CURRENT_USER, kFolderKeys[i / 3], kPlaceNames[i % 3],
                             RRF_RT_ANY | RRF_NOEXPAND, nullptr, old[i], &size);
    }
    for (int p = 0; p < 3; ++p) {
      CreateDirectoryA(root.File(kPlaceNames[p]).c_str(), nullptr);
      PointPlace(p, root.File(kPlaceNames[p]).c_str());
    }
  }
  ~PlaceFolders() {
    for (int i = 0; i < 6; ++i) PutPlace(i, had[i] ? old[i] : nullptr);
  }
  char old[6][MAX_PATH] = {};
  bool had[6] = {};
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
  std::string boxes, version;
  DialogAnswerer answerer;
  answerer.Run([&](HWND sheet, DialogAnswerer&) {
    HWND page = PropSheet_GetCurrentPageHwnd(sheet);
    for (int box : {102, 103, 105, 106, 108, 109}) {
      boxes += std::to_string(IsWindowEnabled(GetDlgItem(page, box))) +
               std::to_string(IsDlgButtonChecked(page, box));
    }
    CheckDlgButton(page, kRemoveDesktopBox, BST_CHECKED);
    PropSheet_SetCurSel(sheet, nullptr, 8);
    char text[256];
    GetDlgItemTextA(PropSheet_GetCurrentPageHwnd(sheet), kFirstVersionRow + 3, text, sizeof text);
    version = text;
    PropSheet_PressButton(sheet, PSBTN_OK);
  });
  ParseCommandLine("/setup", AppOptions);  // asks for the Start Menu item
  EXPECT_EQ("001011001000", boxes);        // Desktop (there): create, remove; Start Menu; Startup
  EXPECT_EQ("Version 3.7", version);
  EXPECT_EQ(program + none + none, ReadLink(links[0]) + ReadLink(links[1]) + ReadLink(links[2]));
  ShellRequestRecord requests{0, 1, 1, 0, 1, 0, nullptr};  // removal after the creations
  CarryOutShellRequests(nullptr, requests);
  EXPECT_EQ(none + program + program, ReadLink(links[0]) + ReadLink(links[1]) + ReadLink(links[2]));
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
    PointPlace(kDesktopPlace, value);
    char path[kPathCapacity];
    EXPECT_FALSE(ShortcutPath(kDesktopPlace, path));
    EXPECT_EQ(2, CreateShortcut(nullptr, kDesktopPlace) + RemoveShortcut(nullptr, kDesktopPlace));
  }
  EXPECT_EQ(program, ReadLink(links[1]));
}
