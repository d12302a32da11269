// The settings store: every value comes back from a save and a load in both back ends, bad
// values read their defaults, a first run fills in the machine-wide entries, and an INI file
// beside the program chooses portable use.
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
  const auto find = [] {
    char text[kPathCapacity];
    ReadString("Options\\Search", "Find", "default", text, sizeof text);
    return std::string(text);
  };
  const auto tabs = [] { return std::to_string(ReadNumber("Options", "Tabs", 4)); };
  const auto loadedTabs = [] {
    LoadOptions(AppOptions, OptionRecords);
    return std::to_string(AppOptions.Tabs);
  };
  const auto ini = [](const std::string& bytes) {
    return [bytes] { UseRegistry(false), WriteIni(bytes); };
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
      {"tabs 0", [] { Put("Options", "Tabs", REG_DWORD, Number(0)); }, loadedTabs, "4"},
      {"tabs 17", [] { Put("Options", "Tabs", REG_DWORD, Number(17)); }, loadedTabs, "4"},
      {"tabs -1", [] { Put("Options", "Tabs", REG_DWORD, Number(0xFFFFFFFF)); }, loadedTabs, "4"},
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
    LoadOptions(AppOptions, OptionRecords);
    c.arrange();
    EXPECT_EQ(c.read(), c.expected);
  }
  UseRegistry(true);
  ClearStore();
}

// The fixture's start was a first run: the product key and the machine-wide entries are there.
TEST_F(SettingsStoreTest, AFirstRunFillsInTheMachineWideEntries) {
  EXPECT_TRUE(ProductKeyExists());
  EXPECT_EQ(MachineText("Software\\Veldmark\\Norvel for Windows 95/NT\\Version", nullptr), "v3.7");
  const std::string appPaths = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";
  RefreshRegistrations(kProgramName, kProgramVersion, "c:\\my tools\\ed.v2.exe");
  EXPECT_EQ(MachineText(appPaths + "ED.V2.EXE", nullptr), "c:\\my tools\\ed.v2.exe");
  EXPECT_EQ(MachineText(appPaths + "ED.V2.EXE", "Path"), "c:\\my tools");
  RefreshRegistrations(kProgramName, kProgramVersion, "c:\\norvel.exe");  // a drive root
  EXPECT_EQ(MachineText(appPaths + "NORVEL.EXE", "Path"), "c:\\");
}

// [Portable] Enabled=1 beside the program. (What a portable copy writes:
// SettingsProcess.APortableCopyKeepsItsSettingsInItsIniFileOnly.)
TEST_F(SettingsStoreTest, APortableCopyIsChosenByItsIniFile) {
  const std::pair<const char*, bool> choices[] = {
      {nullptr, false},                        // no INI file
      {"[Portable]\r\nEnabled=0\r\n", false},  // switched off
      {"[Portable]\rEnabled=1", true}};        // lines ended by CR alone
  for (const auto& [ini, portable] : choices) {
    ClearStore();
    if (ini) WriteIni(ini);
    ChooseSettingsStore();
    EXPECT_EQ(ProductKeyPath[0] == '\0', portable) << (ini ? ini : "no file");
  }
  UseRegistry(true);
  DeleteFileA(IniPath);
}

}  // namespace
