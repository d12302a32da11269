// The settings store: every value comes back from a save and a load in both back ends, bad
// values read their defaults, a first run fills in its defaults, portable use stays in its INI
// file, and the machine-wide entries.
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>

#include "frame_fixture.h"
#include "harness/stored_values.h"
#include "resources/resource.h"
#include "settings/options_store.h"
#include "settings/registrations.h"
#include "settings/settings_store.h"

namespace {

using SettingsStoreTest = FrameFixture;

StoredValues StoredSettings() {
  return ProductKeyPath[0] ? ReadRegistryTree(HKEY_CURRENT_USER, ProductKeyPath)
                           : ReadIniFile(IniPath);
}
void ClearStore() {
  RegDeleteTreeA(HKEY_CURRENT_USER, kProductKey);
  DeleteFileA(IniPath);
}
void PutRegistry(const char* section, const char* name, DWORD type, const void* data, DWORD size) {
  const std::string key = std::string(kProductKey) + "\\" + section;
  RegSetKeyValueA(HKEY_CURRENT_USER, key.c_str(), name, type, data, size);
}
void PutNumber(const char* section, const char* name, LONG number) {
  PutRegistry(section, name, REG_DWORD, &number, 4);
}
void PutText(const char* section, const char* name, const std::string& text) {
  PutRegistry(section, name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
}
std::string MachineText(const std::string& key, const char* name) {
  char text[MAX_PATH] = "<missing>";
  DWORD size = sizeof text;
  RegGetValueA(HKEY_LOCAL_MACHINE, key.c_str(), name, RRF_RT_REG_SZ, nullptr, text, &size);
  return text;
}

void WriteBytes(const char* path, const std::string& bytes) {
  HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

// A value changed to another of its kind: a flag flipped, a number moved, a text extended.
void Change(StoredValue& value) {
  const bool number =
      value.type == 'd' ||
      (!value.data.empty() && value.data.find_first_not_of("0123456789") == std::string::npos);
  if (!number) {
    value.data += "~";
    return;
  }
  const unsigned long long old = std::stoull(value.data);
  value.data = std::to_string(old <= 1 ? 1 - old : (old + 7) & 0xFFFFFFFF);
}

TEST_F(SettingsStoreTest, EveryStoredValueComesBackFromALoadAndASave) {
  for (const char* key : {kProductKey, ""}) {
    SCOPED_TRACE(*key ? "registry" : "INI file");
    lstrcpynA(ProductKeyPath, key, sizeof ProductKeyPath);
    ClearStore();
    LoadOptions(AppOptions, OptionRecords);  // a first run: every value is written once
    StoredValues changed = StoredSettings();
    changed.erase("Application");    // rewritten at every save, never read
    ASSERT_EQ(changed.size(), 40u);  // every section of the records
    for (auto& [section, values] : changed) {
      for (StoredValue& value : values) {
        Change(value);
        const char *name = value.name.c_str(), *data = value.data.c_str();
        if (value.type == 't') WritePrivateProfileStringA(section.c_str(), name, data, IniPath);
        if (value.type == 'd') PutNumber(section.c_str(), name, std::stoul(value.data));
        if (value.type == 's') PutText(section.c_str(), name, data);
      }
    }
    LoadOptions(AppOptions, OptionRecords);
    ClearStore();
    SaveOptions(AppOptions, OptionRecords);
    StoredValues saved = StoredSettings();
    saved.erase("Application");
    EXPECT_EQ(ToText(saved), ToText(changed));

    // Macros of several lines, or with blanks and quotes at their ends, survive an INI line too.
    const char* macros[] = {"two\r\n\tlines", " \"quoted\\text: 'x"};
    for (int i = 0; i < 2; ++i) lstrcpynA(AppOptions.Macros[i].Text, macros[i], kMacroTextCapacity);
    SaveOptions(AppOptions, OptionRecords);
    LoadOptions(AppOptions, OptionRecords);
    for (int i = 0; i < 2; ++i) EXPECT_STREQ(AppOptions.Macros[i].Text, macros[i]);
  }
  ClearStore();
}

// Each bad value reads its default or its clamp; nothing is shown (any dialog fails the test).
TEST_F(SettingsStoreTest, BadValuesReadTheirDefaultOrClamp) {
  const auto load = [] { LoadOptions(AppOptions, OptionRecords); };
  const auto find = [] {
    char text[kPathCapacity];
    ReadString("Options\\Search", "Find", "default", text, sizeof text);
    return std::string(text);
  };
  const auto tabs = [] { return std::to_string(ReadNumber("Options", "Tabs", 4)); };
  const auto ini = [](const std::string& bytes) {
    return [bytes] {
      ProductKeyPath[0] = '\0';
      WriteBytes(IniPath, bytes);
    };
  };
  const std::string longText(300, 'x');
  const struct {
    const char* what;
    std::function<void()> arrange;
    std::function<std::string()> read;
    std::string expected;
  } cases[] = {
      {"text for a number", [] { PutText("Options", "Tabs", "12"); }, tabs, "4"},
      {"number for a text", [] { PutNumber("Options\\Search", "Find", 7); }, find, "default"},
      {"text too long", [&] { PutText("Options\\Search", "Find", longText); }, find, "default"},
      {"text without NUL", [] { PutRegistry("Options\\Search", "Find", REG_SZ, "abc", 3); }, find,
       "abc"},
      {"flag 5", [] { PutNumber("Options", "Backup", 5); },
       [&] {
         load();
         WriteFlag("Options", "Backup", 5);
         DWORD stored = 0, size = sizeof stored;
         RegGetValueA(HKEY_CURRENT_USER, (std::string(kProductKey) + "\\Options").c_str(), "Backup",
                      RRF_RT_REG_DWORD, nullptr, &stored, &size);
         return std::to_string(AppOptions.Backup) + std::to_string(stored);
       },
       "11"},
      {"placements off screen",
       [] {
         PutNumber("DeskTop\\Find", "Top", -4);
         PutNumber("DeskTop\\GoTo", "Top", -5);
         PutNumber("DeskTop\\Find", "Left", 5000);
         PutNumber("DeskTop\\Property", "Top", 5000);
         PutNumber("DeskTop\\Property", "Left", -1);
       },
       [&] {
         load();
         PlacementRecord small = {0, 5000, 1, 1, 1};
         ClampPlacement(small, RECT{0, 0, 1024, 768});
         const auto text = [](const PlacementRecord& p) {
           return std::to_string(p.Top) + "," + std::to_string(p.Left) + " ";
         };
         return text(AppOptions.Find) + text(AppOptions.GoTo) + text(OptionRecords.Property) +
                text(small);
       },
       "-4,1245 0,35 989,0 0,989 "},
      {"deleted Filter3",
       [] {
         RegDeleteKeyValueA(HKEY_CURRENT_USER,
                            (std::string(kProductKey) + "\\Files\\FileFilter").c_str(), "Filter3");
       },
       [&] {
         load();
         return std::string(AppOptions.Filters[2]);
       },
       "Assembler|*.asm;*.inc;*.equ;*.mac;*.map|"},
      {"missing section",
       [] {
         RegDeleteTreeA(HKEY_CURRENT_USER, (std::string(kProductKey) + "\\Options\\Sort").c_str());
         AppOptions.IgnoreCase = 0;
       },
       [&] {
         load();
         return std::to_string(AppOptions.IgnoreCase);
       },
       "1"},
      {"INI lines ended by CR alone, none at the end",
       ini("[Options]\rTabs=9\r[Options\\Search]\rFind=abc"), [&] { return tabs() + find(); },
       "9abc"},
      {"INI text for a number", ini("[Options]\r\nTabs=four\r\n"), tabs, "4"},
      {"INI number past 32 bits", ini("[Options]\r\nTabs=4294967296\r\n"), tabs, "4"},
      {"INI negative number as written", ini("[Options]\r\nTabs=4294967286\r\n"), tabs, "-10"},
      {"INI text too long", ini("[Options\\Search]\r\nFind=" + longText + "\r\n"),
       [&] { return std::to_string(find().size()); }, "255"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    lstrcpynA(ProductKeyPath, kProductKey, sizeof ProductKeyPath);
    ClearStore();
    load();
    c.arrange();
    EXPECT_EQ(c.read(), c.expected);
  }
  lstrcpynA(ProductKeyPath, kProductKey, sizeof ProductKeyPath);
  for (const auto& [stored, read] :
       {std::pair{0, 4}, {17, 4}, {100, 4}, {-1, 4}, {1, 1}, {16, 16}}) {
    PutNumber("Options", "Tabs", stored);
    load();
    EXPECT_EQ(AppOptions.Tabs, read) << stored;
  }

  // A key the user cannot write: every write is tried, none lands, and the save goes on to its end.
  static int tried;
  int writes = 0;
  for (bool writable : {true, false}) {
    tried = 0;
    SetStoreWriteFilter(writable ? +[](const char*, const char*) { ++tried; return true; }
                                 : +[](const char*, const char*) { ++tried; return false; });
    ClearStore();
    EXPECT_EQ(SaveOptions(AppOptions, OptionRecords), 1);
    if (writable) writes = tried;
    EXPECT_EQ(tried, writes);
    EXPECT_EQ(ProductKeyExists(), writable);
  }
  SetStoreWriteFilter(nullptr);
  ClearStore();
}

// The fixture's load ran without a product key: a first run. (The stored defaults are checked
// from outside by the process tests.)
TEST_F(SettingsStoreTest, AFirstRunFillsInItsDefaultsAndTheMachineWideEntries) {
  EXPECT_TRUE(ProductKeyExists());
  const LONG width = ScreenRect.right, height = ScreenRect.bottom;
  const PlacementRecord& frame = AppOptions.Window;
  EXPECT_EQ(std::vector<LONG>({frame.Top, frame.Left, frame.Height, frame.Width}),
            std::vector<LONG>({(height - 400) / 2, (width - 640) / 2, 400, 640}));
  const struct {
    const char* folder;
    int index;
    const char* path;
  } sysEdit[] = {{"D:\\WIN\\", 0, "d:\\config.sys"},
                 {"D:\\WIN\\", 7, "d:\\win\\system.ini"},
                 {"\\\\server\\win", 1, "\\autoexec.bat"}};
  for (const auto& c : sysEdit) {
    char path[kPathCapacity];
    EXPECT_TRUE(SysEditDefault(c.index, c.folder, path));
    EXPECT_STREQ(path, c.path);
  }
  char path[kPathCapacity];
  EXPECT_FALSE(SysEditDefault(5, std::string(250, 'x').c_str(), path));

  EXPECT_EQ(MachineText("Software\\Veldmark\\Norvel for Windows 95/NT\\Version", nullptr), "v3.7");
  char entry[16] = "";
  GetProfileStringA("Veldmark", kProgramName, "", entry, sizeof entry);
  EXPECT_STREQ(entry, "v3.7");
  const char* appPaths = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";
  const struct {
    const char* program;
    const char* key;
    const char* folder;
    const char* help;
  } machine[] = {{"c:\\norvel.exe", "NORVEL.EXE", "c:\\", "norvel.hlp"},
                 {"c:\\my tools\\ed.v2.exe", "ED.V2.EXE", "c:\\my tools", "ed.v2.hlp"}};
  for (const auto& c : machine) {
    RefreshRegistrations(kProgramName, kProgramVersion, c.program);
    EXPECT_EQ(MachineText(std::string(appPaths) + c.key, nullptr), c.program);
    EXPECT_EQ(MachineText(std::string(appPaths) + c.key, "Path"), c.folder);
    EXPECT_EQ(MachineText("Software\\Microsoft\\Windows\\Help", c.help), c.folder);
  }
}

// [Portable] Enabled=1 beside the program: no product key, nothing machine-wide, first-run
// defaults, and the toolbar layouts kept in the INI file.
TEST_F(SettingsStoreTest, APortableCopyKeepsEverythingInItsIniFile) {
  const struct {
    const char* ini;
    bool portable;
  } choices[] = {{nullptr, false},
                 {"[Portable]\r\nEnabled=0\r\n", false},
                 {"[Portable]\r\nEnabled=yes\r\n", false},
                 {"[Other]\rEnabled=1", false},
                 {"[Portable]\rEnabled=1", true},
                 {"[Portable]\r\nEnabled=1\r\n", true}};
  for (const auto& c : choices) {
    ClearStore();
    if (c.ini) WriteBytes(IniPath, c.ini);
    ChooseSettingsStore();
    EXPECT_EQ(ProductKeyPath[0] == '\0', c.portable) << (c.ini ? c.ini : "no file");
  }
  const std::string appPath =
      "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\NORVEL_TESTS.EXE";
  RegDeleteTreeA(HKEY_LOCAL_MACHINE, appPath.c_str());
  WriteProfileStringA("Veldmark", nullptr, nullptr);
  LoadOptions(AppOptions, OptionRecords);
  EXPECT_EQ(AppOptions.Window.Width, 640);
  ASSERT_NE(StartFrame(), nullptr);
  EXPECT_EQ(SendMessageA(ToolbarWindow, TB_DELETEBUTTON, 1, 0), TRUE);
  NMHDR header = {ToolbarWindow, IDC_TOOLBAR, TBN_ENDADJUST};
  SendMessageA(frame_, WM_NOTIFY, IDC_TOOLBAR, reinterpret_cast<LPARAM>(&header));
  char status[64] = "";
  SendMessageA(StatusBar, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(status));
  EXPECT_STREQ(status, "Options saved");
  EXPECT_EQ(ReadIniFile(IniPath)["DeskTop\\Window\\ToolBar"].size(), 2u);  // both layouts
  EXPECT_FALSE(ReadRegistryTree(HKEY_CURRENT_USER, kProductKey).size());
  EXPECT_EQ(MachineText(appPath, nullptr), "<missing>");
  char entry[16] = "";
  GetProfileStringA("Veldmark", kProgramName, "<missing>", entry, sizeof entry);
  EXPECT_STREQ(entry, "<missing>");
  EXPECT_EQ(ReadIniFile(IniPath).count("Options\\PageSetup"), 1u);
  lstrcpynA(ProductKeyPath, kProductKey, sizeof ProductKeyPath);
  DeleteFileA(IniPath);
}

}  // namespace
