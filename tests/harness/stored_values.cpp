// Reads a registry tree or an INI file whole, without the program's settings store.
#include "harness/stored_values.h"

namespace {

void ReadKey(HKEY key, const std::string& section, StoredValues& values) {
  for (DWORD i = 0;; ++i) {
    char name[256];
    BYTE data[4096];
    DWORD nameLength = sizeof name, size = sizeof data, type = 0;
    if (RegEnumValueA(key, i, name, &nameLength, nullptr, &type, data, &size) != ERROR_SUCCESS) {
      break;
    }
    StoredValue value{name, '?', ""};
    if (type == REG_SZ) {
      value.type = 's';
      value.data.assign(reinterpret_cast<char*>(data),
                        size > 0 && !data[size - 1] ? size - 1 : size);
    } else if (type == REG_DWORD && size == 4) {
      value.type = 'd';
      value.data = std::to_string(*reinterpret_cast<DWORD*>(data));
    }
    values[section].push_back(value);
  }
  for (DWORD i = 0;; ++i) {
    char name[256];
    if (RegEnumKeyA(key, i, name, sizeof name) != ERROR_SUCCESS) break;
    HKEY child = nullptr;
    if (RegOpenKeyExA(key, name, 0, KEY_READ, &child) != ERROR_SUCCESS) continue;
    ReadKey(child, section.empty() ? name : section + "\\" + name, values);
    RegCloseKey(child);
  }
}

// A double-NUL-terminated list as strings.
std::vector<std::string> SplitList(const std::vector<char>& list) {
  std::vector<std::string> items;
  for (const char* item = list.data(); *item; item += items.back().size() + 1)
    items.emplace_back(item);
  return items;
}

}  // namespace

StoredValues ReadRegistryTree(HKEY root, const std::string& path) {
  StoredValues values;
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return values;
  ReadKey(key, "", values);
  RegCloseKey(key);
  return values;
}

StoredValues ReadIniFile(const std::string& path) {
  StoredValues values;
  std::vector<char> buffer(1 << 16, '\0');
  GetPrivateProfileSectionNamesA(buffer.data(), static_cast<DWORD>(buffer.size()), path.c_str());
  for (const std::string& section : SplitList(buffer)) {
    std::vector<char> lines(1 << 16, '\0');
    GetPrivateProfileSectionA(section.c_str(), lines.data(), static_cast<DWORD>(lines.size()),
                              path.c_str());
    for (const std::string& line : SplitList(lines)) {
      const size_t equals = line.find('=');
      values[section].push_back({line.substr(0, equals), 't',
                                 equals == std::string::npos ? "" : line.substr(equals + 1)});
    }
  }
  return values;
}

std::string ToText(const StoredValues& values) {
  std::string text;
  for (const auto& [section, list] : values) {
    for (const StoredValue& v : list)
      text += section + "\\" + v.name + "=" + v.type + ":" + v.data + "\n";
  }
  return text;
}
