// The document keeps its text and its file on every failing path: a control that cannot be
// made, a path that does not fit, a relative name, an insertion past the limit, a question
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
    if (c.typeFirst) Type(document, "x");
    HWND edit = DocEditControl(document);
    const std::string state = StateOf(document);
    {
      BlockEditControls blocked;
      if (c.answer) answerer_.PressButton(c.answer);
      answerer_.PressButton(IDOK);
      Command(c.command);
      EXPECT_EQ(Said(), "Cannot create child edit control");
    }
    EXPECT_EQ(DocEditControl(document), edit);
    EXPECT_EQ(StateOf(document), state);
    EXPECT_EQ(GetDocWord(document, kWrapWord), 0);
    // What the window holds is what a save writes.
    Command(IDM_SAVE);
    EXPECT_EQ(TempFolder::Read(path), c.typeFirst ? "xabc\n" : "abc\n");
    Command(IDM_CLOSE);
  }
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
    answerer_.PressButton(IDOK);
    open();
    PumpMessages();
    EXPECT_EQ(Said(), TooLongMessage(longPath));
    EXPECT_EQ(DocumentCount(), 0);
  }
}

// A name already open, in quotes or in other letters, brings that document forward with a beep.
TEST_F(SafetyTest, ANameAlreadyOpenBringsItsDocumentForward) {
  const std::string a = folder_.Write("a.txt", "a"), b = folder_.Write("b.txt", "b");
  std::string upper = a;
  CharUpperA(upper.data());
  const struct {
    std::function<void()> open;
    int documents, beeps;
    std::string active;
  } steps[] = {
      {[&] { OpenNamedFile(frame_, ("\"" + a + "\"").c_str(), AppOptions); }, 1, 0, a},
      {[&] { OpenNamedFile(frame_, b.c_str(), AppOptions); }, 2, 0, b},
      {[&] { OpenNamedFile(frame_, ("\"" + upper + "\"").c_str(), AppOptions); }, 2, 1, a},
      {[&] { SendMessageA(frame_, WM_DROPFILES, (WPARAM)MakeDrop(b), 0); }, 2, 2, b},
  };
  for (const auto& step : steps) {
    step.open();
    PumpMessages();
    EXPECT_EQ(DocumentCount(), step.documents);
    EXPECT_EQ(beeps_.size(), static_cast<size_t>(step.beeps));
    EXPECT_EQ(Title((HWND)SendMessageA(MdiClient, WM_MDIGETACTIVE, 0, 0)), step.active);
  }
}

TEST_F(SafetyTest, ARelativeNameKeepsItsFolderWhenAPromptMovesTheCurrentOne) {
  TempFolder other;
  folder_.Write("notes.txt", "old\r\n");
  char saved[MAX_PATH];
  GetCurrentDirectoryA(sizeof saved, saved);
  SetCurrentDirectoryA(folder_.path().c_str());
  HWND document = Open("notes.txt");
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
  answerer_.EnterFileName(path).PressButton(IDOK);
  Command(IDM_INSERTFILE);
  EXPECT_EQ(Said(),
            "File: " + path + "\r\rThis disk file is too large to load\r\rSize: 5300000 Bytes");
  EXPECT_EQ(Text(document), "keep");
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
  answerer_.PressButton(IDOK);  // the system's "no memory" box
  FailNextGlobalAllocations(1);
  Command(IDM_CLOSE);
  FailNextGlobalAllocations(0);
  ASSERT_TRUE(IsWindow(document));
  EXPECT_EQ(StateOf(document), "New1* | modified 1 saved 0 viewing 0 format 0 | unsaved");
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
  std::string huge = std::string(4000, 'x') + std::string(1000, 'y');
  data = {0x4E4F5256, static_cast<DWORD>(huge.size()), huge.data()};
  answerer_.PressButton(IDOK);
  SendMessageA(frame_, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
  PumpMessages();
  EXPECT_EQ(Said(), TooLongMessage(huge.substr(0, 4096)));
  EXPECT_EQ(DocumentCount(), 1);
}

}  // namespace
