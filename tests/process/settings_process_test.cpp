// Settings across runs of norvel.exe, read from outside the program: a portable copy's settings
// come back after a restart.
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

// A copy with "[Portable] Enabled=1" in the INI file beside it keeps its settings there: the
// frame's place and the toolbar layout come back at the next start, and neither a product key
// nor anything machine-wide is written.
TEST(SettingsProcess, APortableCopyKeepsItsSettingsInItsIniFileOnly) {
  const std::string appPath = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\NORVEL.EXE";
  RegDeleteTreeA(HKEY_CURRENT_USER, kKey);
  RegDeleteTreeA(HKEY_LOCAL_MACHINE, appPath.c_str());
  TempFolder folder;
  const std::string copy = folder.path();
  ASSERT_TRUE(CopyFileA(NorvelExePath().c_str(), (copy + "\\norvel.exe").c_str(), FALSE));
  WritePrivateProfileStringA("Portable", "Enabled", "1", (copy + "\\norvel.ini").c_str());
  RunNorvel(copy + "\\norvel.exe", "", [](HWND frame) {
    MoveWindow(frame, 100, 120, 700, 450, TRUE);
    SendMessageA(FindWindowExA(frame, nullptr, "ToolbarWindow32", nullptr), TB_DELETEBUTTON, 1, 0);
  });
  RunNorvel(copy + "\\norvel.exe", "", [](HWND frame) {
    RECT rect;
    GetWindowRect(frame, &rect);
    EXPECT_EQ(std::vector<LONG>({rect.left, rect.top, rect.right, rect.bottom}),
              std::vector<LONG>({100, 120, 800, 570}));
    HWND toolbar = FindWindowExA(frame, nullptr, "ToolbarWindow32", nullptr);
    EXPECT_EQ(SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0), 34);
  });
  EXPECT_TRUE(ReadRegistryTree(HKEY_CURRENT_USER, kKey).empty());
  EXPECT_TRUE(ReadRegistryTree(HKEY_LOCAL_MACHINE, appPath).empty());
  EXPECT_EQ(ReadIniFile(copy + "\\norvel.ini").count("Options\\Search"), 1u);
}

}  // namespace
