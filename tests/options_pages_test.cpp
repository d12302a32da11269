// The Printing and Time Stamp pages of the options sheet: the Printing page's template, what the
// pages' controls put into the sheet's copy, and the Printing page's header check.
#include <cstdio>
#include <string>
#include <vector>

#include "editing/timestamp.h"
#include "frame_fixture.h"
#include "options/options_page.h"
#include "options/options_sheet.h"
#include "options/page_setup_template.h"
#include "options/page_template.h"
#include "options/time_stamp_page.h"
#include "resources/resource.h"

namespace {

// Little-endian 16-bit words, then a text widened byte by byte with its terminator.
std::string Words(std::vector<unsigned> words, const char* text) {
  std::string bytes;
  for (unsigned char c : std::string(text)) words.push_back(c);
  words.push_back(0);
  for (unsigned w : words) bytes += {char(w & 0xFF), char(w >> 8)};
  return bytes;
}

TEST(PrintingPage, TemplateBytes) {
  std::string block(kPageTemplateSize, '\0');
  ASSERT_GT(WritePageSetupTemplate(&block[0], block.size()), 0u);
  EXPECT_EQ(0u, block.find(Words({0xC0, 0x90C0, 0, 0, 27, 0, 0, 320, 172, 0, 0}, "Printing") +
                           Words({8}, "MS Sans Serif")));
  const std::vector<unsigned> items[] = {
      // a few of the 27 items, each on a 4-byte boundary
      {0x120E, 0x5000, 0, 0, 7, 7, 104, 159, 0xFFFF, 0xFFFF, 0x82, '#', '1', '9', '9', '9'},
      {0x0080, 0x5081, 0, 0, 150, 20, 160, 12, 111, 0xFFFF, 0x81},
      {0x0003, 0x5000, 0, 0, 121, 141, 18, 20, 0xFFFF, 0xFFFF, 0x82, '#', '2', '7', '2', '0'},
      {0x0080, 0x5081, 0, 0, 245, 153, 30, 12, 103, 0xFFFF, 0x81}};
  for (const auto& item : items) {
    const size_t at = block.find(Words(item, ""));
    EXPECT_TRUE(at != std::string::npos && at % 4 == 0) << item[4] << "," << item[5];
  }
  DialogAnswerer answerer;  // out of memory: the user reads why, the sheet gets nothing
  answerer.PressButton(IDOK);
  FailNextGlobalAllocations(1);
  EXPECT_FALSE(BuildPageSetupTemplate());
  EXPECT_EQ("\rCannot allocate memory for Dialog Template\r\rSize: 4098 bytes requested",
            answerer.Last().ControlText(101));
}

std::string shellCall;
using OptionsPagesTest = FrameFixture;

TEST_F(OptionsPagesTest, PrintingAndTimeStampPagesStoreWhatTheControlsSay) {
  ASSERT_NE(StartFrame(), nullptr);
  PageSetupRecord& stored = AppOptions.PageSetup;
  lstrcpyA(stored.Header, "H");
  stored.LeftMargin = 1225;
  SetTimestampClock([] { return std::tm{}; });  // a fixed time: the example cannot move on
  const std::string date = FormatDateText(nullptr, 1, nullptr);
  const std::string shortDate = FormatDateText(nullptr, 0, nullptr);
  const std::string time = FormatTimeText(nullptr, nullptr);
  AppOptions.ShowDate = AppOptions.LongDate = AppOptions.ShowTime = AppOptions.DateFirst = 1;
  // Time Stamp page, after each click: the example enabled (+) or not (-); boxes 101, 102, 103,
  // 111, 112 and 113 ticked (x) or not (o), capital when disabled; the example's text.
  const std::pair<int, std::string> steps[] = {
      {0, "+xxoxxo " + date + "  " + time},        {113, "+xxoxox " + time + "  " + date},
      {103, "+xoxxox " + time + "  " + shortDate}, {111, "+xoxoOX " + shortDate},
      {101, "-oOXoOX " + time + "  " + shortDate}, {111, "+oOXxOX " + time},
      {101, "+xoxxox " + time + "  " + shortDate}, {112, "+xoxxxo " + shortDate + "  " + time},
      {102, "+xxoxxo " + date + "  " + time},
  };
  SetShellOpenFunction(
      [](HWND, const char* verb, const char* file, const char* parameters, const char*, int show) {
        shellCall = std::string(verb) + "|" + file + "|" + parameters + "|" + std::to_string(show);
        return HINSTANCE(nullptr);
      });
  DialogAnswerer answerer;
  answerer.Run([&](HWND sheet, DialogAnswerer&) {
    HWND page = PropSheet_GetCurrentPageHwnd(sheet);
    const PageSetupRecord& copy = *PageData<PageSetupRecord>(page);
    EXPECT_EQ("1.23", DialogAnswerer::Read(page).ControlText(102));
    const std::pair<int, const char*> fields[] = {{101, "0.75"}, {102, "1.2345"}, {103, "abc"},
                                                  {104, "-1"},   {111, ""},       {121, "Pg $P"}};
    for (const auto& f : fields) DialogAnswerer::SetControlText(page, f.first, f.second);
    DialogAnswerer::Click(page, 113);
    PropSheet_SetCurSel(sheet, nullptr, kTimeStampPage);  // refused: the ticked header is empty
    EXPECT_EQ(page, PropSheet_GetCurrentPageHwnd(sheet));
    // The stored header is back; CenterHeader, read before the check, is kept; the margins not.
    EXPECT_EQ("H 0 500", DialogAnswerer::Read(page).ControlText(111) + " " +
                             std::to_string(copy.CenterHeader) + " " +
                             std::to_string(copy.TopMargin));
    DialogAnswerer::SetControlText(page, 111, "");
    DialogAnswerer::Click(page, 112);  // an unticked header may be empty
    DialogAnswerer::Click(page, 122);
    PropSheet_SetCurSel(sheet, nullptr, kTimeStampPage);
    page = PropSheet_GetCurrentPageHwnd(sheet);
    for (const auto& step : steps) {
      if (step.first) DialogAnswerer::Click(page, step.first);
      std::string states = IsWindowEnabled(GetDlgItem(page, 100)) ? "+" : "-";
      for (int id : {101, 102, 103, 111, 112, 113}) {
        const char c = IsDlgButtonChecked(page, id) ? 'x' : 'o';
        states += IsWindowEnabled(GetDlgItem(page, id)) ? c : char(c - 32);
      }
      EXPECT_EQ(step.second, states + " " + DialogAnswerer::Read(page).ControlText(100));
    }
    DialogAnswerer::Click(page, IDC_STAMP_REGIONAL);
    PropSheet_PressButton(sheet, PSBTN_OK);
  });
  answerer.PressButton(IDOK);
  Command(IDM_PAGESETUP);
  SetShellOpenFunction(nullptr);
  SetTimestampClock(nullptr);
  ASSERT_EQ(2u, answerer.Count());
  EXPECT_EQ(
      "Page Setup Error:\r\rPlease specify the header text to be printed\ror uncheck the "
      "Print Header checkbox",
      answerer.Seen()[1].title + ":" + answerer.Seen()[1].ControlText(101));
  char got[600];
  std::snprintf(got, sizeof got, "%ld %ld %ld %ld %lu%lu%lu%lu %s|%s", stored.TopMargin,
                stored.LeftMargin, stored.BottomMargin, stored.RightMargin, stored.ShowHeader,
                stored.CenterHeader, stored.ShowFooter, stored.CenterFooter, stored.Header,
                stored.Footer);
  EXPECT_STREQ("750 1234 0 -1000 0001 |Pg $P", got);
  char system[MAX_PATH];
  const std::string folder(system, GetSystemDirectoryA(system, MAX_PATH));
  EXPECT_EQ("Open|" + folder + "\\Control.exe|" + folder + "\\Intl.cpl|1", shellCall);
}

}  // namespace
