// Timestamps: the WIN.INI "Intl" values as the formatters read them, and the bytes that Insert
// Date puts at the caret for each choice of the Time Stamp options.
#include <string>
#include <utility>
#include <vector>

#include "document_fixture.h"
#include "editing/timestamp.h"
#include "resources/resource.h"

namespace {

// Wednesday, 30 September 1998, 21:05.
std::tm WorkedExampleTime() {
  std::tm time = {};
  time.tm_year = 98;
  time.tm_mon = 8;
  time.tm_mday = 30;
  time.tm_wday = 3;
  time.tm_hour = 21;
  time.tm_min = 5;
  return time;
}

// Sets "Intl" values for one test and puts back what was there (or removes what was not).
class IntlValues {
 public:
  ~IntlValues() {
    for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
      WriteProfileStringA("Intl", it->first.c_str(),
                          it->second.missing ? nullptr : it->second.text.c_str());
    }
  }
  void Set(const char* key, const char* value) {
    char old[256];
    GetProfileStringA("Intl", key, "\x01", old, sizeof old);
    saved_.push_back({key, {old, std::string(old) == "\x01"}});
    ASSERT_TRUE(WriteProfileStringA("Intl", key, value));
  }

 private:
  struct Old {
    std::string text;
    bool missing;
  };
  std::vector<std::pair<std::string, Old>> saved_;
};

TEST(Timestamp, ReadsTheIntlValuesWithTheirDefaults) {
  const std::tm time = WorkedExampleTime();
  IntlValues intl;
  for (const char* key : {"sLongDate", "sShortDate", "sDate", "iTime", "iTLZero", "s2359"}) {
    intl.Set(key, nullptr);
  }
  EXPECT_STREQ(FormatDateText(&time, 1, nullptr), "Wed Sep 30 1998 ");
  EXPECT_STREQ(FormatDateText(&time, 0, nullptr), "09 /30 /98 ");
  EXPECT_STREQ(FormatTimeText(&time, nullptr), "9:05");

  intl.Set("sShortDate", "d\xB7M\xB7yy");
  intl.Set("sDate", "\xB7");
  intl.Set("sTime", "");
  intl.Set("iTime", "1");
  char date[kStampCapacity] = "";
  char time24[kStampCapacity] = "";
  const char* kept = FormatDateText(&time, 0, date);
  EXPECT_STREQ(date,
               "30 \xB7"
               "9 \xB7"
               "98 ");
  EXPECT_EQ(FormatTimeText(&time, time24), std::string("2105"));
  EXPECT_STREQ(time24, "2105");
  EXPECT_STREQ(kept, date);  // the process-wide date text lives on after the time is made
}

using TimestampTest = DocumentFixture;

TEST_F(TimestampTest, InsertDatePutsTheChosenTextsAtTheCaret) {
  IntlValues intl;
  intl.Set("sLongDate", "ddd, mmm d, yyyy");
  intl.Set("sShortDate", "M/d/yy");
  intl.Set("sDate", "/");
  intl.Set("sTime", ":");
  intl.Set("iTime", "0");
  intl.Set("iTLZero", "0");
  intl.Set("s2359", "PM");
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
    AppOptions.ShowDate = c.showDate;
    AppOptions.LongDate = c.longDate;
    AppOptions.ShowTime = c.showTime;
    AppOptions.DateFirst = c.dateFirst;
    HWND document = New();
    Type(document, "[x]");
    SetEditSelection(DocEditControl(document), 1, 2);
    Command(IDM_INSERTDATE);
    EXPECT_EQ(Text(document), "[" + c.inserted + "]");
    Command(IDM_UNDO);  // one step takes it back
    EXPECT_EQ(Text(document), "[x]");
  }
  // A document that is only viewed is left alone.
  HWND viewed = Open(folder_.Write("viewed.txt", "seen"), 1);
  Command(IDM_INSERTDATE);
  EXPECT_EQ(Text(viewed), "seen");
  SetTimestampClock(nullptr);
  EXPECT_TRUE(beeps_.empty());
}

}  // namespace
