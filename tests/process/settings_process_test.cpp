// Settings across runs of norvel.exe, read from outside the program: the registry layout of a
// first run, settings that come back after a restart, and a portable copy.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "harness/harness.h"
#include "harness/stored_values.h"

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

// "name=type:data" joined by '~' as lines "section\name=type:data"; '*' stands for data that
// depends on the machine.
std::string Layout(const std::string& section, const std::string& values) {
  std::string text = section + "\\" + values + "\n";
  for (size_t at; (at = text.find('~')) != std::string::npos;)
    text.replace(at, 1, "\n" + section + "\\");
  return text;
}

TEST(SettingsProcess, AFirstRunWritesTheDocumentedRegistryLayout) {
  RegDeleteTreeA(HKEY_CURRENT_USER, kKey);
  RunNorvel(NorvelExePath(), "");
  const std::string place = "Top=d:35~Left=d:35~Width=d:350~Height=d:200~Show=d:1";
  const std::string font =
      "FaceName=s:MS Sans Serif~Height=d:4294967286~Width=d:0~Escapement=d:0~Orientation=d:0~"
      "Weight=d:400~Italic=d:0~Underline=d:0~StrikeOut=d:0~CharSet=d:0~OutPrecision=d:1~"
      "ClipPrecision=d:2~Quality=d:1~PitchFamily=d:34~Colour=d:0";
  std::map<std::string, std::string> expected = {
      {"Application",
       "Program=s:Norvel for Windows 95/NT~Version=s:v3.7~Author=s:*~Company=s:*~"
       "Address=s:*~Post Office=s:*~Telephone=s:*~CompuServe=s:*~AOL=s:*~"
       "WebSite=s:*~Email=s:*"},
      {"DeskTop\\Window", "Top=d:*~Left=d:*~Width=d:640~Height=d:400~Show=d:1"},
      {"DeskTop\\Options",
       "Top=d:" + std::to_string((GetSystemMetrics(SM_CYSCREEN) - 375) / 2) +
           "~Left=d:" + std::to_string((GetSystemMetrics(SM_CXSCREEN) - 500) / 2) +
           "~Width=d:350~Height=d:200~Show=d:1"},
      {"DeskTop\\Window\\ToolBar", "Standard=b:~Custom=b:"},
      {"Files\\AutoLoad",
       "Load1=s:c:\\config.sys~Load2=s:c:\\autoexec.bat~Load3=s:c:\\windows\\"
       "schdplus.ini~Load4=s:c:\\windows\\msmail.ini~Load5=s:c:\\windows\\"
       "protocol.ini~Load6=s:c:\\windows\\progman.ini~Load7=s:c:\\windows\\"
       "winfile.ini~Load8=s:c:\\windows\\system.ini~Load9=s:c:\\windows\\win.ini"},
      {"Files\\FileFilter",
       "Filter1=s:Text Files|*.txt;*.htm*;*.log;*.err;*.lst|~Filter2=s:Source Code|*.c;*.h;*.cpp;"
       "*.rc;*.def;*.hpj|~Filter3=s:Assembler|*.asm;*.inc;*.equ;*.mac;*.map|~Filter4=s:"
       "Initialization|*.bat;*.ini;*.cfg;*.sys;*.mak;*.inf;*.reg|~Filter5=s:Language|*.pas;*.for;"
       "*.lst;*.cod|~Filter6=s:Internet|*.htm;*.html;*.shtml|~Filter7=s:BASIC Files|*.bas;*.def;"
       "*.mac;*.err|~Filter8=s:Java Files|*.jav*;*.lst;*.err;*.cod|~Filter9=s:Pascal Files|*.pas;"
       "*.inc;*.unit;*.lst|"},
      {"Font\\Display", font},
      {"Font\\Printer", font},
      {"Options",
       "FileSpec=s:~ToolBar=d:1~Status=d:1~Tips=d:1~TaskTray=d:0~TopMost=d:0~LtGray=d:0~"
       "Tabs=d:4~LoadLast=d:0~Maximized=d:1~NewDoc=d:1~ReadOnly=d:0~Backup=d:1~"
       "WordWrap=d:0~AutoSave=d:0~Sounds=d:1~Splash=d:1"},
      {"Options\\PageSetup",
       "TopMargin=d:500~BottomMargin=d:500~LeftMargin=d:500~RightMargin=d:500~"
       "ShowHeader=d:1~CenterHeader=d:1~ShowFooter=d:1~CenterFooter=d:1~"
       "Landscape=d:0~Header=s:File: $F - $D - $T~Footer=s:- Page $P -"},
      {"Options\\Search", "WholeWords=d:0~MatchCase=d:0~FromTop=d:0~Find=s:~Replace=s:"},
      {"Options\\Sort", "Ascending=d:1~IgnoreCase=d:1"},
      {"Options\\TimeStamp", "ShowDate=d:1~LongDate=d:1~ShowTime=d:1~DateFirst=d:1"},
  };
  for (const char* name : {"ASCII", "Errors", "Find", "GetFile", "GoTo", "Property", "PutFile",
                           "Replace", "Setup", "Sort"}) {
    expected[std::string("DeskTop\\") + name] = place;
  }
  for (int n = 1; n <= 9; ++n) {
    char section[32];
    expected["Files\\Open"] += "Open" + std::to_string(n) + "=s:" + (n < 9 ? "~" : "");
    std::snprintf(section, sizeof section, "Options\\Macros\\Macro%d", n);
    expected[section] = "Active=d:0~Name=s:~Text=s:";
    std::snprintf(section, sizeof section, "Tools\\Tool-%02d", n);
    expected[section] =
        "Name=s:~Program=s:~Command=s:~Folder=s:~Active=d:0~Launch=d:0~Hide=d:0~Save=d:0";
  }
  // The registry lists values by name, so the lines are compared as sets. Machine-dependent
  // data ('*') and the toolbar control's own bytes are not compared.
  std::set<std::string> layout, stored;
  for (const auto& [section, values] : expected) {
    const std::string lines = Layout(section, values);
    for (size_t at = 0, end; (end = lines.find('\n', at)) != std::string::npos; at = end + 1) {
      layout.insert(lines.substr(at, end - at));
    }
  }
  for (const auto& [section, values] : ReadRegistryTree(HKEY_CURRENT_USER, kKey)) {
    for (const StoredValue& value : values) {
      const std::string head = section + "\\" + value.name + "=" + value.type + ":";
      stored.insert(layout.count(head + "*") ? head + "*" : head + value.data);
    }
  }
  EXPECT_EQ(stored, layout);
}

// The frame's place, the bars and the recent list come back at the next start.
TEST(SettingsProcess, SettingsComeBackAfterARestart) {
  RegDeleteTreeA(HKEY_CURRENT_USER, kKey);
  char folder[MAX_PATH];
  GetTempPathA(sizeof folder, folder);
  const std::string path = std::string(folder) + "remembered.txt";
  CloseHandle(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
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
  DeleteFileA(path.c_str());
}

// A copy with "[Portable] Enabled=1" in the INI file beside it writes no product key; its
// toolbar layout comes back from that file.
TEST(SettingsProcess, APortableCopyLeavesNoProductKey) {
  RegDeleteTreeA(HKEY_CURRENT_USER, kKey);
  char folder[MAX_PATH];
  GetTempPathA(sizeof folder, folder);
  const std::string copy = std::string(folder) + "portable";
  CreateDirectoryA(copy.c_str(), nullptr);
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
  const StoredValues ini = ReadIniFile(copy + "\\norvel.ini");
  EXPECT_EQ(ini.count("Options\\Search"), 1u);
  DeleteFileA((copy + "\\norvel.exe").c_str());
  DeleteFileA((copy + "\\norvel.ini").c_str());
  RemoveDirectoryA(copy.c_str());
}

}  // namespace
