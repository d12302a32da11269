// Gathering what the file properties window shows about a file.
#include "files/file_record.h"

#include <cstring>
#include <string>

#include "files/file_type.h"
#include "files/size_time_text.h"

namespace {

void Copy(char (&out)[kRecordTextCapacity], const char* text, size_t length) {
  if (length >= kRecordTextCapacity) length = kRecordTextCapacity - 1;
  std::memcpy(out, text, length);
  out[length] = '\0';
}

// The last part of the system's short name for `path`, or `name` when there is none.
void ShortNameOf(const char* path, const char* name, char (&out)[kRecordTextCapacity]) {
  std::string shortPath(MAX_PATH, '\0');
  DWORD length = GetShortPathNameA(path, shortPath.data(), static_cast<DWORD>(shortPath.size()));
  if (length >= shortPath.size()) {
    shortPath.assign(length, '\0');
    length = GetShortPathNameA(path, shortPath.data(), static_cast<DWORD>(shortPath.size()));
  }
  if (length == 0 || length >= shortPath.size()) {
    Copy(out, name, std::strlen(name));
  } else {
    shortPath.resize(length);
    const size_t slash = shortPath.rfind('\\');
    const std::string last = slash == std::string::npos ? shortPath : shortPath.substr(slash + 1);
    Copy(out, last.c_str(), last.empty() ? 0 : last.size());
    if (!out[0]) Copy(out, name, std::strlen(name));
  }
  CharUpperA(out);
}

}  // namespace

bool FormatFileTime(const FILETIME& time, char* out, size_t capacity) {
  if (capacity) out[0] = '\0';
  if (time.dwLowDateTime == 0 && time.dwHighDateTime == 0) return false;
  FILETIME local;
  SYSTEMTIME clock;
  if (!FileTimeToLocalFileTime(&time, &local) || !FileTimeToSystemTime(&local, &clock)) {
    return false;
  }
  const CalendarTime calendar = {clock.wYear, clock.wMonth, clock.wDayOfWeek,
                                 clock.wDay,  clock.wHour,  clock.wMinute};
  FormatClockText(calendar, out, capacity);
  return true;
}

bool GatherFileProperties(const char* path, FilePropertiesRecord& record) {
  record = FilePropertiesRecord();  // every field empty, the icon released
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!path || !GetFileAttributesExA(path, GetFileExInfoStandard, &data)) return false;

  const char* slash = std::strrchr(path, '\\');
  const char* name = slash ? slash + 1 : path + std::strlen(path);
  Copy(record.name, name, std::strlen(name));
  Copy(record.location, path, static_cast<size_t>(name - path));
  record.icon = LookupFileType(ExtensionOf(path), record.typeName, sizeof record.typeName);
  ShortNameOf(path, record.name, record.dosName);

  record.size = static_cast<uint64_t>(data.nFileSizeHigh) << 32 | data.nFileSizeLow;
  FormatSizeText(record.size, record.sizeText, sizeof record.sizeText);
  const DWORD attributes = data.dwFileAttributes;
  record.archive = (attributes & FILE_ATTRIBUTE_ARCHIVE) != 0;
  record.readOnly = (attributes & FILE_ATTRIBUTE_READONLY) != 0;
  record.system = (attributes & FILE_ATTRIBUTE_SYSTEM) != 0;
  record.hidden = (attributes & FILE_ATTRIBUTE_HIDDEN) != 0;
  record.directory = (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  record.created = data.ftCreationTime;
  record.accessed = data.ftLastAccessTime;
  record.modified = data.ftLastWriteTime;
  FormatFileTime(record.created, record.createdText, sizeof record.createdText);
  FormatFileTime(record.modified, record.modifiedText, sizeof record.modifiedText);
  FormatFileTime(record.accessed, record.accessedText, sizeof record.accessedText);
  return true;
}
