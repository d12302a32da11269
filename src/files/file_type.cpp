// The shell's file-type registrations, read for the file properties window.
#include "files/file_type.h"

#include <shellapi.h>

#include <cstdlib>
#include <cstring>

#include "settings/registry_key.h"

namespace {

constexpr DWORD kValueCapacity = 256;
constexpr char kDefaultTypeName[] = "Document";

// The unnamed text value of `root`\`keyName`, environment references expanded; false when the
// key or the value is missing, not a text or empty.
bool ReadKeyValue(HKEY root, const char* keyName, char (&value)[kValueCapacity]) {
  HKEY opened = nullptr;
  if (RegOpenKeyExA(root, keyName, 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
  RegistryKey key(opened);
  char raw[kValueCapacity + 1] = "";
  DWORD type = 0;
  DWORD size = kValueCapacity;
  if (RegQueryValueExA(key.get(), nullptr, nullptr, &type, reinterpret_cast<BYTE*>(raw), &size) !=
          ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ)) {
    return false;
  }
  raw[size < kValueCapacity ? size : kValueCapacity] = '\0';  // a value stored without its NUL
  if (type == REG_EXPAND_SZ) {
    const DWORD length = ExpandEnvironmentStringsA(raw, value, kValueCapacity);
    if (length == 0 || length > kValueCapacity) return false;
  } else {
    lstrcpynA(value, raw, kValueCapacity);
  }
  return value[0] != '\0';
}

// A class key's value as Windows merges the user's registrations over the machine's: the
// user's own (HKEY_CURRENT_USER\Software\Classes) first, then HKEY_CLASSES_ROOT, which Wine
// does not merge by itself.
bool ReadClassValue(const char* keyName, char (&value)[kValueCapacity]) {
  char userKey[kValueCapacity + 32] = "Software\\Classes\\";
  lstrcpynA(userKey + lstrlenA(userKey), keyName, kValueCapacity);
  return ReadKeyValue(HKEY_CURRENT_USER, userKey, value) ||
         ReadKeyValue(HKEY_CLASSES_ROOT, keyName, value);
}

// The icon a DefaultIcon value "file,index" names; a negative index is a resource id, as the
// shell takes it.
IconOwner ExtractNamedIcon(char* value) {
  char* comma = std::strrchr(value, ',');
  if (!comma || comma == value || comma[1] == '\0') return IconOwner();
  *comma = '\0';
  char* end = nullptr;
  const long index = std::strtol(comma + 1, &end, 10);
  if (*end != '\0') return IconOwner();
  char* file = value;
  const size_t length = std::strlen(file);
  if (length >= 2 && file[0] == '"' && file[length - 1] == '"') {
    file[length - 1] = '\0';
    ++file;
  }
  // ExtractIconEx, not ExtractIcon: to the latter an index of -1 asks for the icon count.
  HICON icon = nullptr;
  ExtractIconExA(file, static_cast<int>(index), &icon, nullptr, 1);
  return IconOwner(icon);
}

}  // namespace

const char* ExtensionOf(const char* path) {
  const char* name = std::strrchr(path, '\\');
  name = name ? name + 1 : path;
  const char* dot = std::strrchr(name, '.');
  return dot ? dot : name + std::strlen(name);
}

IconOwner LookupFileType(const char* extension, char* typeName, size_t capacity) {
  char keyName[kValueCapacity + 2] = ".";
  lstrcpynA(keyName + (extension[0] == '.' ? 0 : 1), extension, kValueCapacity);
  char className[kValueCapacity];
  char value[kValueCapacity];
  if (extension[0] && ReadClassValue(keyName, className) && ReadClassValue(className, value)) {
    lstrcpynA(typeName, value, static_cast<int>(capacity));
    char iconKey[kValueCapacity + 16];
    lstrcpynA(iconKey, className, kValueCapacity);
    lstrcatA(iconKey, "\\DefaultIcon");
    if (ReadClassValue(iconKey, value)) {
      IconOwner icon = ExtractNamedIcon(value);
      if (icon) return icon;
    }
  }
  lstrcpynA(typeName, kDefaultTypeName, static_cast<int>(capacity));
  return IconOwner(CopyIcon(LoadIconA(nullptr, IDI_WINLOGO)));
}
