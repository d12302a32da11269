// The recent-file list: moving an entry up, dropping the ninth, keeping the new spelling.
#include <string>
#include <vector>

#include "harness/harness.h"
#include "settings/recent_files.h"

namespace {

std::vector<std::string> Slots(const AppOptionsRecord& options) {
  std::vector<std::string> slots;
  for (const auto& slot : options.RecentFiles) slots.emplace_back(slot);
  return slots;
}

void Fill(AppOptionsRecord& options, std::vector<std::string> names) {
  names.resize(kListSlots);
  for (int i = 0; i < kListSlots; ++i) lstrcpyA(options.RecentFiles[i], names[i].c_str());
}

TEST(RecentFiles, AnEntryMovesToTheTopAndOnlyTheSlotsAboveItShift) {
  AppOptionsRecord options{};
  Fill(options, {"1", "2", "3", "4", "5", "6", "7", "8", "9"});
  AddRecentFile("4", options);
  EXPECT_EQ(Slots(options),
            (std::vector<std::string>{"4", "1", "2", "3", "5", "6", "7", "8", "9"}));

  // A new name with all nine used drops the ninth.
  AddRecentFile("new", options);
  EXPECT_EQ(Slots(options),
            (std::vector<std::string>{"new", "4", "1", "2", "3", "5", "6", "7", "8"}));

  // The first entry in another letter case: only its spelling changes.
  AddRecentFile("NEW", options);
  EXPECT_EQ(Slots(options),
            (std::vector<std::string>{"NEW", "4", "1", "2", "3", "5", "6", "7", "8"}));

  // The last slot moves up too.
  AddRecentFile("8", options);
  EXPECT_EQ(Slots(options),
            (std::vector<std::string>{"8", "NEW", "4", "1", "2", "3", "5", "6", "7"}));
}

TEST(RecentFiles, EmptySlotsFillFromTheTopAndASlotMayBeTheNameItself) {
  AppOptionsRecord options{};
  AddRecentFile("c:\\a.txt", options);
  AddRecentFile("c:\\b.txt", options);
  EXPECT_EQ(Slots(options),
            (std::vector<std::string>{"c:\\b.txt", "c:\\a.txt", "", "", "", "", "", "", ""}));
  // Reopening from the list passes the slot's own text.
  AddRecentFile(options.RecentFiles[1], options);
  EXPECT_EQ(Slots(options),
            (std::vector<std::string>{"c:\\a.txt", "c:\\b.txt", "", "", "", "", "", "", ""}));
  // An over-long name is cut to 255 characters, never overrun.
  AddRecentFile(std::string(400, 'x').c_str(), options);
  EXPECT_EQ(std::string(options.RecentFiles[0]), std::string(255, 'x'));
}

}  // namespace
