// The recent-file list: moving an entry up, dropping the ninth, keeping the new spelling.
#include <string>

#include "harness/harness.h"
#include "settings/recent_files.h"

namespace {

// The nine slots, joined with "|".
std::string Slots(const AppOptionsRecord& options) {
  std::string slots = options.RecentFiles[0];
  for (int i = 1; i < kListSlots; ++i) slots += std::string("|") + options.RecentFiles[i];
  return slots;
}

TEST(RecentFiles, AnEntryMovesToTheTopAndOnlyTheSlotsAboveItShift) {
  AppOptionsRecord options{};
  // Each name added in turn, and the list afterwards.
  const std::pair<const char*, const char*> steps[] = {
      {"c:\\a.txt", "c:\\a.txt||||||||"},  // empty slots fill from the top
      {"2", "2|c:\\a.txt|||||||"},
      {"3", "3|2|c:\\a.txt||||||"},
      {"4", "4|3|2|c:\\a.txt|||||"},
      {"5", "5|4|3|2|c:\\a.txt||||"},
      {"6", "6|5|4|3|2|c:\\a.txt|||"},
      {"7", "7|6|5|4|3|2|c:\\a.txt||"},
      {"8", "8|7|6|5|4|3|2|c:\\a.txt|"},
      {"9", "9|8|7|6|5|4|3|2|c:\\a.txt"},
      {"4", "4|9|8|7|6|5|3|2|c:\\a.txt"},
      {"new", "new|4|9|8|7|6|5|3|2"},  // all nine used: the ninth is dropped
      {"NEW", "NEW|4|9|8|7|6|5|3|2"},  // the first in another case: only its spelling
      {"2", "2|NEW|4|9|8|7|6|5|3"},    // the last slot moves up too
  };
  for (const auto& [name, slots] : steps) {
    AddRecentFile(name, options);
    EXPECT_EQ(Slots(options), slots) << name;
  }
  // Reopening from the list passes the slot's own text.
  AddRecentFile(options.RecentFiles[1], options);
  EXPECT_EQ(Slots(options), "NEW|2|4|9|8|7|6|5|3");
  // An over-long name is cut to 255 characters, never overrun.
  AddRecentFile(std::string(400, 'x').c_str(), options);
  EXPECT_EQ(std::string(options.RecentFiles[0]), std::string(255, 'x'));
}

}  // namespace
