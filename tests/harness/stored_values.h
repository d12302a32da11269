// The settings as they lie in the registry or an INI file, read from outside the program.
#pragma once
#include <windows.h>

#include <map>
#include <string>
#include <vector>

// type: 's' REG_SZ, 'd' REG_DWORD (data in decimal, unsigned), '?' any other, 't' an INI text.
struct StoredValue {
  std::string name;
  char type;
  std::string data;
};
// By section (the key path below the root key, or the INI section), values in stored order.
using StoredValues = std::map<std::string, std::vector<StoredValue>>;

StoredValues ReadRegistryTree(HKEY root, const std::string& path);
StoredValues ReadIniFile(const std::string& path);
// One line per value, "section\\name=type:data", for comparisons that show what differs.
std::string ToText(const StoredValues& values);
