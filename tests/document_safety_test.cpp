// The document keeps its text and its file on every failing path: a control that cannot be
// made, a path that does not fit, a relative name, a text larger than the limit, a question
// that cannot be shown, a hand-over from another program.
#include <shlobj.h>

#include <functional>
#include <string>

#include "base/globals.h"
#include "docset/create_document.h"
#include "docset/document_set.h"
#include "document_fixture.h"
#include "resources/resource.h"
#include "ui/global_block.h"

namespace {

using SafetyTest = DocumentFixture;

// While it lives, no rich-edit control can be created on this thread.
class BlockEditControls {
 public:
  BlockEditControls() { hook_ = SetWindowsHookExA(WH_CBT, Refuse, nullptr, GetCurrentThreadId()); }
  ~BlockEditControls() { UnhookWindowsHookEx(hook_); }

 private:
  static LRESULT CALLBACK Refuse(int code, WPARAM wParam, LPARAM lParam) {
    char name[32] = "";
    if (code == HCBT_CREATEWND) GetClassNameA(reinterpret_cast<HWND>(wParam), name, sizeof name);
    if (lstrcmpiA(name, "RichEdit") == 0) return 1;
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
  HHOOK hook_;
};

// The message for a path of more than 255 characters, which shows its start and its end.
std::string TooLongMessage(const std::string& path) {
  return "File: " + path.substr(0, 30) + "..." + path.substr(path.size() - 50) +
         "\r\rThis path is too long to open.";
}

TEST_F(SafetyTest, AControlThatCannotBeMadeLeavesTheDocumentAndItsText) {
  const struct {
    UINT command;
    bool typeFirst;
    int answer;  // the Discard question, or 0
  } cases[] = {{IDM_WORDWRAP, true, 0}, {IDM_REFRESH, false, 0}, {IDM_DISCARD, true, IDYES}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.command);
    const std::string path = folder_.Write("kept.txt", "abc\n");
    HWND document = Open(path);
    ASSERT_NE(document, nullptr);
    if (c.typeFirst) Type(document, "x");
    HWND edit = DocEditControl(document);
    const std::string title = Title(document);
    {
      BlockEditControls blocked;
      DialogAnswerer answerer;
      if (c.answer) answerer.PressButton(c.answer);
      answerer.PressButton(IDOK);
      Command(c.command);
      ASSERT_EQ(answerer.Count(), c.answer ? 2u : 1u);
      EXPECT_EQ(answerer.Last().ControlText(101), "Cannot create child edit control");
    }
    EXPECT_EQ(DocEditControl(document), edit);
    EXPECT_EQ(Text(document), c.typeFirst ? "xabc\r\n" : "abc\r\n");
    EXPECT_EQ(Title(document), title);
    EXPECT_EQ(GetDocWord(document, kWrapWord), 0);
    EXPECT_EQ(GetDocWord(document, kModifiedWord), c.typeFirst ? 1 : 0);
    // What the window holds is what a save writes.
    Command(IDM_SAVE);
    EXPECT_EQ(TempFolder::Read(path), c.typeFirst ? "xabc\n" : "abc\n");
    Command(IDM_CLOSE);
  }
}

TEST_F(SafetyTest, ReloadsFillANewControlThatKeepsWrapAndReadOnly) {
  const std::string path = folder_.Write("reload.txt", "one\r\n");
  HWND document = Open(path, 1);
  ASSERT_NE(document, nullptr);
  Command(IDM_WORDWRAP);
  HWND before = DocEditControl(document);
  folder_.Write("reload.txt", "two\n");
  Command(IDM_REFRESH);
  HWND after = DocEditControl(document);
  EXPECT_NE(after, before);
  EXPECT_FALSE(IsWindow(before));
  EXPECT_EQ(GetWindowLongA(after, GWL_STYLE), 0x5020B144 | ES_READONLY);
  EXPECT_EQ(Text(document), "two\r\n");
  EXPECT_EQ(GetDocWord(document, kLineFormatWord), 2);
  EXPECT_EQ(StatusText(0), path + " refreshed from disk");
}

// A drop of one file, as the shell sends it.
HGLOBAL MakeDrop(const std::string& path) {
  HGLOBAL drop = GlobalAlloc(GHND, sizeof(DROPFILES) + path.size() + 2);
  auto* files = static_cast<DROPFILES*>(GlobalLock(drop));
  files->pFiles = sizeof(DROPFILES);
  lstrcpyA(reinterpret_cast<char*>(files + 1), path.c_str());
  GlobalUnlock(drop);
  return drop;
}

TEST_F(SafetyTest, APathThatDoesNotFitIsRefusedAndNothingOpens) {
  const std::string longPath = folder_.path() + "\\" + std::string(300, 'n') + ".txt";
  const std::function<void()> opens[] = {
      [&] { SendMessageA(frame_, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(longPath)), 0); },
      [&] { OpenNamedFile(frame_, ("\"" + longPath + "\"").c_str(), AppOptions); },
      [&] { CreateDocWindow(frame_, longPath.c_str(), 0, AppOptions); },
  };
  for (const auto& open : opens) {
    DialogAnswerer answerer;
    answerer.PressButton(IDOK);
    open();
    PumpMessages();
    ASSERT_EQ(answerer.Count(), 1u);
    EXPECT_EQ(answerer.Last().ControlText(101), TooLongMessage(longPath));
    EXPECT_EQ(DocumentCount(), 0);
  }
}

TEST_F(SafetyTest, ARelativeNameKeepsItsFolderWhenAPromptMovesTheCurrentOne) {
  TempFolder other;
  folder_.Write("notes.txt", "old\r\n");
  char saved[MAX_PATH];
  GetCurrentDirectoryA(sizeof saved, saved);
  SetCurrentDirectoryA(folder_.path().c_str());
  HWND document = Open("notes.txt");
  ASSERT_NE(document, nullptr);
  EXPECT_EQ(Title(document), folder_.File("notes.txt"));
  EXPECT_STREQ(AppOptions.FileSpec, folder_.File("notes.txt").c_str());
  SetCurrentDirectoryA(other.path().c_str());  // as a file prompt does
  Type(document, "new ");
  Command(IDM_SAVE);
  SetCurrentDirectoryA(saved);
  EXPECT_EQ(TempFolder::Read(folder_.File("notes.txt")), "new old\r\n");
  EXPECT_EQ(TempFolder::Read(other.File("notes.txt")), "<missing>");
}

TEST_F(SafetyTest, AnInsertionThatWouldPassTheLimitIsRefusedBeforeTheText) {
  // 5,300,000 line ends pass the size rule but double when they become CR LF.
  const std::string path = folder_.Write("ends.txt", std::string(5300000, '\n'));
  HWND document = New();
  Type(document, "keep");
  DialogAnswerer answerer;
  answerer.EnterFileName(path).PressButton(IDOK);
  Command(IDM_INSERTFILE);
  ASSERT_EQ(answerer.Count(), 2u);
  EXPECT_EQ(answerer.Last().ControlText(101),
            "File: " + path + "\r\rThis disk file is too large to load\r\rSize: 5300000 Bytes");
  EXPECT_EQ(Text(document), "keep");
}

TEST_F(SafetyTest, ANameWhoseSizeCannotBeReadFailsAtTheOpen) {
  folder_.Write("a.txt", "a");
  const std::string pattern = folder_.File("*.txt");  // found, but no file of that name
  DialogAnswerer answerer;
  answerer.PressButton(IDYES).PressButton(IDOK);  // no attributes either: "write protected"
  EXPECT_EQ(Open(pattern), nullptr);
  ASSERT_EQ(answerer.Count(), 2u);
  EXPECT_EQ(answerer.Last().title, "File I/O Error");
  EXPECT_EQ(answerer.Last().ControlText(101).rfind(
                "File: " + pattern + "\r\rError detected opening this disk file\r\rCode ", 0),
            0u);
}

TEST_F(SafetyTest, AConvertedTextLongerThanTheLimitArrivesWhole) {
  // 100,000 Unix lines: 10,400,000 bytes that become 10,500,000 characters.
  std::string bytes;
  bytes.reserve(10400000);
  for (int line = 0; line < 100000; ++line) bytes.append(std::string(103, 'a' + line % 26) + "\n");
  const std::string path = folder_.Write("big.txt", bytes);
  HWND document = Open(path);
  ASSERT_NE(document, nullptr);
  HWND edit = DocEditControl(document);
  EXPECT_EQ(GetWindowTextLengthA(edit), 10500000);
  EXPECT_GE(SendMessageA(edit, EM_GETLIMITTEXT, 0, 0), 10500000);
  char last[4] = "";
  TEXTRANGEA range = {{10500000 - 3, 10500000}, last};
  SendMessageA(edit, EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range));
  EXPECT_STREQ(last, "d\r\n");  // line 99,999 is made of 'd'
}

// Wine's control keeps a text past its limit; Windows' stops there. The limit must be raised
// before the text arrives, so watch what the control is told.
LONG_PTR raisedTo = 0;
WNDPROC editProc = nullptr;
LRESULT CALLBACK WatchLimit(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == EM_EXLIMITTEXT) raisedTo = lParam;
  return CallWindowProcA(editProc, edit, message, wParam, lParam);
}

TEST_F(SafetyTest, TheLimitIsRaisedBeforeALongerTextStreamsIn) {
  HWND edit = DocEditControl(New());
  SendMessageA(edit, EM_EXLIMITTEXT, 0, 10);
  editProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WatchLimit)));
  SetEditText(edit, "0123456789abcdef", 16);
  SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(editProc));
  EXPECT_GT(raisedTo, 16);
  EXPECT_EQ(GetWindowTextLengthA(edit), 16);
}

TEST_F(SafetyTest, AQuestionThatCannotBeShownKeepsTheDocument) {
  HWND document = New();
  Type(document, "unsaved");
  DialogAnswerer answerer;
  answerer.PressButton(IDOK);  // the system's "no memory" box
  FailNextGlobalAllocations(1);
  Command(IDM_CLOSE);
  FailNextGlobalAllocations(0);
  ASSERT_EQ(answerer.Count(), 1u);
  EXPECT_TRUE(IsWindow(document));
  EXPECT_EQ(Text(document), "unsaved");
  EXPECT_EQ(Title(document), "New1*");
}

TEST_F(SafetyTest, HandOversWaitInTheFramesQueueAndNoMessageCarriesAPointer) {
  // Another program posting the frame's message with a bogus pointer does no harm.
  PostMessageA(frame_, OpenFileMessage, 0, 0x12345678);
  PumpMessages();
  EXPECT_EQ(DocumentCount(), 0);

  // Another program's data is left alone.
  char other[] = "something";
  COPYDATASTRUCT data = {1, sizeof other, other};
  EXPECT_FALSE(SendMessageA(frame_, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data)));

  const std::string path = folder_.Write("handed.txt", "h");
  data = {0x4E4F5256, static_cast<DWORD>(path.size()), const_cast<char*>(path.data())};
  EXPECT_TRUE(SendMessageA(frame_, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data)));
  EXPECT_EQ(DocumentCount(), 0);  // not terminated, and opened once the sender is released
  PumpMessages();
  ASSERT_EQ(DocumentCount(), 1);
  EXPECT_EQ(Title(ActiveDocWindow), path);

  // A huge one is cut, never overrun, and refused as too long.
  std::string huge(5000, 'x');
  data = {0x4E4F5256, static_cast<DWORD>(huge.size()), huge.data()};
  DialogAnswerer answerer;
  answerer.PressButton(IDOK);
  SendMessageA(frame_, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
  PumpMessages();
  ASSERT_EQ(answerer.Count(), 1u);
  EXPECT_EQ(answerer.Last().ControlText(101), TooLongMessage(std::string(4095, 'x')));
  EXPECT_EQ(DocumentCount(), 1);
}

}  // namespace
