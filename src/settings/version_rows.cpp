// Version rows: the string names, their fallbacks, and the two code pages tried in turn.
#include "settings/version_rows.h"

#include <cstdio>
#include <memory>

#include "resources/resource.h"
#include "ui/message_dialogs.h"

namespace {

struct VersionRow {
  const char* name;
  UINT fallbackId;  // 0: the built-in text
};

const VersionRow kRows[kVersionRowCount] = {
    {"ProductName", IDS_PRODUCT_NAME},
    {"LegalCopyright", IDS_LEGAL_NOTICE},
    {"FileDescription", IDS_DESCRIPTION},
    {"FileVersion", IDS_VERSION_TEXT},
    {"Release", 0},
};
constexpr const char* kReleaseNotice = "Norvel is freeware: copy it and give it away freely.";
constexpr WORD kCodePages[] = {1252, 1200};

bool QueryRow(const void* data, LANGID language, const char* name, char (&row)[kPathCapacity]) {
  for (WORD codePage : kCodePages) {
    char query[64];
    std::snprintf(query, sizeof query, "\\StringFileInfo\\%04X%04X\\%s", language, codePage, name);
    char* text = nullptr;
    UINT length = 0;
    if (VerQueryValueA(data, query, reinterpret_cast<void**>(&text), &length) && text && length) {
      lstrcpynA(row, text, sizeof row);
      return true;
    }
  }
  return false;
}

}  // namespace

int ReadVersionRows(const char* file, LANGID language, VersionRows& rows) {
  for (auto& row : rows) row[0] = '\0';
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(file, &ignored);
  if (size == 0) return 0;
  std::unique_ptr<char[]> data(new (std::nothrow) char[size]);
  if (!data || !GetFileVersionInfoA(file, 0, size, data.get())) return 0;
  for (int i = 0; i < kVersionRowCount; ++i) {
    if (QueryRow(data.get(), language, kRows[i].name, rows[i])) continue;
    if (kRows[i].fallbackId) {
      GetString(rows[i], kRows[i].fallbackId);
    } else {
      lstrcpynA(rows[i], kReleaseNotice, sizeof rows[i]);
    }
  }
  return 1;
}
