// The Edit menu's text commands: conversions, delete, the clipboard through the real clipboard,
// Go To Line and macros.
#include <iterator>
#include <optional>
#include <string>

#include "base/globals.h"
#include "document_fixture.h"
#include "resources/resource.h"
#include "settings/placement.h"

namespace {

using EditingTest = DocumentFixture;

constexpr const char* kNoMessage = "-";  // what status part 0 holds before each command

LONG CaretOrStart(HWND document) {
  return DocumentFixture::Selection(document).first;
}

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
      {"one\r\nTWO 3", 3, 10, IDM_LOWERCASE, "one\r\ntwo 3", 3, "\r\ntwo 3",
       "Converted 3 characters to lowercase", true},
      {"aBC", 0, 2, IDM_UPPERCASE, "ABC", 0, "AB", "Converted 1 character to uppercase", true},
      {"ab\xC4 CD", 0, 3, IDM_LOWERCASE, "ab\xC4 CD", 0, "ab\xC4", kNoMessage, false},
      // OEM (code page 437) to ANSI with one word selected converts the whole text.
      {"caf\x82 na\x8Bve\r\n\x9C", 5, 10, IDM_OEMTOANSI, "caf\xE9 na\xEFve\r\n\xA3", 5, "na\xEFve",
       "Converted text to the ANSI character set", true},
      {"\x82", 0, 0, IDM_OEMTOANSI, "\x82", 0, "", kNoMessage, false, true},
      {"ab\r\ncd", 2, 2, IDM_DELETE, "abcd", 2, "", kNoMessage, true},
      {"ab\r\ncd", 6, 6, IDM_DELETE, "ab\r\ncd", 6, "", kNoMessage, false},
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
    EXPECT_EQ(CaretOrStart(document), c.caret);
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

// Cut, Copy and Paste between documents through the real clipboard; a paste is for good, a
// viewed document takes none, a picture alone pastes nothing.
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
  run(first, IDM_UNDO);
  EXPECT_EQ(Text(first), "hello world");
  run(second, IDM_PASTE);
  EXPECT_EQ(Title(second) + Text(second), "New1*hello");
  run(second, IDM_UNDO);  // a paste is for good
  EXPECT_EQ(Text(second), "hello");
  SetEditSelection(DocEditControl(first), 6, 11);
  run(first, IDM_COPY);
  run(second, IDM_PASTE);
  EXPECT_EQ(Text(second), "helloworld");
  run(viewed, IDM_PASTE);
  EXPECT_EQ(Text(viewed), "seen");
  // Only a picture on the clipboard: nothing is pasted, and nothing is said.
  ASSERT_TRUE(OpenClipboard(nullptr) && EmptyClipboard());
  SetClipboardData(CF_BITMAP, CreateBitmap(4, 4, 1, 1, nullptr));
  CloseClipboard();
  run(second, IDM_PASTE);
  EXPECT_EQ(Text(second), "helloworld");
  EXPECT_TRUE(beeps_.empty());
}

BOOL NoTaskbar(RECT*) {
  return FALSE;
}

TEST_F(EditingTest, GoToLineKeepsTheDialogForBadNumbersAndRemembersWhereItStood) {
  const TaskbarQueries noTaskbar = {NoTaskbar, [] { return FALSE; }};
  SetTaskbarQueries(&noTaskbar);
  HWND document = WriteAndOpen("lines.txt", "1\r\n2\r\n3\r\n4\r\n5");
  SetEditSelection(DocEditControl(document), 3, 3);
  const std::pair<const char*, const char*> bad[] = {
      {"0", "0"}, {"6", "6"}, {"4x", "0"}, {"99999999999", "0"}};
  DialogRecord opened;
  HWND goTo = nullptr;
  answerer_.Run([&](HWND dialog, DialogAnswerer&) {
    opened = DialogAnswerer::Read(dialog);
    goTo = dialog;
    for (const auto& [text, shown] : bad) {
      DialogAnswerer::SetControlText(dialog, IDC_GOTO_LINE, text);
      DialogAnswerer::Click(dialog, IDOK);
    }
    SetWindowPos(dialog, nullptr, 123, 77, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    DialogAnswerer::SetControlText(dialog, IDC_GOTO_LINE, "5");
    DialogAnswerer::Click(dialog, IDOK);
  });
  for (size_t i = 0; i < std::size(bad); ++i) answerer_.PressButton(IDOK);
  Command(IDM_GOTOLINE);
  ASSERT_EQ(answerer_.Count(), 1 + std::size(bad));
  EXPECT_EQ(opened.title, " Go To Line");
  EXPECT_EQ(opened.ControlText(IDC_GOTO_LINE), "2");  // the caret's line
  EXPECT_EQ(opened.ControlText(IDC_GOTO_HINT), "Enter a line number\rbetween 1 and 5");
  for (size_t i = 0; i < std::size(bad); ++i) {
    EXPECT_EQ(answerer_.Seen()[i + 1].owner, goTo);
    EXPECT_EQ(answerer_.Seen()[i + 1].ControlText(101),
              std::string("\r\rInvalid line number (") + bad[i].second +
                  ")\r\rEnter a line number between 1 and 5 please");
  }
  EXPECT_EQ(StatusText(0) + " | " + StatusText(1), "Line 5 selected | Ln 5");
  EXPECT_EQ(CaretOrStart(document), 12);
  EXPECT_EQ(std::make_pair(AppOptions.GoTo.Left, AppOptions.GoTo.Top), std::make_pair(123L, 77L));

  // Next time it opens where it stood, kept on the screen; Cancel records it and goes nowhere.
  AppOptions.GoTo.Top = 100000;
  RECT where = {};
  answerer_.Run([&](HWND dialog, DialogAnswerer&) {
    GetWindowRect(dialog, &where);
    SetWindowPos(dialog, nullptr, 40, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    DialogAnswerer::Click(dialog, IDCANCEL);
  });
  Command(IDM_GOTOLINE);
  EXPECT_EQ(std::make_pair(where.left, where.top), std::make_pair(123L, ScreenRect.bottom - 70));
  EXPECT_EQ(std::make_pair(AppOptions.GoTo.Left, AppOptions.GoTo.Top), std::make_pair(40L, 50L));
  EXPECT_EQ(CaretOrStart(document), 12);
  SetTaskbarQueries(nullptr);
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

}  // namespace
