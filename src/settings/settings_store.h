// The settings store: string, flag and number values by section and value name. Each call goes
// to the registry below HKEY_CURRENT_USER\<ProductKeyPath>\<section>, or, while ProductKeyPath is
// empty, to the section of the same name in the INI file at IniPath. No handle is kept between
// calls (outside a SettingsReadBatch), and nothing is ever shown: a value that cannot be read
// gives the default, and a write that fails is ignored so that a save always runs to its end.
#pragma once
#include <windows.h>

// Copies the stored text, or `fallback`, into `destination` (always terminated within
// `capacity`). A registry value that is not a string, or does not fit, gives `fallback`.
int ReadString(const char* section, const char* name, const char* fallback, char* destination,
               DWORD capacity);
int WriteString(const char* section, const char* name, const char* text);
// 0 or 1; `fallback` (reduced to 0 or 1) when nothing readable as a number is stored.
DWORD ReadFlag(const char* section, const char* name, DWORD fallback);
int WriteFlag(const char* section, const char* name, DWORD value);
// The stored signed 32-bit number, or `fallback`.
LONG ReadNumber(const char* section, const char* name, LONG fallback);
int WriteNumber(const char* section, const char* name, LONG value);
// While one lives, the registry back end keeps the key of the section last read open, so that
// a section's values read one after another open it once.
class SettingsReadBatch {
 public:
  SettingsReadBatch();
  ~SettingsReadBatch();
  SettingsReadBatch(const SettingsReadBatch&) = delete;
  SettingsReadBatch& operator=(const SettingsReadBatch&) = delete;
};

// True when the product key can be opened for reading, and always in the INI back end.
bool ProductKeyExists();
// True when the INI file holds the section (the INI back end's counterpart of a key).
bool ProfileSectionExists(const char* section);
// Writes the INI file's cached changes to disk.
void FlushProfile();

// Whether the INI file beside the program asks for portable use: [Portable] Enabled=1.
bool PortableModeRequested();
// Sets ProductKeyPath at start-up: the product key, or empty for a portable copy.
void ChooseSettingsStore();

// Test seam around every write the store and the registrations make: a filter that returns
// false makes that write fail as an unwritable key would. Null lets every write through.
using StoreWriteFilter = bool (*)(const char* section, const char* name);
void SetStoreWriteFilter(StoreWriteFilter filter);
bool StoreWriteAllowed(const char* section, const char* name);
