// The settings store: every value comes back from a save and a load in both back ends, bad
// values read their defaults, a first run fills in the machine-wide entries, and portable use
// stays in its INI file.
#include <windows.h>

#include <fstream>
#include <functional>
#include <string>

#include "frame_fixture.h"
#include "harness/stored_values.h"
#include "settings/options_store.h"
#include "settings/registrations.h"
#include "settings/settings_store.h"

namespace {

using SettingsStoreTest = FrameFixture;

void UseRegistry(bool registry) {
  lstrcpynA(ProductKeyPath, registry ? kProductKey : "", sizeof ProductKeyPath);
}
StoredValues StoredSettings() {
  return ProductKeyPath[0] ? ReadRegistryTree(HKEY_CURRENT_USER, ProductKeyPath)
                           : ReadIniFile(IniPath);
}
void ClearStore() {
  RegDeleteTreeA(HKEY_CURRENT_USER, kProductKey);
  DeleteFileA(IniPath);
}
void WriteIni(const std::string& bytes) {
  std::ofstream(IniPath, std::ios::binary) << bytes;
}
// A value of the product key with exactly these bytes.
void Put(const char* section, const char* name, DWORD type, const std::string& bytes) {
  const std::string key = std::string(kProductKey) + "\\" + section;
  RegSetKeyValueA(HKEY_CURRENT_USER, key.c_str(), name, type, bytes.data(),
                  static_cast<DWORD>(bytes.size()));
}
std::string Number(DWORD number) {
  return std::string(reinterpret_cast<const char*>(&number), sizeof number);
}
std::string Text(const std::string& text) {
  return text + '\0';
}
std::string MachineText(const std::string& key, const char* name) {
  char text[MAX_PATH] = "<missing>";
  DWORD size = sizeof text;
  RegGetValueA(HKEY_LOCAL_MACHINE, key.c_str(), name, RRF_RT_REG_SZ, nullptr, text, &size);
  return text;
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
  for (bool registry : {true, false}) {
    SCOPED_TRACE(registry ? "registry" : "INI file");
    UseRegistry(registry);
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
        if (value.type == 'd') Put(section.c_str(), name, REG_DWORD, Number(std::stoul(data)));
        if (value.type == 's') Put(section.c_str(), name, REG_SZ, Text(data));
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
  const auto loaded = [&](const auto& field) {
    return [&] { return load(), std::to_string(field); };
  };
  const auto ini = [](const std::string& bytes) {
    return [bytes] { UseRegistry(false), WriteIni(bytes); };
  };
  const auto tabsStored = [](DWORD stored) {
    return [stored] { Put("Options", "Tabs", REG_DWORD, Number(stored)); };
  };
  const std::string longText(300, 'x');
  const struct {
    const char* what;
    std::function<void()> arrange;
    std::function<std::string()> read;
    std::string expected;
  } cases[] = {
      {"text for a number", [] { Put("Options", "Tabs", REG_SZ, Text("12")); }, tabs, "4"},
      {"number for a text", [] { Put("Options\\Search", "Find", REG_DWORD, Number(7)); }, find,
       "default"},
      {"text too long", [&] { Put("Options\\Search", "Find", REG_SZ, Text(longText)); }, find,
       "default"},
      {"text without NUL", [] { Put("Options\\Search", "Find", REG_SZ, "abc"); }, find, "abc"},
      {"flag 5", [] { Put("Options", "Backup", REG_DWORD, Number(5)); }, loaded(AppOptions.Backup),
       "1"},
      {"tabs 0", tabsStored(0), loaded(AppOptions.Tabs), "4"},
      {"tabs 1", tabsStored(1), loaded(AppOptions.Tabs), "1"},
      {"tabs 16", tabsStored(16), loaded(AppOptions.Tabs), "16"},
      {"tabs 17", tabsStored(17), loaded(AppOptions.Tabs), "4"},
      {"tabs -1", tabsStored(0xFFFFFFFF), loaded(AppOptions.Tabs), "4"},
      {"placements off screen",
       [] {
         Put("DeskTop\\Find", "Top", REG_DWORD, Number(-4));
         Put("DeskTop\\GoTo", "Top", REG_DWORD, Number(-5));
         Put("DeskTop\\Find", "Left", REG_DWORD, Number(5000));
         Put("DeskTop\\Property", "Top", REG_DWORD, Number(5000));
         Put("DeskTop\\Property", "Left", REG_DWORD, Number(-1));
       },
       [&] {
         load();
         std::string text;
         for (const auto* p : {&AppOptions.Find, &AppOptions.GoTo, &OptionRecords.Property})
           text += std::to_string(p->Top) + "," + std::to_string(p->Left) + " ";
         return text;
       },
       "-4,1245 0,35 989,0 "},
      {"missing section",
       [] {
         RegDeleteTreeA(HKEY_CURRENT_USER, (std::string(kProductKey) + "\\Options\\Sort").c_str());
         AppOptions.IgnoreCase = 0;
       },
       loaded(AppOptions.IgnoreCase), "1"},
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
    UseRegistry(true);
    ClearStore();
    load();
    c.arrange();
    EXPECT_EQ(c.read(), c.expected);
  }
  UseRegistry(true);

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

// The fixture's start was a first run: the product key and the machine-wide entries are there.
TEST_F(SettingsStoreTest, AFirstRunFillsInTheMachineWideEntries) {
  EXPECT_TRUE(ProductKeyExists());
  char path[kPathCapacity];
  EXPECT_TRUE(SysEditDefault(7, "D:\\WIN\\", path));
  EXPECT_STREQ(path, "d:\\win\\system.ini");
  EXPECT_TRUE(SysEditDefault(1, "\\\\server\\win", path));
  EXPECT_STREQ(path, "\\autoexec.bat");
  EXPECT_FALSE(SysEditDefault(5, std::string(250, 'x').c_str(), path));

  EXPECT_EQ(MachineText("Software\\Veldmark\\Norvel for Windows 95/NT\\Version", nullptr), "v3.7");
  char entry[16] = "";
  GetProfileStringA("Veldmark", kProgramName, "", entry, sizeof entry);
  EXPECT_STREQ(entry, "v3.7");
  const std::string appPaths = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";
  RefreshRegistrations(kProgramName, kProgramVersion, "c:\\my tools\\ed.v2.exe");
  EXPECT_EQ(MachineText(appPaths + "ED.V2.EXE", nullptr), "c:\\my tools\\ed.v2.exe");
  EXPECT_EQ(MachineText(appPaths + "ED.V2.EXE", "Path"), "c:\\my tools");
  EXPECT_EQ(MachineText("Software\\Microsoft\\Windows\\Help", "ed.v2.hlp"), "c:\\my tools");
  RefreshRegistrations(kProgramName, kProgramVersion, "c:\\norvel.exe");  // a drive root
  EXPECT_EQ(MachineText(appPaths + "NORVEL.EXE", "Path"), "c:\\");
}

// [Portable] Enabled=1 beside the program, and nothing machine-wide is written. (No product key
// and the toolbar layouts in the INI file: SettingsProcess.APortableCopyLeavesNoProductKey.)
TEST_F(SettingsStoreTest, APortableCopyIsChosenByItsIniFileAndWritesNothingMachineWide) {
  const std::pair<const char*, bool> choices[] = {{nullptr, false},
                                                  {"[Portable]\r\nEnabled=0\r\n", false},
                                                  {"[Other]\rEnabled=1", false},
                                                  {"[Portable]\rEnabled=1", true},
                                                  {"[Portable]\r\nEnabled=1\r\n", true}};
  for (const auto& [ini, portable] : choices) {
    ClearStore();
    if (ini) WriteIni(ini);
    ChooseSettingsStore();
    EXPECT_EQ(ProductKeyPath[0] == '\0', portable) << (ini ? ini : "no file");
  }
  const std::string appPath =
      "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\NORVEL_TESTS.EXE";
  RegDeleteTreeA(HKEY_LOCAL_MACHINE, appPath.c_str());
  WriteProfileStringA("Veldmark", nullptr, nullptr);
  LoadOptions(AppOptions, OptionRecords);
  ASSERT_NE(StartFrame(), nullptr);
  EXPECT_EQ(MachineText(appPath, nullptr), "<missing>");
  char entry[16] = "";
  GetProfileStringA("Veldmark", kProgramName, "<missing>", entry, sizeof entry);
  EXPECT_STREQ(entry, "<missing>");
  UseRegistry(true);
  DeleteFileA(IniPath);
}

}  // namespace
