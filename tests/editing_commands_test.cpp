// The Edit menu's text commands: conversions, delete and select all, the clipboard through the
// real clipboard, Go To Line, Show Clipboard, and the keys, buttons and menus that reach them.
#include <iterator>
#include <optional>
#include <string>

#include "app/startup.h"
#include "base/globals.h"
#include "document_fixture.h"
#include "resources/resource.h"
#include "settings/placement.h"

namespace {

using EditingTest = DocumentFixture;

constexpr const char* kNoMessage = "-";  // what status part 0 holds before each command

LONG CaretOrStart(HWND document) {
  LONG start = 0;
  GetEditSelection(DocEditControl(document), &start, nullptr);
  return start;
}

std::string SelectedText(HWND document) {
  char text[64] = "";
  SendMessageA(DocEditControl(document), EM_GETSELTEXT, 0, reinterpret_cast<LPARAM>(text));
  return text;
}

void PutOnClipboard(UINT format, HANDLE data) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  SetClipboardData(format, data);
  CloseClipboard();
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
      {"ab\r\ncd", 0, -1, IDM_UPPERCASE, "AB\r\nCD", 0, "AB\r\nCD",
       "Converted 4 characters to uppercase", true},
      {"ab\xC4 CD", 0, 3, IDM_LOWERCASE, "ab\xC4 CD", 0, "ab\xC4", kNoMessage, false},
      {"abc", 1, 1, IDM_UPPERCASE, "abc", 1, "", kNoMessage, false},
      // OEM (code page 437) to ANSI with one word selected converts the whole text.
      {"caf\x82 na\x8Bve\r\n\x9C", 5, 10, IDM_OEMTOANSI, "caf\xE9 na\xEFve\r\n\xA3", 5, "na\xEFve",
       "Converted text to the ANSI character set", true},
      {"\xE9t\xE9", 0, 0, IDM_ANSITOOEM, "\x82t\x82", 0, "",
       "Converted text to the OEM character set", true},
      {"\x82", 0, 0, IDM_OEMTOANSI, "\x82", 0, "", kNoMessage, false, true},
      {"ab\r\ncd", 2, 2, IDM_DELETE, "abcd", 2, "", kNoMessage, true},
      {"ab\r\ncd", 0, 1, IDM_DELETE, "b\r\ncd", 0, "", kNoMessage, true},
      {"ab\r\ncd", 6, 6, IDM_DELETE, "ab\r\ncd", 6, "", kNoMessage, false},
      {"ab\r\ncd", 1, 1, IDM_SELECTALL, "ab\r\ncd", 0, "ab\r\ncd", kNoMessage, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.expected);
    HWND document = Open(folder_.Write("convert.txt", c.text));
    ASSERT_NE(document, nullptr);
    HWND edit = DocEditControl(document);
    SetEditSelection(edit, c.start, c.end);
    SendMessageA(StatusBar, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(kNoMessage));
    DialogAnswerer answerer;
    if (c.noControl) answerer.PressButton(IDOK);
    {
      std::optional<BlockEditControls> blocked;
      if (c.noControl) blocked.emplace();
      Command(c.command);
    }
    if (c.noControl)
      EXPECT_EQ(answerer.Last().ControlText(101), "Cannot create child edit control");
    EXPECT_EQ(Text(document), c.expected);
    EXPECT_EQ(CaretOrStart(document), c.caret);
    EXPECT_EQ(SelectedText(document), c.selected);
    EXPECT_EQ(StatusText(0), c.status);
    EXPECT_EQ(GetDocWord(document, kModifiedWord), c.modified ? 1 : 0);
    EXPECT_EQ(Title(document), folder_.File("convert.txt") + (c.modified ? "*" : ""));
    // The character-set conversions fill a new control rather than replace a large text.
    const bool charset = c.command == IDM_OEMTOANSI || c.command == IDM_ANSITOOEM;
    EXPECT_EQ(DocEditControl(document) != edit, charset && !c.noControl);
    SetDocWord(document, kModifiedWord, 0);
    Command(IDM_CLOSE);
  }
  EXPECT_EQ(beeps_.size(), 1u);  // only with the message about the control
}

TEST_F(EditingTest, ClipboardRoundTripBetweenTwoDocuments) {
  HWND first = Open(folder_.Write("first.txt", "hello world"));
  HWND viewed = Open(folder_.Write("viewed.txt", "seen"), 1);
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
  EXPECT_EQ(Text(second), "hello");
  EXPECT_EQ(Title(second), "New1*");
  run(second, IDM_UNDO);  // a paste is for good
  EXPECT_EQ(Text(second), "hello");

  SetEditSelection(DocEditControl(first), 6, 11);
  run(first, IDM_COPY);
  run(second, IDM_PASTE);
  EXPECT_EQ(Text(second), "helloworld");
  run(viewed, IDM_PASTE);
  EXPECT_EQ(Text(viewed), "seen");
  // Only a picture on the clipboard: nothing is pasted, and nothing is said.
  PutOnClipboard(CF_BITMAP, CreateBitmap(4, 4, 1, 1, nullptr));
  run(second, IDM_PASTE);
  EXPECT_EQ(Text(second), "helloworld");
  EXPECT_TRUE(beeps_.empty());
}

// Ctrl+key posted to the control and taken through the program's own message translation.
void PressCtrl(HWND edit, char key) {
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_CONTROL] = 0x80;
  SetKeyboardState(keys);
  PostMessageA(edit, WM_KEYDOWN, static_cast<WPARAM>(key), 1);
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (TranslateFrameMessage(message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  keys[VK_CONTROL] = 0;
  SetKeyboardState(keys);
}

// Chooses Cut in the open context menu by its mnemonic; a menu still open later is ended.
void CALLBACK ChooseCut(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  PostMessageA(FrameWindow, WM_CHAR, 't', 0);
}
void CALLBACK EndAnyMenu(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  EndMenu();
}

TEST_F(EditingTest, KeysToolbarAndContextMenuReachTheCommands) {
  HWND document = New();
  HWND edit = DocEditControl(document);
  HGLOBAL text = GlobalAlloc(GMEM_MOVEABLE, 6);
  lstrcpyA(static_cast<char*>(GlobalLock(text)), "typed");
  GlobalUnlock(text);
  PutOnClipboard(CF_TEXT, text);
  PressCtrl(edit, 'V');
  EXPECT_EQ(Text(document), "typed");
  RECT button = {};  // the toolbar's Paste, clicked
  SendMessageA(ToolbarWindow, TB_GETRECT, IDM_PASTE, reinterpret_cast<LPARAM>(&button));
  const LPARAM at = MAKELPARAM((button.left + button.right) / 2, (button.top + button.bottom) / 2);
  SendMessageA(ToolbarWindow, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageA(ToolbarWindow, WM_LBUTTONUP, 0, at);
  PumpMessages();
  EXPECT_EQ(Text(document), "typedtyped");
  PressCtrl(edit, 'A');
  EXPECT_EQ(SelectedText(document), "typedtyped");

  // A right click opens the context menu; its Cut takes the selection to the clipboard.
  SetTimer(nullptr, 0, 200, ChooseCut);
  SetTimer(nullptr, 0, 3000, EndAnyMenu);
  PostMessageA(edit, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
  PumpMessages();
  EXPECT_EQ(Text(document), "");
  ASSERT_TRUE(OpenClipboard(nullptr));
  HANDLE cut = GetClipboardData(CF_TEXT);
  EXPECT_STREQ(cut ? static_cast<const char*>(GlobalLock(cut)) : "", "typedtyped");
  if (cut) GlobalUnlock(cut);
  CloseClipboard();
  EXPECT_TRUE(beeps_.empty());
}

BOOL NoTaskbar(RECT*) {
  return FALSE;
}

TEST_F(EditingTest, GoToLineKeepsTheDialogForBadNumbersAndRemembersWhereItStood) {
  const TaskbarQueries noTaskbar = {NoTaskbar, [] { return FALSE; }};
  SetTaskbarQueries(&noTaskbar);
  HWND document = Open(folder_.Write("lines.txt", "1\r\n2\r\n3\r\n4\r\n5"));
  SetEditSelection(DocEditControl(document), 3, 3);
  const char* const bad[] = {"0", "", "6", "4x", "99999999999"};
  const char* const shown[] = {"0", "0", "6", "0", "0"};
  DialogRecord opened;
  HWND goTo = nullptr;
  LONG lineStyle = 0;
  DialogAnswerer answerer;
  answerer.Run([&](HWND dialog, DialogAnswerer&) {
    opened = DialogAnswerer::Read(dialog);
    goTo = dialog;
    lineStyle = GetWindowLongA(GetDlgItem(dialog, IDC_GOTO_LINE), GWL_STYLE);
    for (const char* text : bad) {
      DialogAnswerer::SetControlText(dialog, IDC_GOTO_LINE, text);
      DialogAnswerer::Click(dialog, IDOK);
    }
    SetWindowPos(dialog, nullptr, 123, 77, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    DialogAnswerer::SetControlText(dialog, IDC_GOTO_LINE, "5");
    DialogAnswerer::Click(dialog, IDOK);
  });
  for (size_t i = 0; i < std::size(bad); ++i) answerer.PressButton(IDOK);
  Command(IDM_GOTOLINE);
  ASSERT_EQ(answerer.Count(), 1 + std::size(bad));
  EXPECT_EQ(opened.title, " Go To Line");
  EXPECT_EQ(opened.ControlText(IDC_GOTO_LINE), "2");  // the caret's line
  EXPECT_NE(lineStyle & ES_NUMBER, 0);
  EXPECT_EQ(opened.ControlText(IDC_GOTO_HINT), "Enter a line number\rbetween 1 and 5");
  for (size_t i = 0; i < std::size(bad); ++i) {
    EXPECT_EQ(answerer.Seen()[i + 1].owner, goTo);
    EXPECT_EQ(answerer.Seen()[i + 1].ControlText(101),
              std::string("\r\rInvalid line number (") + shown[i] +
                  ")\r\rEnter a line number between 1 and 5 please");
  }
  EXPECT_EQ(StatusText(0), "Line 5 selected");
  EXPECT_EQ(StatusText(1), "Ln 5");
  EXPECT_EQ(CaretOrStart(document), 12);
  EXPECT_EQ(AppOptions.GoTo.Left, 123);
  EXPECT_EQ(AppOptions.GoTo.Top, 77);

  // Next time it opens where it stood, kept on the screen; Cancel records it and goes nowhere.
  AppOptions.GoTo.Top = 100000;
  RECT where = {};
  answerer.Run([&](HWND dialog, DialogAnswerer&) {
    GetWindowRect(dialog, &where);
    SetWindowPos(dialog, nullptr, 40, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    DialogAnswerer::Click(dialog, IDCANCEL);
  });
  Command(IDM_GOTOLINE);
  EXPECT_EQ(where.left, 123);
  EXPECT_EQ(where.top, ScreenRect.bottom - 70);
  EXPECT_EQ(AppOptions.GoTo.Left, 40);
  EXPECT_EQ(AppOptions.GoTo.Top, 50);
  EXPECT_EQ(CaretOrStart(document), 12);
  EXPECT_EQ(StatusText(0), "Go to a specified line number");
  SetTaskbarQueries(nullptr);
}

TEST_F(EditingTest, ShowClipboardSaysTheViewerIsMissing) {
  DialogAnswerer answerer;
  answerer.PressButton(IDOK);
  Command(IDM_SHOWCLIPBOARD);
  ASSERT_EQ(answerer.Count(), 1u);
  EXPECT_EQ(answerer.Last().title, "Error");
  EXPECT_EQ(answerer.Last().ControlText(101),
            "Cannot load the MS Windows Clipboard\r\rThe file CLIPBRD.EXE must be in the Windows "
            "directory.");
}

}  // namespace

namespace {

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
    HWND document = Open(folder_.Write("macro.txt", "Hi X!"), viewing);
    SetEditSelection(DocEditControl(document), 3, 4);
    Command(IDM_MACRO_FIRST + 1);
    EXPECT_EQ(Text(document), viewing ? "Hi X!" : "Hi " + text + "!");
    EXPECT_EQ(beeps_.size(), static_cast<size_t>(viewing));
    SendMessageA(DocEditControl(document), EM_UNDO, 0, 0);
    EXPECT_EQ(Text(document), "Hi X!");
    SetDocWord(document, kModifiedWord, 0);
    Command(IDM_CLOSE);
  }
}

}  // namespace
