// The document keeps its text and its file on every failing path: a control that cannot be
// made, a path that does not fit, a relative name, a hand-over from another program; the save
// question when a changed document closes, and the viewing and discard commands.
#include <shlobj.h>

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
      {[&] { CreateDocWindow(frame_, tooLong.c_str(), 0, AppOptions); }, 0, 2,
       TooLongMessage(tooLong)},
      {[&] { named("\"" + a + "\""); }, 1, 2, a},
      {[&] { named(b); }, 2, 2, b},
      {[&] { named("\"" + upper + "\""); }, 2, 3, a},
      {[&] { drop(b); }, 2, 4, b},
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

// Cancel, or a question that cannot be shown, keeps the document; No drops the edits, Yes
// saves them; with AutoSave a file is saved without a question, an untitled one is still asked.
TEST_F(SafetyTest, ClosingAChangedDocumentAsksAndObeysTheAnswer) {
  const std::string path = folder_.Write("notes.txt", "old\n");
  constexpr int kUnshown = -1;  // no memory for the question: the system's box
  const struct {
    int autoSave, answer;  // 0: no question
    const char* file;      // afterwards
  } cases[] = {{0, IDCANCEL, "old\n"},
               {0, kUnshown, "old\n"},
               {0, IDNO, "old\n"},
               {0, IDYES, "new old\n"},
               {1, 0, "new new old\n"}};
  HWND document = nullptr;
  for (const auto& c : cases) {
    AppOptions.AutoSave = c.autoSave;
    if (!IsWindow(document)) Type(document = Open(path), "new ");
    if (c.answer) answerer_.PressButton(c.answer == kUnshown ? IDOK : c.answer);
    if (c.answer == kUnshown) FailNextGlobalAllocations(1);
    Command(IDM_CLOSE);
    FailNextGlobalAllocations(0);
    const bool kept = c.answer == IDCANCEL || c.answer == kUnshown;
    EXPECT_EQ(IsWindow(document) ? Title(document) : "closed", kept ? path + "*" : "closed");
    EXPECT_EQ(TempFolder::Read(path), c.file);
    if (c.answer == IDCANCEL) {
      EXPECT_EQ(answerer_.Last().title + "|" + Said(),
                "File Modified|File: " + path +
                    "\r\rThis document has been edited.\rDo you want to save the changes?");
    }
  }
  HWND untitled = New();
  Type(untitled, "x");
  answerer_.PressButton(IDCANCEL);
  Command(IDM_CLOSE);
  EXPECT_TRUE(IsWindow(untitled));
}

TEST_F(SafetyTest, ViewingModeSwitchesBothWaysButNotForAReadOnlyFile) {
  const std::string path = folder_.Write("view.txt", "disk\r\n");
  HWND document = Open(path);
  for (const char* mode : {"viewing 1 read-only", "viewing 0", "viewing 1 read-only"}) {
    Command(IDM_READONLY);
    EXPECT_EQ(StateOf(document), path + " | modified 0 saved 1 " + mode + " format 0 | disk\r\n");
  }
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
  answerer_.PressButton(IDOK);
  Command(IDM_READONLY);
  EXPECT_EQ(Said(), "File: " + path +
                        "\r\rThis disk file is write-protected on the drive\rNo editing is "
                        "allowed for this document.");
  EXPECT_EQ(GetDocWord(document, kViewingWord), 1);
}

TEST_F(SafetyTest, DiscardReloadsOnlyAfterYes) {
  const std::string path = folder_.Write("unix.txt", "one\ntwo\n");
  HWND document = Open(path);
  Type(document, "edit ");
  answerer_.PressKey(VK_RETURN).PressButton(IDYES);  // No is the default
  Command(IDM_DISCARD);
  EXPECT_EQ(Text(document), "edit one\r\ntwo\r\n");
  Command(IDM_DISCARD);
  EXPECT_EQ(StateOf(document), path + " | modified 0 saved 1 viewing 0 format 2 | one\r\ntwo\r\n");
}

}  // namespace
