// The document keeps its text and its file on every failing path: a control that cannot be
// made, a path that does not fit, a relative name, an insertion past the limit, a hand-over
// from another program. (A question that cannot be shown: save_prompts_test.)
#include <shlobj.h>

#include "document_fixture.h"
#include "resources/resource.h"

namespace {

using SafetyTest = DocumentFixture;

// The message for a path of more than 255 characters, which shows its start and its end.
std::string TooLongMessage(const std::string& path) {
  return "File: " + path.substr(0, 30) + "..." + path.substr(path.size() - 50) +
         "\r\rThis path is too long to open.";
}

TEST_F(SafetyTest, AControlThatCannotBeMadeLeavesTheDocumentAndItsText) {
  for (UINT command : {IDM_WORDWRAP, IDM_REFRESH, IDM_DISCARD}) {
    SCOPED_TRACE(command);
    HWND document = Open(folder_.Write("kept.txt", "abc\n"));
    if (command != IDM_REFRESH) Type(document, "x");
    HWND edit = DocEditControl(document);
    const std::string state = StateOf(document);
    {
      BlockEditControls blocked;
      if (command == IDM_DISCARD) answerer_.PressButton(IDYES);
      answerer_.PressButton(IDOK);
      Command(command);
      EXPECT_EQ(Said(), "Cannot create child edit control");
    }
    EXPECT_EQ(DocEditControl(document), edit);
    EXPECT_EQ(StateOf(document), state);
    EXPECT_EQ(GetDocWord(document, kWrapWord), 0);
    Close(document);
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

// A path that does not fit is refused; a name already open, in quotes or in other letters,
// brings that document forward with a beep.
TEST_F(SafetyTest, APathThatDoesNotFitIsRefusedAndAnOpenNameComesForward) {
  const std::string a = folder_.Write("a.txt", "a"), b = folder_.Write("b.txt", "b");
  const std::string tooLong = folder_.path() + "\\" + std::string(300, 'n') + ".txt";
  std::string upper = a;
  CharUpperA(upper.data());
  const auto drop = [this](const std::string& path) {
    SendMessageA(frame_, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(path)), 0);
  };
  const auto named = [this](const std::string& name) {
    OpenNamedFile(frame_, name.c_str(), AppOptions);
  };
  const struct {
    std::function<void()> open;
    int documents, beeps;  // beeps so far: each message box sounds too
    std::string active;    // the active document's title, or the message shown
  } steps[] = {
      {[&] { drop(tooLong); }, 0, 1, TooLongMessage(tooLong)},
      {[&] { named("\"" + tooLong + "\""); }, 0, 2, TooLongMessage(tooLong)},
      {[&] { CreateDocWindow(frame_, tooLong.c_str(), 0, AppOptions); }, 0, 3,
       TooLongMessage(tooLong)},
      {[&] { named("\"" + a + "\""); }, 1, 3, a},
      {[&] { named(b); }, 2, 3, b},
      {[&] { named("\"" + upper + "\""); }, 2, 4, a},
      {[&] { drop(b); }, 2, 5, b},
  };
  for (const auto& step : steps) {
    if (step.documents == 0) answerer_.PressButton(IDOK);
    step.open();
    PumpMessages();
    EXPECT_EQ(DocumentCount(), step.documents);
    EXPECT_EQ(beeps_.size(), static_cast<size_t>(step.beeps));
    EXPECT_EQ(step.documents ? Title(ActiveDocWindow) : Said(), step.active);
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
