// The settings store's two back ends: the product key in the registry, or the INI file.
#include "settings/settings_store.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "base/file_checks.h"
#include "base/globals.h"
#include "settings/registry_key.h"

namespace {

StoreWriteFilter writeFilter = nullptr;

bool UsesRegistry() {
  return ProductKeyPath[0] != '\0';
}

// "<product key>\<section>"; false when it does not fit.
bool SectionKeyPath(const char* section, char (&path)[512]) {
  const int length = std::snprintf(path, sizeof path, "%s\\%s", ProductKeyPath, section);
  return length > 0 && length < static_cast<int>(sizeof path);
}

RegistryKey OpenSectionToRead(const char* section) {
  char path[512];
  HKEY key = nullptr;
  if (!SectionKeyPath(section, path) ||
      RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
    return RegistryKey();
  }
  return RegistryKey(key);
}

RegistryKey CreateSectionToWrite(const char* section) {
  char path[512];
  HKEY key = nullptr;
  char noClass[] = "";
  if (!SectionKeyPath(section, path) ||
      RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, noClass, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE,
                      nullptr, &key, nullptr) != ERROR_SUCCESS) {
    return RegistryKey();
  }
  return RegistryKey(key);
}

// The key a batch of reads keeps open: the last section read (its handle null when the section
// is missing). Each open and close is a round trip to the registry under Wine, two thirds of
// reading one value.
struct BatchKey {
  int depth = 0;
  bool held = false;
  char section[64] = "";
  RegistryKey key;
};
BatchKey batch;

// The key to read `section` from: the batch's, or one opened for this read alone into `owner`.
HKEY SectionToRead(const char* section, RegistryKey& owner) {
  if (batch.depth == 0 || std::strlen(section) >= sizeof batch.section) {
    owner = OpenSectionToRead(section);
    return owner.get();
  }
  if (!batch.held || std::strcmp(batch.section, section) != 0) {
    batch.key = OpenSectionToRead(section);
    lstrcpynA(batch.section, section, sizeof batch.section);
    batch.held = true;
  }
  return batch.key.get();
}

bool SetRegistryValue(const char* section, const char* name, DWORD type, const void* data,
                      DWORD size) {
  // A write may create the section a batch found missing.
  batch.held = false;
  batch.key.reset();
  RegistryKey key = CreateSectionToWrite(section);
  return key && RegSetValueExA(key.get(), name, 0, type, static_cast<const BYTE*>(data), size) ==
                    ERROR_SUCCESS;
}

// A REG_DWORD value; false when the key or value is missing or of another type.
bool QueryRegistryNumber(const char* section, const char* name, DWORD* number) {
  RegistryKey owner;
  HKEY key = SectionToRead(section, owner);
  if (!key) return false;
  DWORD type = 0;
  DWORD size = sizeof *number;
  return RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(number),
                          &size) == ERROR_SUCCESS &&
         type == REG_DWORD && size == sizeof *number;
}

// A REG_SZ value that fits `capacity` with its terminator.
bool QueryRegistryString(const char* section, const char* name, char* destination, DWORD capacity) {
  RegistryKey owner;
  HKEY key = SectionToRead(section, owner);
  if (!key || capacity == 0) return false;
  std::vector<char> buffer(capacity);
  DWORD type = 0;
  DWORD size = capacity;
  if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()),
                       &size) != ERROR_SUCCESS ||
      type != REG_SZ || size > capacity) {
    return false;
  }
  // A string stored without its terminator still needs room for one.
  if (size == 0 || buffer[size - 1] != '\0') {
    if (size == capacity) return false;
    buffer[size] = '\0';
  }
  lstrcpynA(destination, buffer.data(), static_cast<int>(capacity));
  return true;
}

// An INI value that reads as a 32-bit number: decimal, as "%u" writes it, or with a minus sign.
bool QueryProfileNumber(const char* section, const char* name, LONG* number) {
  char text[32] = "";
  GetPrivateProfileStringA(section, name, "", text, sizeof text, IniPath);
  const char* start = text;
  while (*start == ' ' || *start == '\t') ++start;
  if (*start == '\0') return false;
  char* end = nullptr;
  errno = 0;
  if (*start == '-') {
    const long long value = std::strtoll(start, &end, 10);
    if (value < -2147483648LL) return false;
    *number = static_cast<LONG>(value);
  } else {
    if (*start < '0' || *start > '9') return false;
    const unsigned long long value = std::strtoull(start, &end, 10);
    if (value > 0xFFFFFFFFULL) return false;
    *number = static_cast<LONG>(static_cast<DWORD>(value));
  }
  while (*end == ' ' || *end == '\t') ++end;
  return errno == 0 && *end == '\0';
}

bool WriteProfileValue(const char* section, const char* name, const char* text) {
  return WritePrivateProfileStringA(section, name, text, IniPath) != FALSE;
}

// An INI value is one line, trimmed of blanks and quotes at its ends. A text that would not
// survive that (a macro of several lines, blanks at an end) is written escaped behind a marker
// that no path can start with, since a colon cannot follow a folder name.
constexpr char kEscapedMarker[] = "\\text:";
constexpr size_t kMarkerLength = sizeof kEscapedMarker - 1;

bool NeedsEscape(const char* text) {
  const size_t length = std::strlen(text);
  if (length == 0) return false;
  const char first = text[0], last = text[length - 1];
  if (first == ' ' || first == '\t' || first == '"' || first == '\'' || last == ' ' ||
      last == '\t' || last == '"' || last == '\'' ||
      std::strncmp(text, kEscapedMarker, kMarkerLength) == 0) {
    return true;
  }
  return std::strpbrk(text, "\r\n") != nullptr;
}

std::string EscapeText(const char* text) {
  std::string escaped = kEscapedMarker;
  for (const char* c = text; *c; ++c) {
    switch (*c) {
      case '\r':
        escaped += "\\r";
        break;
      case '\n':
        escaped += "\\n";
        break;
      case '\t':
        escaped += "\\t";
        break;
      case '\\':
        escaped += "\\\\";
        break;
      case ' ':
        escaped += "\\s";
        break;
      case '"':
        escaped += "\\q";
        break;
      case '\'':
        escaped += "\\a";
        break;
      default:
        escaped += *c;
    }
  }
  return escaped;
}

// Undoes EscapeText in place when the value carries the marker.
void UnescapeText(char* text) {
  if (std::strncmp(text, kEscapedMarker, kMarkerLength) != 0) return;
  const char* from = text + kMarkerLength;
  char* to = text;
  for (; *from; ++from) {
    if (*from != '\\' || from[1] == '\0') {
      *to++ = *from;
      continue;
    }
    switch (*++from) {
      case 'r':
        *to++ = '\r';
        break;
      case 'n':
        *to++ = '\n';
        break;
      case 't':
        *to++ = '\t';
        break;
      case 's':
        *to++ = ' ';
        break;
      case 'q':
        *to++ = '"';
        break;
      case 'a':
        *to++ = '\'';
        break;
      default:
        *to++ = *from;
    }
  }
  *to = '\0';
}

void ReadProfileText(const char* section, const char* name, const char* fallback, char* destination,
                     DWORD capacity) {
  // Escaping at most doubles a text, so the raw value is read with room for that.
  std::vector<char> raw(static_cast<size_t>(capacity) * 2 + kMarkerLength);
  GetPrivateProfileStringA(section, name, fallback, raw.data(), static_cast<DWORD>(raw.size()),
                           IniPath);
  UnescapeText(raw.data());
  lstrcpynA(destination, raw.data(), static_cast<int>(capacity));
}

bool ReadStoredNumber(const char* section, const char* name, LONG* number) {
  if (!UsesRegistry()) return QueryProfileNumber(section, name, number);
  DWORD stored = 0;
  if (!QueryRegistryNumber(section, name, &stored)) return false;
  *number = static_cast<LONG>(stored);
  return true;
}

}  // namespace

SettingsReadBatch::SettingsReadBatch() {
  ++batch.depth;
}

SettingsReadBatch::~SettingsReadBatch() {
  if (--batch.depth > 0) return;
  batch.held = false;
  batch.key.reset();
}

void SetStoreWriteFilter(StoreWriteFilter filter) {
  writeFilter = filter;
}

bool StoreWriteAllowed(const char* section, const char* name) {
  return !writeFilter || writeFilter(section, name);
}

int ReadString(const char* section, const char* name, const char* fallback, char* destination,
               DWORD capacity) {
  if (capacity == 0) return 1;
  if (!UsesRegistry()) {
    ReadProfileText(section, name, fallback, destination, capacity);
  } else if (!QueryRegistryString(section, name, destination, capacity)) {
    lstrcpynA(destination, fallback, static_cast<int>(capacity));
  }
  return 1;
}

int WriteString(const char* section, const char* name, const char* text) {
  if (!StoreWriteAllowed(section, name)) return 1;
  if (UsesRegistry()) {
    SetRegistryValue(section, name, REG_SZ, text, lstrlenA(text) + 1);
  } else {
    WriteProfileValue(section, name, NeedsEscape(text) ? EscapeText(text).c_str() : text);
  }
  return 1;
}

DWORD ReadFlag(const char* section, const char* name, DWORD fallback) {
  LONG stored = 0;
  if (!ReadStoredNumber(section, name, &stored)) return fallback ? 1 : 0;
  return stored ? 1 : 0;
}

int WriteFlag(const char* section, const char* name, DWORD value) {
  if (!StoreWriteAllowed(section, name)) return 1;
  const DWORD flag = value ? 1 : 0;
  if (UsesRegistry()) {
    SetRegistryValue(section, name, REG_DWORD, &flag, sizeof flag);
  } else {
    char text[16];
    std::snprintf(text, sizeof text, "%d", static_cast<int>(flag));
    WriteProfileValue(section, name, text);
  }
  return 1;
}

LONG ReadNumber(const char* section, const char* name, LONG fallback) {
  LONG stored = 0;
  return ReadStoredNumber(section, name, &stored) ? stored : fallback;
}

int WriteNumber(const char* section, const char* name, LONG value) {
  if (!StoreWriteAllowed(section, name)) return 1;
  const DWORD number = static_cast<DWORD>(value);
  if (UsesRegistry()) {
    SetRegistryValue(section, name, REG_DWORD, &number, sizeof number);
  } else {
    char text[16];
    std::snprintf(text, sizeof text, "%lu", static_cast<unsigned long>(number));
    WriteProfileValue(section, name, text);
  }
  return 1;
}

bool ProductKeyExists() {
  if (!UsesRegistry()) return true;
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, ProductKeyPath, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
    return false;
  }
  RegistryKey owner(key);
  return true;
}

bool ProfileSectionExists(const char* section) {
  char names[64] = "";
  return GetPrivateProfileStringA(section, nullptr, "", names, sizeof names, IniPath) > 0;
}

void FlushProfile() {
  WritePrivateProfileStringA(nullptr, nullptr, nullptr, IniPath);
}

bool PortableModeRequested() {
  LONG enabled = 0;
  return IsExistingFile(IniPath) && QueryProfileNumber("Portable", "Enabled", &enabled) &&
         enabled == 1;
}

void ChooseSettingsStore() {
  lstrcpynA(ProductKeyPath, PortableModeRequested() ? "" : kProductKey, sizeof ProductKeyPath);
}
