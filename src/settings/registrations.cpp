// The program's name, version and location, recorded at every save.
#include "settings/registrations.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

#include "base/globals.h"
#include "settings/registry_key.h"
#include "settings/settings_store.h"

namespace {

constexpr const char* kAppPathsKey = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths";
constexpr const char* kHelpKey = "Software\\Microsoft\\Windows\\Help";

// The maker's entries under "Application": fixed texts, written and never read back.
const char* const kMakerInfo[][2] = {
    {"Author", "Norvel developers"},
    {"Company", "Veldmark"},
    {"Address", "Veldmark Software, Stationsplein 1"},
    {"Post Office", "Veldmark"},
    {"Telephone", "none"},
    {"CompuServe", "none"},
    {"AOL", "none"},
    {"WebSite", "https://norvel.example.org"},
    {"Email", "norvel@example.org"},
};

// Sets one string value (null name: the key's default value) of a machine-wide key.
void SetMachineString(const char* keyPath, const char* name, const char* text) {
  if (!StoreWriteAllowed(keyPath, name ? name : "")) return;
  HKEY key = nullptr;
  char noClass[] = "";
  if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, keyPath, 0, noClass, REG_OPTION_NON_VOLATILE,
                      KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS) {
    return;
  }
  RegistryKey owner(key);
  RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                 static_cast<DWORD>(std::strlen(text) + 1));
}

}  // namespace

void RefreshRegistrations(const char* name, const char* version, const char* programPath) {
  char key[512];
  std::snprintf(key, sizeof key, "Software\\Veldmark\\%s\\Version", name);
  SetMachineString(key, nullptr, version);

  // The folder keeps its backslash only at a drive root ("c:\").
  const char* fileName = std::strrchr(programPath, '\\');
  fileName = fileName ? fileName + 1 : programPath;
  char folder[MAX_PATH] = "";
  const size_t folderLength = static_cast<size_t>(fileName - programPath);
  if (folderLength < sizeof folder) {
    std::memcpy(folder, programPath, folderLength);
    folder[folderLength] = '\0';
    if (folderLength > 3) folder[folderLength - 1] = '\0';
  }

  char upperName[MAX_PATH];
  lstrcpynA(upperName, fileName, sizeof upperName);
  CharUpperA(upperName);
  std::snprintf(key, sizeof key, "%s\\%s", kAppPathsKey, upperName);
  SetMachineString(key, nullptr, programPath);
  SetMachineString(key, "Path", folder);

  char helpName[MAX_PATH];
  lstrcpynA(helpName, fileName, sizeof helpName - 4);
  char* dot = std::strrchr(helpName, '.');
  if (dot) *dot = '\0';
  std::strcat(helpName, ".hlp");
  CharLowerA(helpName);
  SetMachineString(kHelpKey, helpName, folder);
}

void WriteApplicationInfo(const char* name, const char* version) {
  // Portable use leaves the machine as it found it: only the INI file changes.
  const bool portable = ProductKeyPath[0] == '\0';
  if (!portable) {
    if (StoreWriteAllowed("Veldmark", name)) WriteProfileStringA("Veldmark", name, version);
    RefreshRegistrations(name, version, ProgramPath);
  }
  FlushProfile();
  WriteString("Application", "Program", name);
  WriteString("Application", "Version", version);
  for (const auto& entry : kMakerInfo) WriteString("Application", entry[0], entry[1]);
  FlushProfile();
}
