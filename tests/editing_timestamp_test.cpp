// Timestamps: the WIN.INI "Intl" values as the formatters read them, and the bytes that Insert
// Date puts at the caret for each choice of the Time Stamp options.
#include <ctime>
#include <string>
#include <utility>
#include <vector>

#include "document_fixture.h"
#include "editing/timestamp.h"
#include "resources/resource.h"

namespace {

std::tm WorkedExampleTime() {  // Wednesday, 30 September 1998, 21:05
  std::tm time = {};
  time.tm_year = 98, time.tm_mon = 8, time.tm_mday = 30, time.tm_wday = 3;
  time.tm_hour = 21, time.tm_min = 5;
  return time;
}

// Sets "Intl" values (null: removes them) for one test, and puts back what was there.
class IntlValues {
 public:
  ~IntlValues() {
    for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
      WriteProfileStringA("Intl", it->first.c_str(),
                          it->second == kMissing ? nullptr : it->second.c_str());
    }
  }
  void Set(const char* key, const char* value) {
    char old[256];
    GetProfileStringA("Intl", key, kMissing, old, sizeof old);
    saved_.emplace_back(key, old);
    ASSERT_TRUE(WriteProfileStringA("Intl", key, value));
  }

 private:
  static constexpr const char* kMissing = "\x01";
  std::vector<std::pair<std::string, std::string>> saved_;
};

using TimestampTest = DocumentFixture;

TEST_F(TimestampTest, InsertDatePutsTheChosenTextsAtTheCaret) {
  IntlValues intl;
  // Missing keys read as their defaults: the long picture "ddd, mmm d, yyyy", the date separator
  // "/", the 12-hour clock without a leading zero.
  const char* const values[][2] = {
      {"sLongDate", nullptr},   {"sDate", nullptr}, {"iTime", nullptr}, {"iTLZero", nullptr},
      {"sShortDate", "M/d/yy"}, {"sTime", ":"},     {"s2359", "PM"}};
  for (const auto& value : values) intl.Set(value[0], value[1]);
  SetTimestampClock(WorkedExampleTime);
  const struct {
    DWORD showDate, longDate, showTime, dateFirst;
    std::string inserted;
  } cases[] = {
      {1, 1, 1, 1, "Wed Sep 30 1998   9:05 PM"},
      {1, 0, 1, 0, "9:05 PM  9 /30 /98 "},
      {1, 1, 0, 1, "Wed Sep 30 1998 "},
      {0, 1, 0, 1, "9:05 PM"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.inserted);
    AppOptions.ShowDate = c.showDate, AppOptions.LongDate = c.longDate;
    AppOptions.ShowTime = c.showTime, AppOptions.DateFirst = c.dateFirst;
    HWND document = New();
    Type(document, "[x]");
    SetEditSelection(DocEditControl(document), 1, 2);
    Command(IDM_INSERTDATE);
    EXPECT_EQ(Text(document), "[" + c.inserted + "]");
    Command(IDM_UNDO);  // one step takes it back
    EXPECT_EQ(Text(document), "[x]");
  }
  // The texts stay in process-wide buffers and are copied out on request.
  const std::tm time = WorkedExampleTime();
  char date[kStampCapacity] = "";
  const char* kept = FormatDateText(&time, 0, date);
  EXPECT_STREQ(date, "9 /30 /98 ");
  EXPECT_STREQ(FormatTimeText(&time, nullptr), "9:05 PM");
  EXPECT_STREQ(kept, "9 /30 /98 ");
  HWND viewed = Open(folder_.Write("viewed.txt", "seen"), 1);  // only viewed: left alone
  Command(IDM_INSERTDATE);
  EXPECT_EQ(Text(viewed), "seen");
  SetTimestampClock(nullptr);
  EXPECT_TRUE(beeps_.empty());
}

}  // namespace
