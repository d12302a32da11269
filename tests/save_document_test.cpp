// Saving documents: the bytes on disk for each convention, backups, Save As, Save Selection,
// and every failing step with its message, the files and the document left as they were.
#include <cstring>
#include <map>
#include <tuple>
#include <utility>
#include <string>
#include <vector>

#include "document_fixture.h"
#include "files/backup_name.h"
#include "files/line_format.h"
#include "files/save_document.h"
#include "prompt_view.h"
#include "resources/resource.h"
#include "ui/global_block.h"

namespace {

constexpr int kMessageText = 101;  // the message dialog's text control

TEST(BackupName, ExtensionOfTheFileNameBecomesBakUnlessThatIsTheFileItself) {
  // The path and its backup, or "" when none is made.
  const std::pair<const char*, const char*> cases[] = {
      {"C:\\my.docs\\README", "C:\\my.docs\\README.bak"},  // a dot in the folder only
      {"C:\\work\\archive.tar.gz", "C:\\work\\archive.tar.bak"},
      {"C:\\work\\notes.", "C:\\work\\notes.bak"},
      {"C:\\work\\NOTES.BAK", ""},
      {"C:\\work\\notes.bak ", ""},  // Windows drops the blank: the file itself
      {"C:\\work\\Notes.Bak  ", ""},
      {"C:\\work\\notes.bak. x", "C:\\work\\notes.bak.bak"},
      {"C:notes", "C:notes.bak"},
  };
  for (const auto& [path, expected] : cases) {
    char backup[256] = "junk";
    EXPECT_EQ(BackupPathFor(path, backup, sizeof backup), *expected != '\0') << path;
    EXPECT_STREQ(backup, expected);
  }
  // A name that would not fit is not made, and nothing is overrun.
  char small[12];
  EXPECT_FALSE(BackupPathFor("C:\\abcdefgh", small, sizeof small));     // needs 16
  EXPECT_TRUE(BackupPathFor("C:\\abc.txt", small, sizeof small));       // "C:\abc.bak" fits
  EXPECT_FALSE(TemporaryPathFor("C:\\a.txt", 1, small, sizeof small));  // needs 15
  char temp[32];
  ASSERT_TRUE(TemporaryPathFor("C:\\my.docs\\a.txt", 0x51A2B, temp, sizeof temp));
  EXPECT_STREQ(temp, "C:\\my.docs\\~nv1A2B.tmp");
}

using Files = std::map<std::string, std::string>;  // name -> bytes

Files FilesIn(const TempFolder& folder) {
  Files files;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(folder.File("*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return files;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
      files[found.cFileName] = TempFolder::Read(folder.File(found.cFileName));
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return files;
}

class SaveDocumentTest : public DocumentFixture {
 protected:
  void SetUp() override {
    DocumentFixture::SetUp();
    AppOptions.Backup = 1;
  }
  // Opens a file holding `bytes` and types one character at its start, so it is modified.
  HWND OpenModified(const std::string& name, const std::string& bytes) {
    HWND document = WriteAndOpen(name, bytes);
    if (document) Type(document, "!");
    return document;
  }
  static std::string MessageOf(const DialogRecord& record) {
    return record.title + " | " + record.ControlText(kMessageText);
  }
  static bool SaveGrayed() {
    return (GetMenuState(GetMenu(FrameWindow), IDM_SAVE, MF_BYCOMMAND) & MF_GRAYED) != 0;
  }
};

TEST_F(SaveDocumentTest, EachConventionIsWrittenByteForByte) {
  // The file's name, its bytes as read, and as written after typing "!" at the start.
  const std::tuple<const char*, std::string, std::string> cases[] = {
      {"mac.txt", "a\rb", "!a\rb"},
      {"mac-lone-lf.txt", "a\rb\nc", "!a\rbc"},  // a lone LF is dropped
      {"unix.txt", "a\nb\n", "!a\nb\n"},
      {"windows.txt", "a\r\nb\rc\n", "!a\r\nb\rc\n"},  // unchanged, lone bytes too
  };
  for (const auto& [name, file, written] : cases) {
    SCOPED_TRACE(name);
    HWND document = OpenModified(name, file);
    ASSERT_EQ(Title(document), folder_.File(name) + "*");
    EXPECT_FALSE(SaveGrayed());
    Command(IDM_SAVE);
    EXPECT_EQ(TempFolder::Read(folder_.File(name)), written);
    EXPECT_EQ(Title(document), folder_.File(name));
    EXPECT_EQ(StatusText(0), folder_.File(name) + " saved");
    EXPECT_TRUE(SaveGrayed());
    EXPECT_EQ(GetFocus(), DocEditControl(document));
  }
}

// Every file step of every kind of save fails in turn: the step's message names the user's
// file, and the document and every file in its folder stay exactly as they were. Without a
// failure the file holds the converted text, and a replaced file's old bytes are its ".bak".
struct Scenario {
  const char* name;
  UINT command;
  int backup;
  bool viewing;        // the document is only viewed; otherwise "!" is typed into it
  const char* target;  // the file written; "doc.txt" is the document's own
  bool targetExists;
  std::string written;
};

class SaveFaultMatrix : public SaveDocumentTest {
 public:
  void Run(const Scenario& s) {
    const bool own = std::string(s.target) == "doc.txt";
    const bool exists = own || s.targetExists;
    const bool replaces = exists && s.backup && s.command != IDM_SAVESELECTION;
    const std::string bak = std::string(s.target).substr(0, std::strcspn(s.target, ".")) + ".bak";
    const std::string create = "Error detected creating this disk file";
    struct Step {
      FileStep step;
      bool reached;
      std::string message;
    } const steps[] = {
        // clang-format off
        {FileStep::Count, false, ""},  // no failure
        {FileStep::Open, true, create},
        {FileStep::Query, exists, create},
        {FileStep::CreateTemp, true, create},
        {FileStep::Write, true, "Error detected writing data to this disk file"},
        {FileStep::SetEnd, true, "Error detected setting EOF mark " + std::to_string(s.written.size()) + " on this file"},
        {FileStep::Flush, true, "Error detected flushing buffers for this disk file"},
        {FileStep::SetTimes, exists, create},
        {FileStep::Close, true, "Error detected closing this disk file"},
        {FileStep::SetAttributes, exists, create},
        {FileStep::Replace, replaces, create},
        {FileStep::Move, !replaces, create},
        // clang-format on
    };
    for (const Step& step : steps) {
      if (step.step != FileStep::Count && !step.reached) continue;
      SCOPED_TRACE(std::string(s.name) + ", failing step " + std::to_string(int(step.step)));
      TempFolder folder;
      folder.Write("doc.txt", "a\rb\r");  // Macintosh
      folder.Write("doc.bak", "older");
      if (!own && s.targetExists) {
        folder.Write(s.target, "old target");
        folder.Write(bak, "older");
      }
      const std::string path = folder.File(s.target);
      AppOptions.Backup = s.backup;
      HWND document = Open(folder.File("doc.txt"), s.viewing);
      ASSERT_NE(document, nullptr);
      if (!s.viewing) Type(document, "!");
      if (s.command == IDM_SAVESELECTION) SetEditSelection(DocEditControl(document), 1, 5);
      const Files before = FilesIn(folder);
      const std::string state = StateOf(document);

      DialogAnswerer answerer;
      PromptView view;
      if (s.command != IDM_SAVE) answerer.Run(LookAndEnter(view, path, kUnixFormat));
      if (s.command != IDM_SAVE && s.targetExists) answerer.PressButton(IDYES);  // replace?
      if (step.reached) {
        answerer.PressButton(IDOK);
        InjectFileFailure(step.step, ERROR_WRITE_FAULT);
      }
      Command(s.command);
      ClearFileFailures();

      Files after = before;
      std::string expected = state;
      if (step.reached) {
        EXPECT_EQ(MessageOf(answerer.Last()),
                  "File I/O Error | File: " + path + "\r\r" + step.message + "\r\rCode 29");
      } else {
        if (replaces) after[bak] = before.at(s.target);
        after[s.target] = s.written;
        const char* format = s.command == IDM_SAVE ? "1" : "2";
        if (s.command != IDM_SAVESELECTION)
          expected =
              path + " | modified 0 saved 1 viewing 0 format " + format + " | " + Text(document);
      }
      EXPECT_EQ(FilesIn(folder), after);
      EXPECT_EQ(StateOf(document), expected);
      Close(document);
    }
  }
};

TEST_F(SaveFaultMatrix, Save) {
  Run({"Save with backup", IDM_SAVE, 1, false, "doc.txt", true, "!a\rb\r"});
  Run({"Save without backup", IDM_SAVE, 0, false, "doc.txt", true, "!a\rb\r"});
}

TEST_F(SaveFaultMatrix, SaveAs) {
  Run({"Save As, new file", IDM_SAVEAS, 1, false, "target.txt", false, "!a\nb\n"});
  Run({"Save As viewed, new file", IDM_SAVEAS, 0, true, "target.txt", false, "a\nb\n"});
  Run({"Save As viewed over a file", IDM_SAVEAS, 1, true, "target.txt", true, "a\nb\n"});
  Run({"Save As over a file", IDM_SAVEAS, 0, false, "target.txt", true, "!a\nb\n"});
}

TEST_F(SaveFaultMatrix, SaveSelection) {
  Run({"Selection, new file", IDM_SAVESELECTION, 0, false, "selected.txt", false, "a\r\nb"});
  Run({"Selection over a file", IDM_SAVESELECTION, 1, false, "selected.txt", true, "a\r\nb"});
}

// Failures before or after the steps above: the message, and every file as it was.
TEST_F(SaveDocumentTest, ReadOnlyFileAndFailedReplaceKeepThePreviousFile) {
  const struct {
    const char* name;
    DWORD attributes;  // of doc.txt
    int backup;
    DWORD replaceError;  // made to fail ReplaceFile, or 0
    const char* bak;     // doc.bak afterwards
  } cases[] = {
      // A read-only file fails at the create step with access denied, backups on and off.
      {"read-only, backup", FILE_ATTRIBUTE_READONLY, 1, 0, "older"},
      {"read-only", FILE_ATTRIBUTE_READONLY, 0, 0, "older"},
      // ReplaceFile can fail after it has moved the old file to the backup name: it comes back.
      {"unable to remove", 0, 1, ERROR_UNABLE_TO_REMOVE_REPLACED, "older"},
      {"unable to move", 0, 1, ERROR_UNABLE_TO_MOVE_REPLACEMENT, "older"},
      {"unable to move 2", 0, 1, ERROR_UNABLE_TO_MOVE_REPLACEMENT_2, nullptr},  // old file was it
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder folder;
    folder.Write("doc.bak", "older");
    const std::string path = folder.Write("doc.txt", "before");
    AppOptions.Backup = c.backup;
    HWND document = Open(path);
    Type(document, "!");
    if (c.attributes) SetFileAttributesA(path.c_str(), c.attributes);
    if (c.replaceError) InjectFileFailure(FileStep::Replace, c.replaceError);
    answerer_.PressButton(IDOK);
    EXPECT_EQ(SaveDocument(document, AppOptions), 0);
    EXPECT_EQ(MessageOf(answerer_.Last()),
              "File I/O Error | File: " + path +
                  "\r\rError detected creating this disk file\r\rCode " +
                  std::to_string(c.replaceError ? c.replaceError : ERROR_ACCESS_DENIED));
    Files expected = {{"doc.txt", "before"}};  // no backup, no temporary file
    if (c.bak) expected["doc.bak"] = c.bak;
    EXPECT_EQ(FilesIn(folder), expected);
    EXPECT_EQ(Title(document), path + "*");
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    Close(document);
  }
}

TEST_F(SaveDocumentTest, NoMemoryForTheTextSaysSoAndWritesNothing) {
  HWND document = OpenModified("memory.txt", "abc");
  FailNextGlobalAllocations(1);
  answerer_.PressButton(IDOK);
  EXPECT_EQ(SaveDocument(document, AppOptions), 0);
  EXPECT_EQ(MessageOf(answerer_.Last()),
            "Norvel | \rCannot allocate memory for text buffer\r\rSize: 20 bytes requested");
  EXPECT_EQ(FilesIn(folder_), Files({{"memory.txt", "abc"}}));
}

TEST_F(SaveDocumentTest, SaveAsToUnixThenSaveKeepsUnix) {
  HWND document = WriteAndOpen("mac.txt", "a\rb");
  const std::string target = folder_.File("unix.txt");
  PromptView view;
  answerer_.Run(LookAndEnter(view, target, 2));
  Command(IDM_SAVEAS);
  EXPECT_EQ(view.currentType, "Macintosh");
  EXPECT_EQ(view.name, "mac.txt");
  EXPECT_EQ(StatusText(0), "Saved as " + target);
  EXPECT_STREQ(AppOptions.RecentFiles[0], target.c_str());
  EXPECT_EQ(TempFolder::Read(folder_.File("mac.txt")), "a\rb");  // the old file stays

  Type(document, "!");
  Command(IDM_SAVE);
  // No prompt the second time.
  EXPECT_EQ(TempFolder::Read(target), "!a\nb");
  EXPECT_EQ(TempFolder::Read(folder_.File("unix.bak")), "a\nb");
}

TEST_F(SaveDocumentTest, UntitledDocumentGoesThroughSaveAsAndBecomesSavedToDisk) {
  HWND document = New();
  Type(document, "x\ry");
  PromptView view;
  const std::string target = folder_.File("new.txt");
  answerer_.Run(LookAndEnter(view, target));
  Command(IDM_SAVE);
  EXPECT_EQ(view.currentType, "Windows");
  EXPECT_EQ(TempFolder::Read(target), "x\r\ny");
  EXPECT_EQ(StateOf(document), target + " | modified 0 saved 1 viewing 0 format 0 | x\r\ny");
}

TEST_F(SaveDocumentTest, SaveSelectionOffersSelectedTxtBesideTheDocumentOrOnlyBeeps) {
  HWND document = OpenModified("unix.txt", "one\ntwo\n");
  HWND edit = DocEditControl(document);
  SetEditSelection(edit, 2, 2);
  beeps_.clear();
  Command(IDM_SAVESELECTION);  // nothing selected
  EXPECT_EQ(beeps_, std::vector<UINT>{MB_ICONASTERISK});

  SetEditSelection(edit, 2, 8);  // "ne\r\ntw"
  PromptView view;
  answerer_.Run(LookAndEnter(view, folder_.File("selected.txt")));
  Command(IDM_SAVESELECTION);
  EXPECT_EQ(view.title, "Save Selected Text As");
  EXPECT_EQ(view.name, "selected.txt");
  EXPECT_EQ(lstrcmpiA(view.folder.c_str(), folder_.path().c_str()), 0) << view.folder;
  EXPECT_EQ(TempFolder::Read(folder_.File("selected.txt")), "ne\r\ntw");
  EXPECT_EQ(StatusText(0), folder_.File("selected.txt") + " saved");
  EXPECT_EQ(GetFocus(), edit);
}

// A file whose data has other names, a folder that takes no new files and a name Windows
// reads as its own ".bak" are written in place; a kept file keeps its attributes.
TEST_F(SaveDocumentTest, LinkedHiddenAndLockedFolderFilesKeepWhatTheUserHas) {
  struct Case {
    const char* name;  // the document's name as opened
    bool hardLink;     // "other.txt" is a second name of the file
    DWORD attributes;
    int backup;
    FileStep failing;  // with ERROR_ACCESS_DENIED
    Files after;
  } const cases[] = {
      // clang-format off
      {"doc.txt", true, 0, 1, FileStep::Count, {{"doc.txt", "!old"}, {"other.txt", "!old"}, {"doc.bak", "old"}}},
      {"doc.txt", false, 0, 1, FileStep::CreateTemp, {{"doc.txt", "!old"}, {"doc.bak", "old"}}},
      {"doc.txt", false, FILE_ATTRIBUTE_HIDDEN, 0, FileStep::Count, {{"doc.txt", "!old"}}},
      {"doc.txt", false, FILE_ATTRIBUTE_HIDDEN, 1, FileStep::Count, {{"doc.txt", "!old"}, {"doc.bak", "old"}}},
      {"doc.bak ", false, 0, 1, FileStep::Count, {{"doc.bak", "!old"}}},
      // clang-format on
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.name) + " " + std::to_string(c.attributes));
    TempFolder folder;
    const std::string file = folder.Write(std::string(c.name).substr(0, 7), "old");
    if (c.hardLink) {
      ASSERT_TRUE(CreateHardLinkA(folder.File("other.txt").c_str(), file.c_str(), nullptr));
    }
    if (c.attributes) SetFileAttributesA(file.c_str(), c.attributes);
    AppOptions.Backup = c.backup;
    HWND document = Open(folder.File(c.name));
    ASSERT_NE(document, nullptr);
    Type(document, "!");
    InjectFileFailure(c.failing, ERROR_ACCESS_DENIED);
    EXPECT_EQ(SaveDocument(document, AppOptions), 1);
    EXPECT_EQ(FilesIn(folder), c.after);
    EXPECT_EQ(GetFileAttributesA(file.c_str()) & FILE_ATTRIBUTE_HIDDEN, c.attributes);
    Close(document);
  }
}

// A document whose edit control is lost has no text to save: nothing is written.
TEST_F(SaveDocumentTest, DocumentWithoutItsControlSaysSoAndWritesNothing) {
  HWND document = OpenModified("keep.txt", "kept");
  HWND edit = DocEditControl(document);
  SetEditSelection(edit, 0, 2);
  const Files before = FilesIn(folder_);
  SetDocWord(document, kEditWord, 0);
  for (UINT command : {IDM_SAVE, IDM_SAVEAS, IDM_SAVESELECTION}) {
    SCOPED_TRACE(command);
    answerer_.PressButton(IDOK);
    Command(command);
    EXPECT_EQ(MessageOf(answerer_.Last()),
              "Norvel | File: " + folder_.File("keep.txt") +
                  "\r\rThe text of this document cannot be read\rNothing was written to the disk.");
    EXPECT_EQ(FilesIn(folder_), before);
  }
  SetDocWord(document, kEditWord, static_cast<LONG>(reinterpret_cast<LONG_PTR>(edit)));
  EXPECT_EQ(Title(document), folder_.File("keep.txt") + "*");
}

}  // namespace
