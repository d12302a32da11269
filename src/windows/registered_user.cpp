// The name and company Windows was registered to.
#include "windows/registered_user.h"

#include <windows.h>

#include <string>

namespace {

const char* const kVersionKeys[] = {"Software\\Microsoft\\Windows NT\\CurrentVersion",
                                    "Software\\Microsoft\\Windows\\CurrentVersion"};

// A text value of a machine key, cut to the buffer; empty when the key or value is missing.
void ReadMachineText(const char* keyName, const char* valueName,
                     char (&text)[kRegisteredTextCapacity]) {
  text[0] = '\0';
  HKEY key = nullptr;
  // A 32-bit build reads the same (64-bit) key a 64-bit Windows keeps the registration in.
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyName, 0, KEY_QUERY_VALUE | KEY_WOW64_64KEY, &key) !=
      ERROR_SUCCESS) {
    return;
  }
  DWORD type = 0;
  DWORD bytes = 0;
  if (RegQueryValueExA(key, valueName, nullptr, &type, nullptr, &bytes) == ERROR_SUCCESS &&
      (type == REG_SZ || type == REG_EXPAND_SZ) && bytes > 0) {
    std::string value(bytes + 1, '\0');
    if (RegQueryValueExA(key, valueName, nullptr, nullptr, reinterpret_cast<BYTE*>(&value[0]),
                         &bytes) == ERROR_SUCCESS) {
      lstrcpynA(text, value.c_str(), kRegisteredTextCapacity);
    }
  }
  RegCloseKey(key);
}

void ReadRegisteredText(const char* valueName, const char* profileName,
                        char (&text)[kRegisteredTextCapacity]) {
  for (const char* keyName : kVersionKeys) {
    ReadMachineText(keyName, valueName, text);
    if (text[0]) return;
  }
  GetProfileStringA("MS User Info", profileName, "", text, kRegisteredTextCapacity);
}

}  // namespace

bool GetRegisteredUser(char (&owner)[kRegisteredTextCapacity],
                       char (&organisation)[kRegisteredTextCapacity]) {
  ReadRegisteredText("RegisteredOwner", "DefName", owner);
  ReadRegisteredText("RegisteredOrganization", "DefCompany", organisation);
  return owner[0] || organisation[0];
}
