// What the file properties window shows about one file, gathered in one place.
#pragma once
#include <windows.h>

#include <cstddef>
#include <cstdint>

#include "base/owned_handle.h"

constexpr int kRecordTextCapacity = 256;

struct FilePropertiesRecord {
  char name[kRecordTextCapacity];      // after the path's last backslash
  char location[kRecordTextCapacity];  // up to and including it
  char typeName[kRecordTextCapacity];
  char dosName[kRecordTextCapacity];  // the short 8.3 name, upper-cased
  IconOwner icon;
  uint64_t size;
  char sizeText[kRecordTextCapacity];
  DWORD archive, readOnly, system, hidden, directory;
  FILETIME created, accessed, modified;
  char createdText[kRecordTextCapacity];
  char modifiedText[kRecordTextCapacity];
  char accessedText[kRecordTextCapacity];
};

// Fills `record` for `path`; false when the file cannot be found (the record then stays empty).
bool GatherFileProperties(const char* path, FilePropertiesRecord& record);

// A file time in local time, as "Sunday, December 7, 1997 - 12:05 AM"; a zero time gives ""
// and false.
bool FormatFileTime(const FILETIME& time, char* out, size_t capacity);
