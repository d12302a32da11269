// The recent-file list of the options record.
#include "settings/recent_files.h"

#include <windows.h>

#include <cstring>

void AddRecentFile(const char* name, AppOptionsRecord& options) {
  // The name may be one of the slots themselves: copy it before anything moves.
  char entry[kPathCapacity];
  lstrcpynA(entry, name, sizeof entry);
  auto& slots = options.RecentFiles;
  int match = kListSlots - 1;  // no match: the ninth entry is dropped
  for (int i = 0; i < kListSlots; ++i) {
    if (lstrcmpiA(slots[i], entry) == 0) {
      match = i;
      break;
    }
  }
  for (int i = match; i > 0; --i) std::memcpy(slots[i], slots[i - 1], sizeof slots[i]);
  lstrcpynA(slots[0], entry, sizeof slots[0]);
}

void RemoveRecentFile(int index, AppOptionsRecord& options) {
  if (index < 0 || index >= kListSlots) return;
  auto& slots = options.RecentFiles;
  for (int i = index; i < kListSlots - 1; ++i) std::memcpy(slots[i], slots[i + 1], sizeof slots[i]);
  std::memset(slots[kListSlots - 1], 0, sizeof slots[kListSlots - 1]);
}
