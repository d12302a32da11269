// The recent-file list: moving an entry up, dropping the ninth, keeping the new spelling.
#include <string>

#include "harness/harness.h"
#include "settings/recent_files.h"

namespace {

TEST(RecentFiles, AnEntryMovesToTheTopAndOnlyTheSlotsAboveItShift) {
  AppOptionsRecord options{};
  for (const char* name : {"c:\\a.txt", "2", "3", "4", "5", "6", "7", "8"})
    AddRecentFile(name, options);
  // Each name added in turn, and the nine slots afterwards.
  const std::pair<const char*, const char*> steps[] = {
      {"9", "9|8|7|6|5|4|3|2|c:\\a.txt"},  // empty slots filled from the top
      {"4", "4|9|8|7|6|5|3|2|c:\\a.txt"},
      {"new", "new|4|9|8|7|6|5|3|2"},  // all nine used: the ninth is dropped
      {"NEW", "NEW|4|9|8|7|6|5|3|2"},  // the first in another case: only its spelling
      {"2", "2|NEW|4|9|8|7|6|5|3"},    // the last slot moves up too
      {options.RecentFiles[1], "NEW|2|4|9|8|7|6|5|3"},  // reopened from the list itself
  };
  for (const auto& [name, expected] : steps) {
    AddRecentFile(name, options);
    std::string slots = options.RecentFiles[0];
    for (int i = 1; i < kListSlots; ++i) slots += std::string("|") + options.RecentFiles[i];
    EXPECT_EQ(slots, expected) << name;
  }
  // An over-long name is cut to 255 characters, never overrun.
  AddRecentFile(std::string(400, 'x').c_str(), options);
  EXPECT_EQ(std::string(options.RecentFiles[0]), std::string(255, 'x'));
}

}  // namespace
