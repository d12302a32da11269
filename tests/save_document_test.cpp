// Saving documents: the bytes on disk, backups, Save As, Save Selection, and every failing
// step with its message, the files and the document left as they were.
#include <cstring>
#include <map>

#include "document_fixture.h"
#include "files/backup_name.h"
#include "files/line_format.h"
#include "files/save_document.h"
#include "prompt_view.h"
#include "resources/resource.h"
#include "ui/global_block.h"

namespace {

TEST(BackupName, ExtensionOfTheFileNameBecomesBakUnlessThatIsTheFileItself) {
  // The path and its backup, or "" when none is made.
  const std::pair<const char*, const char*> cases[] = {
      {"C:\\my.docs\\README", "C:\\my.docs\\README.bak"},  // a dot in the folder only
      {"C:\\work\\Notes.Bak  ", ""},  // Windows drops the blanks: the file itself
      {"C:\\work\\notes.bak. x", "C:\\work\\notes.bak.bak"},
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

using SaveDocumentTest = DocumentFixture;

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
const Scenario scenarios[] = {
    {"Save with backup", IDM_SAVE, 1, false, "doc.txt", true, "!a\rb\r"},
    {"Save without backup", IDM_SAVE, 0, false, "doc.txt", true, "!a\rb\r"},
    {"Save As viewed, new file", IDM_SAVEAS, 0, true, "target.txt", false, "a\nb\n"},
    {"Save As viewed over a file", IDM_SAVEAS, 1, true, "target.txt", true, "a\nb\n"},
    {"Save As over a file", IDM_SAVEAS, 0, false, "target.txt", true, "!a\nb\n"},
    {"Selection, new file", IDM_SAVESELECTION, 0, false, "selected.txt", false, "a\r\nb"},
    {"Selection over a file", IDM_SAVESELECTION, 1, false, "selected.txt", true, "a\r\nb"},
};

class SaveFaultMatrix : public DocumentFixture {
 public:
  // Runs scenarios [first, last): a few per test, each test a process of its own.
  void Run(size_t first, size_t last) {
    for (size_t i = first; i < last; ++i) {
      const Scenario& s = scenarios[i];
      const bool own = std::string(s.target) == "doc.txt";
      const bool exists = own || s.targetExists;
      const bool replaces = exists && s.backup && s.command != IDM_SAVESELECTION;
      const std::string bak = std::string(s.target).substr(0, std::strcspn(s.target, ".")) + ".bak";
      const std::string create = "Error detected creating this disk file";
      const struct {
        FileStep step;
        bool reached;
        std::string message;
      } steps[] = {
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
      for (const auto& step : steps) {
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

        // Save As offers the document's own name and convention.
        if (s.command == IDM_SAVEAS) {
          EXPECT_EQ(view.name + view.currentType, "doc.txtMacintosh");
        }
        Files after = before;
        std::string expected = state;
        if (step.reached) {
          EXPECT_EQ(answerer.Last().title + " | " + answerer.Last().ControlText(101),
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
  }
};

TEST_F(SaveFaultMatrix, Save) {
  Run(0, 2);
}
TEST_F(SaveFaultMatrix, SaveAsToANewFile) {
  Run(2, 3);
}
TEST_F(SaveFaultMatrix, SaveAsOverAFile) {
  Run(3, 5);
}
TEST_F(SaveFaultMatrix, SaveSelection) {
  Run(5, 7);
}

// Failures before or after the steps above keep every file as it was and show their message;
// a file whose data has other names, a folder that takes no new files and a name Windows reads
// as its own ".bak" are written in place, and a kept file keeps its attributes.
TEST_F(SaveDocumentTest, EdgesOfTheStepsKeepWhatTheUserHas) {
  const auto lose = [](const std::string&, HWND document) { SetDocWord(document, kEditWord, 0); };
  const auto inject = [](FileStep step, DWORD error) {
    return [=](const std::string&, HWND) { InjectFileFailure(step, error); };
  };
  const auto give = [](DWORD attributes) {
    return [=](const std::string& path, HWND) { SetFileAttributesA(path.c_str(), attributes); };
  };
  const auto readOnly = [](const std::string& path, HWND) {
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    AppOptions.Backup = 0;
  };
  const auto link = [](const std::string& path, HWND) {
    CreateHardLinkA((path.substr(0, path.size() - 7) + "other.txt").c_str(), path.c_str(), 0);
  };
  const std::string create = "File I/O Error|%Error detected creating this disk file\r\rCode ";
  const std::string noText =
      "Norvel|%The text of this document cannot be read\rNothing was written to the disk.";
  const Files kept = {{"doc.txt", "old"}}, inPlace = {{"doc.txt", "!old"}, {"doc.bak", "old"}},
              linked = {{"doc.txt", "!old"}, {"other.txt", "!old"}, {"doc.bak", "old"}};
  const struct {
    const char* name;  // the document's name as opened
    std::function<void(const std::string& path, HWND)> setup;
    UINT command;
    std::string said;  // title|text, "%" standing for "File: <path>\r\r"; "" when saved
    Files after;
  } cases[] = {
      // A read-only file is refused at the create step (with a backup due, ReplaceFile would
      // refuse it on its own).
      {"doc.txt", readOnly, IDM_SAVE, create + "5", kept},
      // ReplaceFile can fail after it has moved the old file to the backup name: it comes back.
      {"doc.txt", inject(FileStep::Replace, ERROR_UNABLE_TO_MOVE_REPLACEMENT_2), IDM_SAVE,
       create + "1177", kept},
      {"doc.txt", [](const std::string&, HWND) { FailNextGlobalAllocations(1); }, IDM_SAVE,
       "Norvel|\rCannot allocate memory for text buffer\r\rSize: 20 bytes requested", kept},
      // A document whose edit control is lost has no text: an empty file must not be written.
      {"doc.txt", lose, IDM_SAVE, noText, kept},
      {"doc.txt", lose, IDM_SAVESELECTION, noText, kept},
      {"doc.txt", link, IDM_SAVE, "", linked},
      {"doc.txt", inject(FileStep::CreateTemp, ERROR_ACCESS_DENIED), IDM_SAVE, "", inPlace},
      {"doc.txt", give(FILE_ATTRIBUTE_HIDDEN), IDM_SAVE, "", inPlace},
      {"doc.bak ", nullptr, IDM_SAVE, "", {{"doc.bak", "!old"}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(&c - cases));
    AppOptions.Backup = 1;
    TempFolder folder;
    const std::string path = folder.Write(std::string(c.name).substr(0, 7), "old");
    HWND document = Open(folder.File(c.name));
    HWND edit = DocEditControl(document);
    Type(document, "!");
    SetEditSelection(edit, 0, 2);
    if (c.setup) c.setup(path, document);
    const DWORD hidden = GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_HIDDEN;
    if (!c.said.empty()) answerer_.PressButton(IDOK);
    Command(c.command);
    ClearFileFailures();
    std::string said = c.said;
    if (size_t at = said.find('%'); at != std::string::npos)
      said.replace(at, 1, "File: " + path + "\r\r");
    if (!said.empty()) {
      EXPECT_EQ(answerer_.Last().title + "|" + Said(), said);
    }
    EXPECT_EQ(FilesIn(folder), c.after);
    EXPECT_EQ(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_HIDDEN, hidden);
    SetDocWord(document, kEditWord, static_cast<LONG>(reinterpret_cast<LONG_PTR>(edit)));
    EXPECT_EQ(Title(document).back() == '*', !said.empty());
    Close(document);
  }
}

}  // namespace
