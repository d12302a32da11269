// Settings across runs of norvel.exe, read from outside the program: settings that come back
// after a restart, and a portable copy.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "harness/harness.h"
#include "harness/stored_values.h"
#include "temp_folder.h"

namespace {

constexpr const char* kKey = "Software\\Veldmark\\Norvel for Windows 95/NT";

// Starts norvel.exe, waits for its frame, runs `act` on it, exits through the menu.
void RunNorvel(const std::string& exe, const std::string& tail, void (*act)(HWND) = nullptr) {
  ProcessUnderTest norvel;
  ASSERT_TRUE(norvel.Start(exe, tail));
  HWND frame = norvel.FindTopLevelWindow("NorvelAppClass", 15000);
  ASSERT_NE(frame, nullptr);
  ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(frame) != FALSE; }, 15000));
  if (act) act(frame);
  PostMessageA(frame, WM_COMMAND, 199 /* Exit */, 0);
  EXPECT_EQ(norvel.WaitForExit(15000), 0u);
}

// The frame's place, the bars and the recent list come back at the next start.
TEST(SettingsProcess, SettingsComeBackAfterARestart) {
  RegDeleteTreeA(HKEY_CURRENT_USER, kKey);
  TempFolder folder;
  const std::string path = folder.Write("remembered.txt", "");
  RunNorvel(NorvelExePath(), "\"" + path + "\"", [](HWND frame) {
    MoveWindow(frame, 100, 120, 700, 450, TRUE);
    SendMessageA(frame, WM_COMMAND, 301 /* Status Bar */, 0);
    SendMessageA(frame, WM_COMMAND, 302 /* Toolbar */, 0);
  });
  RunNorvel(NorvelExePath(), "", [](HWND frame) {
    RECT rect;
    GetWindowRect(frame, &rect);
    EXPECT_EQ(std::vector<LONG>({rect.left, rect.top, rect.right, rect.bottom}),
              std::vector<LONG>({100, 120, 800, 570}));
    for (const char* bar : {"msctls_statusbar32", "ToolbarWindow32"}) {
      EXPECT_FALSE(IsWindowVisible(FindWindowExA(frame, nullptr, bar, nullptr))) << bar;
    }
  });
  char recent[MAX_PATH] = "";
  DWORD size = sizeof recent;
  RegGetValueA(HKEY_CURRENT_USER, (std::string(kKey) + "\\Files\\Open").c_str(), "Open1",
               RRF_RT_REG_SZ, nullptr, recent, &size);
  EXPECT_EQ(lstrcmpiA(recent, path.c_str()), 0) << recent;
}

// A copy with "[Portable] Enabled=1" in the INI file beside it writes no product key; its
// toolbar layout comes back from that file.
TEST(SettingsProcess, APortableCopyLeavesNoProductKey) {
  RegDeleteTreeA(HKEY_CURRENT_USER, kKey);
  TempFolder folder;
  const std::string copy = folder.path();
  ASSERT_TRUE(CopyFileA(NorvelExePath().c_str(), (copy + "\\norvel.exe").c_str(), FALSE));
  WritePrivateProfileStringA("Portable", "Enabled", "1", (copy + "\\norvel.ini").c_str());
  RunNorvel(copy + "\\norvel.exe", "", [](HWND frame) {
    SendMessageA(FindWindowExA(frame, nullptr, "ToolbarWindow32", nullptr), TB_DELETEBUTTON, 1, 0);
  });
  RunNorvel(copy + "\\norvel.exe", "", [](HWND frame) {
    HWND toolbar = FindWindowExA(frame, nullptr, "ToolbarWindow32", nullptr);
    EXPECT_EQ(SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0), 34);
  });
  EXPECT_TRUE(ReadRegistryTree(HKEY_CURRENT_USER, kKey).empty());
  EXPECT_EQ(ReadIniFile(copy + "\\norvel.ini").count("Options\\Search"), 1u);
}

}  // namespace
