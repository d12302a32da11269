// The Edit menu's text commands: conversions, delete, the clipboard through the real clipboard,
// Go To Line, macros and Insert Date with the WIN.INI "Intl" values as the formatters read them.
#include <ctime>
#include <iterator>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/globals.h"
#include "document_fixture.h"
#include "editing/timestamp.h"
#include "resources/resource.h"

namespace {

using EditingTest = DocumentFixture;

constexpr const char* kNoMessage = "-";  // what status part 0 holds before each command

std::string SelectedText(HWND document) {
  char text[64] = "";
  SendMessageA(DocEditControl(document), EM_GETSELTEXT, 0, reinterpret_cast<LPARAM>(text));
  return text;
}

TEST_F(EditingTest, TextCommandsChangeTextSelectionStatusAndMark) {
  const struct {
    std::string text;
    LONG start, end;
    UINT command;
    std::string expected;
    LONG caret;
    std::string selected, status;
    bool modified;
    bool noControl = false;  // no new control can be made
  } cases[] = {
      {"Abc 1\xE9", 0, 6, IDM_UPPERCASE, "ABC 1\xE9", 0, "ABC 1\xE9",
       "Converted 2 characters to uppercase", true},
      {"ab\xC4 CD", 0, 3, IDM_LOWERCASE, "ab\xC4 CD", 0, "ab\xC4", kNoMessage, false},
      // OEM (code page 437) to ANSI with one word selected converts the whole text.
      {"caf\x82 na\x8Bve\r\n\x9C", 5, 10, IDM_OEMTOANSI, "caf\xE9 na\xEFve\r\n\xA3", 5, "na\xEFve",
       "Converted text to the ANSI character set", true},
      {"\x82", 0, 0, IDM_OEMTOANSI, "\x82", 0, "", kNoMessage, false, true},
      {"ab\r\ncd", 2, 2, IDM_DELETE, "abcd", 2, "", kNoMessage, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.expected);
    HWND document = WriteAndOpen("convert.txt", c.text);
    HWND edit = DocEditControl(document);
    SetEditSelection(edit, c.start, c.end);
    SendMessageA(StatusBar, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(kNoMessage));
    if (c.noControl) answerer_.PressButton(IDOK);
    {
      std::optional<BlockEditControls> blocked;
      if (c.noControl) blocked.emplace();
      Command(c.command);
    }
    if (c.noControl) {
      EXPECT_EQ(Said(), "Cannot create child edit control");
    }
    EXPECT_EQ(Text(document), c.expected);
    EXPECT_EQ(Selection(document).first, c.caret);
    EXPECT_EQ(SelectedText(document), c.selected);
    EXPECT_EQ(StatusText(0), c.status);
    EXPECT_EQ(Title(document), folder_.File("convert.txt") + (c.modified ? "*" : ""));
    // The character-set conversions fill a new control rather than replace a large text.
    const bool charset = c.command == IDM_OEMTOANSI || c.command == IDM_ANSITOOEM;
    EXPECT_EQ(DocEditControl(document) != edit, charset && !c.noControl);
    Close(document);
  }
  EXPECT_EQ(beeps_.size(), 1u);  // only with the message about the control
}

// Cut and Paste between documents through the real clipboard; a viewed document takes no paste, a
// picture alone pastes nothing.
TEST_F(EditingTest, ClipboardRoundTripBetweenDocuments) {
  HWND first = WriteAndOpen("first.txt", "hello world");
  HWND viewed = WriteAndOpen("viewed.txt", "seen", 1);
  HWND second = New();
  const auto run = [&](HWND document, UINT command) {
    SendMessageA(MdiClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(document), 0);
    Command(command);
  };
  SetEditSelection(DocEditControl(first), 0, 5);
  run(first, IDM_CUT);
  EXPECT_EQ(Text(first), " world");
  run(second, IDM_PASTE);
  EXPECT_EQ(Title(second) + Text(second), "New1*hello");
  run(viewed, IDM_PASTE);
  EXPECT_EQ(Text(viewed), "seen");
  // Only a picture on the clipboard: nothing is pasted, and nothing is said.
  ASSERT_TRUE(OpenClipboard(nullptr) && EmptyClipboard());
  SetClipboardData(CF_BITMAP, CreateBitmap(4, 4, 1, 1, nullptr));
  CloseClipboard();
  run(second, IDM_PASTE);
  EXPECT_EQ(Text(second), "hello");
  EXPECT_TRUE(beeps_.empty());
}

TEST_F(EditingTest, GoToLineKeepsTheDialogForBadNumbers) {
  HWND document = WriteAndOpen("lines.txt", "1\r\n2\r\n3\r\n4\r\n5");
  SetEditSelection(DocEditControl(document), 3, 3);
  const std::pair<const char*, const char*> bad[] = {{"0", "0"}, {"6", "6"}, {"99999999999", "0"}};
  answerer_.Run([&](HWND dialog, DialogAnswerer&) {
    for (const auto& [text, shown] : bad) {
      DialogAnswerer::SetControlText(dialog, IDC_GOTO_LINE, text);
      DialogAnswerer::Click(dialog, IDOK);
    }
    DialogAnswerer::SetControlText(dialog, IDC_GOTO_LINE, "5");
    DialogAnswerer::Click(dialog, IDOK);
  });
  for (size_t i = 0; i < std::size(bad); ++i) answerer_.PressButton(IDOK);
  Command(IDM_GOTOLINE);
  ASSERT_EQ(answerer_.Count(), 1 + std::size(bad));
  for (size_t i = 0; i < std::size(bad); ++i)
    EXPECT_EQ(answerer_.Seen()[i + 1].ControlText(101),
              std::string("\r\rInvalid line number (") + bad[i].second +
                  ")\r\rEnter a line number between 1 and 5 please");
  EXPECT_EQ(StatusText(0) + " | " + StatusText(1), "Line 5 selected | Ln 5");
  EXPECT_EQ(Selection(document).first, 12);
}

// Alt+2 types the second macro over the selection, the longest one whole, and one Undo takes it
// back; a document that is only viewed keeps its text.
TEST_F(EditingTest, AMacroReplacesTheSelectionInOneUndoableStep) {
  const std::string kShort = "Regards,\r\nAnn";
  const std::string kFull = kShort + std::string(kMacroTextCapacity - 19, 'x') + "\r\nAnn";
  const std::pair<std::string, int> kCases[] = {{kShort, 0}, {kShort, 1}, {kFull, 0}};
  for (const auto& [text, viewing] : kCases) {
    SCOPED_TRACE(viewing);
    lstrcpynA(AppOptions.Macros[1].Text, text.c_str(), kMacroTextCapacity);
    beeps_.clear();
    HWND document = WriteAndOpen("macro.txt", "Hi X!", viewing);
    SetEditSelection(DocEditControl(document), 3, 4);
    Command(IDM_MACRO_FIRST + 1);
    EXPECT_EQ(Text(document), viewing ? "Hi X!" : "Hi " + text + "!");
    EXPECT_EQ(beeps_.size(), static_cast<size_t>(viewing));
    SendMessageA(DocEditControl(document), EM_UNDO, 0, 0);
    EXPECT_EQ(Text(document), "Hi X!");
    Close(document);
  }
}

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

TEST_F(EditingTest, InsertDatePutsTheChosenTextsAtTheCaret) {
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
