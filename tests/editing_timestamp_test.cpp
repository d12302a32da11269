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

// Sets "Intl" values (null: removes them) for one test, and puts back what was there.
struct IntlValues {
  void Set(const char* key, const char* value) {
    char old[256];
    GetProfileStringA("Intl", key, "\x01", old, sizeof old);
    saved.emplace_back(key, old);
    ASSERT_TRUE(WriteProfileStringA("Intl", key, value));
  }
  ~IntlValues() {
    for (const auto& [key, old] : saved)
      WriteProfileStringA("Intl", key.c_str(), old == "\x01" ? nullptr : old.c_str());
  }
  std::vector<std::pair<std::string, std::string>> saved;
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
  SetTimestampClock([] {  // Wednesday, 30 September 1998, 21:05
    std::tm time = {};
    time.tm_year = 98, time.tm_mon = 8, time.tm_mday = 30, time.tm_wday = 3;
    time.tm_hour = 21, time.tm_min = 5;
    return time;
  });
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
  HWND viewed = WriteAndOpen("viewed.txt", "seen", 1);  // only viewed: left alone
  Command(IDM_INSERTDATE);
  EXPECT_EQ(Text(viewed), "seen");
  SetTimestampClock(nullptr);
  EXPECT_TRUE(beeps_.empty());
}

}  // namespace
