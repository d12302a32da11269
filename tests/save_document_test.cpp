// Saving documents: the bytes on disk for each convention, backups, Save As, Save Selection,
// and every failing step with its message and the document left as it was.
#include <windows.h>
#include <richedit.h>

#include <cstring>
#include <string>
#include <vector>

#include "base/file_io.h"
#include "docset/document_set.h"
#include "document_fixture.h"
#include "files/backup_name.h"
#include "files/line_format.h"
#include "files/save_document.h"
#include "prompt_view.h"
#include "resources/resource.h"
#include "ui/global_block.h"

namespace {

constexpr int kMessageText = 101;  // the message dialog's text control

TEST(BackupName, ExtensionOfTheFileNameBecomesBak) {
  struct Case {
    const char* path;
    bool made;
    const char* backup;
  } const cases[] = {
      {"C:\\my.docs\\README", true, "C:\\my.docs\\README.bak"},  // a dot in the folder only
      {"C:\\work\\archive.tar.gz", true, "C:\\work\\archive.tar.bak"},
      {"C:\\work\\notes.", true, "C:\\work\\notes.bak"},
      {"C:\\work\\NOTES.BAK", false, ""},
      {"C:notes", true, "C:notes.bak"},
  };
  for (const Case& c : cases) {
    char backup[256] = "junk";
    EXPECT_EQ(BackupPathFor(c.path, backup, sizeof backup), c.made) << c.path;
    EXPECT_STREQ(backup, c.backup);
  }
  // A backup name that would not fit is not made, and nothing is overrun.
  char small[12];
  EXPECT_FALSE(BackupPathFor("C:\\abcdefgh", small, sizeof small));  // needs 16
  EXPECT_TRUE(BackupPathFor("C:\\abc.txt", small, sizeof small));    // "C:\abc.bak" fits
}

class SaveDocumentTest : public DocumentFixture {
 protected:
  void SetUp() override {
    DocumentFixture::SetUp();
    AppOptions.Backup = 1;
  }
  void TearDown() override {
    ClearFileFailures();
    DocumentFixture::TearDown();
  }
  // Opens a file holding `bytes` and types one character at its start, so it is modified.
  HWND OpenModified(const std::string& name, const std::string& bytes) {
    HWND document = Open(folder_.Write(name, bytes));
    if (document) Type(document, "!");
    return document;
  }
  static std::string MessageOf(const DialogRecord& record) {
    return record.title + " | " + record.ControlText(kMessageText);
  }
  static bool SaveGrayed() {
    return (GetMenuState(GetMenu(FrameWindow), IDM_SAVE, MF_BYCOMMAND) & MF_GRAYED) != 0;
  }
  DialogAnswerer answerer_;
};

TEST_F(SaveDocumentTest, EachConventionIsWrittenByteForByte) {
  struct Case {
    const char* name;
    std::string file;     // as read
    std::string written;  // after typing "!" at the start and saving
  } const cases[] = {
      {"mac.txt", "a\rb", "!a\rb"},
      {"mac-lone-lf.txt", "a\rb\nc", "!a\rbc"},  // a lone LF is dropped
      {"unix.txt", "a\nb\n", "!a\nb\n"},
      {"windows.txt", "a\r\nb\rc\n", "!a\r\nb\rc\n"},  // unchanged, lone bytes too
      {"plain.txt", "no line end", "!no line end"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    HWND document = OpenModified(c.name, c.file);
    ASSERT_NE(document, nullptr);
    const int format = GetDocWord(document, kLineFormatWord);
    ASSERT_EQ(Title(document), folder_.File(c.name) + "*");
    EXPECT_FALSE(SaveGrayed());

    Command(IDM_SAVE);
    EXPECT_EQ(TempFolder::Read(folder_.File(c.name)), c.written);
    EXPECT_EQ(Title(document), folder_.File(c.name));
    EXPECT_EQ(GetDocWord(document, kModifiedWord), 0);
    EXPECT_EQ(GetDocWord(document, kSavedWord), 1);
    EXPECT_EQ(GetDocWord(document, kLineFormatWord), format);
    EXPECT_EQ(StatusText(0), folder_.File(c.name) + " saved");
    EXPECT_TRUE(SaveGrayed());
    EXPECT_EQ(GetFocus(), DocEditControl(document));
  }
  EXPECT_EQ(answerer_.Count(), 0u);
}

// The previous contents go to the .bak name, replacing an older backup; a .bak file itself
// and a save with backups off keep none.
TEST_F(SaveDocumentTest, BackupKeepsThePreviousContentsUnderTheBakName) {
  folder_.Write("notes.bak", "older backup");
  struct Case {
    const char* name;
    int backupOn;
    const char* backup;  // the backup file, or one that must not appear
    bool made;
  } const cases[] = {
      {"notes.txt", 1, "notes.bak", true},
      {"README", 1, "README.bak", true},
      {"list.bak", 1, "list.bak.bak", false},
      {"plain.txt", 0, "plain.bak", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    AppOptions.Backup = c.backupOn;
    HWND document = OpenModified(c.name, std::string("previous ") + c.name);
    ASSERT_NE(document, nullptr);
    ASSERT_TRUE(SaveDocument(document, AppOptions));
    EXPECT_EQ(TempFolder::Read(folder_.File(c.name)), std::string("!previous ") + c.name);
    EXPECT_EQ(TempFolder::Read(folder_.File(c.backup)),
              c.made ? std::string("previous ") + c.name : "<missing>");
  }
}

TEST_F(SaveDocumentTest, FailedBackupMoveStillSavesInPlaceSilently) {
  HWND document = OpenModified("keep.txt", "before");
  folder_.Write("keep.bak", "old");
  InjectFileFailure(FileStep::Delete, ERROR_ACCESS_DENIED);
  InjectFileFailure(FileStep::Move, ERROR_ACCESS_DENIED);
  ASSERT_TRUE(SaveDocument(document, AppOptions));
  EXPECT_EQ(answerer_.Count(), 0u);
  EXPECT_EQ(TempFolder::Read(folder_.File("keep.txt")), "!before");
  EXPECT_EQ(TempFolder::Read(folder_.File("keep.bak")), "old");
}

TEST_F(SaveDocumentTest, ReadOnlyFileFailsAtCreateWithAccessDeniedAndNoBackup) {
  HWND document = OpenModified("locked.txt", "protected");
  const std::string path = folder_.File("locked.txt");
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
  // Where the platform lets this process write to a read-only file anyway (Wine run by root),
  // the system's answer to the create is given through the file seam instead.
  HANDLE probe = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  if (probe != INVALID_HANDLE_VALUE) {
    CloseHandle(probe);
    InjectFileFailure(FileStep::Create, ERROR_ACCESS_DENIED);
  }
  answerer_.PressButton(IDOK);
  EXPECT_EQ(SaveDocument(document, AppOptions), 0);
  ASSERT_EQ(answerer_.Count(), 1u);
  EXPECT_EQ(
      MessageOf(answerer_.Last()),
      "File I/O Error | File: " + path + "\r\rError detected creating this disk file\r\rCode 5");
  EXPECT_EQ(TempFolder::Read(path), "protected");
  EXPECT_EQ(TempFolder::Read(folder_.File("locked.bak")), "<missing>");
  EXPECT_EQ(GetDocWord(document, kModifiedWord), 1);
  EXPECT_EQ(Title(document), path + "*");
}

TEST_F(SaveDocumentTest, EachFailingStepShowsItsMessageAndLeavesTheDocumentAlone) {
  struct Case {
    FileStep step;
    DWORD error;
    std::string message;  // after "File: <path>\r\r"
    std::string onDisk;   // the document's file afterwards
  } const cases[] = {
      {FileStep::Create, ERROR_SHARING_VIOLATION,
       "Error detected creating this disk file\r\rCode 32", "<missing>"},
      {FileStep::Write, ERROR_WRITE_FAULT,
       "Error detected writing data to this disk file\r\rCode 29", ""},
      {FileStep::Write, ERROR_DISK_FULL,
       "Error detected writing data to this disk file\r\rCode 112", ""},
      {FileStep::SetEnd, ERROR_DISK_FULL,
       "Error detected setting EOF mark 5 on this file\r\rCode 112", "!a\rb\r"},
      {FileStep::Flush, ERROR_WRITE_FAULT,
       "Error detected flushing buffers for this disk file\r\rCode 29", "!a\rb\r"},
      {FileStep::Close, ERROR_INVALID_HANDLE, "Error detected closing this disk file\r\rCode 6",
       "!a\rb\r"},
  };
  int n = 0;
  for (const Case& c : cases) {
    const std::string name = "fault" + std::to_string(++n) + ".txt";
    SCOPED_TRACE(name);
    HWND document = OpenModified(name, "a\rb\r");  // Macintosh
    ASSERT_NE(document, nullptr);
    const std::string path = folder_.File(name);
    const std::string text = Text(document);

    InjectFileFailure(c.step, c.error);
    answerer_.PressButton(IDOK);
    EXPECT_EQ(SaveDocument(document, AppOptions), 0);
    ClearFileFailures();
    ASSERT_GE(answerer_.Count(), 1u);
    EXPECT_EQ(MessageOf(answerer_.Last()), "File I/O Error | File: " + path + "\r\r" + c.message);
    EXPECT_EQ(Text(document), text);
    EXPECT_EQ(Title(document), path + "*");
    EXPECT_EQ(GetDocWord(document, kModifiedWord), 1);
    EXPECT_EQ(GetDocWord(document, kSavedWord), 1);
    EXPECT_EQ(GetDocWord(document, kLineFormatWord), kMacintoshFormat);
    // The previous file is in the backup whatever step failed.
    EXPECT_EQ(TempFolder::Read(folder_.File("fault" + std::to_string(n) + ".bak")), "a\rb\r");
    EXPECT_EQ(TempFolder::Read(path), c.onDisk);
    // The handle was closed: the file can be opened without sharing.
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                              0, nullptr);
    EXPECT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);
  }
  EXPECT_EQ(answerer_.Count(), 6u);
}

TEST_F(SaveDocumentTest, NoMemoryForTheTextSaysSoAndWritesNothing) {
  HWND document = OpenModified("memory.txt", "abc");
  const DWORD size = static_cast<DWORD>(GetWindowTextLengthA(DocEditControl(document))) + 16;
  FailNextGlobalAllocations(1);
  answerer_.PressButton(IDOK);
  EXPECT_EQ(SaveDocument(document, AppOptions), 0);
  ASSERT_EQ(answerer_.Count(), 1u);
  EXPECT_EQ(MessageOf(answerer_.Last()),
            "Norvel | \rCannot allocate memory for text buffer\r\rSize: " + std::to_string(size) +
                " bytes requested");
  EXPECT_EQ(TempFolder::Read(folder_.File("memory.txt")), "abc");
  EXPECT_EQ(TempFolder::Read(folder_.File("memory.bak")), "<missing>");
}

TEST_F(SaveDocumentTest, SaveAsToUnixThenSaveKeepsUnix) {
  HWND document = Open(folder_.Write("mac.txt", "a\rb"));
  ASSERT_NE(document, nullptr);
  const std::string target = folder_.File("unix.txt");
  PromptView view;
  answerer_.Run(LookAndEnter(view, target, 2));
  Command(IDM_SAVEAS);
  EXPECT_EQ(view.title, "Save Text File As");
  EXPECT_EQ(view.currentType, "Macintosh");
  EXPECT_EQ(view.name, "mac.txt");
  EXPECT_EQ(TempFolder::Read(target), "a\nb");
  EXPECT_EQ(Title(document), target);
  EXPECT_EQ(GetDocWord(document, kLineFormatWord), kUnixFormat);
  EXPECT_EQ(StatusText(0), "Saved as " + target);
  EXPECT_STREQ(AppOptions.RecentFiles[0], target.c_str());
  EXPECT_EQ(TempFolder::Read(folder_.File("mac.txt")), "a\rb");  // the old file stays

  Type(document, "!");
  Command(IDM_SAVE);
  EXPECT_EQ(answerer_.Count(), 1u);  // no prompt the second time
  EXPECT_EQ(TempFolder::Read(target), "!a\nb");
  EXPECT_EQ(TempFolder::Read(folder_.File("unix.bak")), "a\nb");
}

TEST_F(SaveDocumentTest, UntitledDocumentGoesThroughSaveAsAndBecomesSavedToDisk) {
  HWND document = New();
  Type(document, "x\ry");
  ASSERT_EQ(Text(document), "x\r\ny");
  PromptView view;
  const std::string target = folder_.File("new.txt");
  answerer_.Run(LookAndEnter(view, target));
  Command(IDM_SAVE);
  EXPECT_EQ(view.title, "Save Text File As");
  EXPECT_EQ(view.currentType, "Windows");
  EXPECT_EQ(TempFolder::Read(target), "x\r\ny");
  EXPECT_EQ(GetDocWord(document, kSavedWord), 1);
  EXPECT_EQ(GetDocWord(document, kModifiedWord), 0);
  EXPECT_EQ(Title(document), target);
}

TEST_F(SaveDocumentTest, SaveAsWhoseSaveFailsKeepsTheNewNameAndFormatButNotTheFlags) {
  HWND document = New();
  Type(document, "a\rb");
  PromptView view;
  const std::string target = folder_.File("half.txt");
  answerer_.Run(LookAndEnter(view, target, 1)).PressButton(IDOK);
  InjectFileFailure(FileStep::Write, ERROR_DISK_FULL);
  EXPECT_EQ(SaveDocumentAs(document, AppOptions), 0);
  EXPECT_EQ(Title(document), target);  // no "*": the title was set before the save
  EXPECT_EQ(GetDocWord(document, kLineFormatWord), kMacintoshFormat);
  EXPECT_EQ(GetDocWord(document, kModifiedWord), 1);
  EXPECT_EQ(GetDocWord(document, kSavedWord), 0);
  EXPECT_EQ(TempFolder::Read(target), "");
  EXPECT_STRNE(AppOptions.RecentFiles[0], target.c_str());
}

TEST_F(SaveDocumentTest, SaveSelectionWithNothingSelectedOnlyBeeps) {
  HWND document = OpenModified("nothing.txt", "abc");
  SetEditSelection(DocEditControl(document), 2, 2);
  beeps_.clear();
  Command(IDM_SAVESELECTION);
  EXPECT_EQ(answerer_.Count(), 0u);
  EXPECT_EQ(beeps_, std::vector<UINT>{MB_ICONASTERISK});
}

TEST_F(SaveDocumentTest, SaveSelectionWritesCrLfAndLeavesTheDocumentAlone) {
  HWND document = OpenModified("unix.txt", "one\ntwo\nthree\n");  // Unix
  HWND edit = DocEditControl(document);
  ASSERT_EQ(Text(document), "!one\r\ntwo\r\nthree\r\n");
  SetEditSelection(edit, 2, 12);  // "ne\r\ntwo\r\nt"
  folder_.Write("selected.txt", "older selection");

  PromptView view;
  answerer_.Run(LookAndEnter(view, folder_.File("selected.txt"))).PressButton(IDYES);
  Command(IDM_SAVESELECTION);
  EXPECT_EQ(view.title, "Save Selected Text As");
  EXPECT_EQ(view.name, "selected.txt");
  EXPECT_EQ(lstrcmpiA(view.folder.c_str(), folder_.path().c_str()), 0) << view.folder;
  EXPECT_EQ(TempFolder::Read(folder_.File("selected.txt")), "ne\r\ntwo\r\nt");
  EXPECT_EQ(TempFolder::Read(folder_.File("selected.bak")), "<missing>");
  EXPECT_EQ(StatusText(0), folder_.File("selected.txt") + " saved");
  EXPECT_EQ(Title(document), folder_.File("unix.txt") + "*");
  EXPECT_EQ(GetDocWord(document, kModifiedWord), 1);
  EXPECT_EQ(GetDocWord(document, kLineFormatWord), kUnixFormat);
  EXPECT_EQ(TempFolder::Read(folder_.File("unix.txt")), "one\ntwo\nthree\n");
  EXPECT_EQ(GetFocus(), edit);
}

}  // namespace
