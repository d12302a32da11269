// File name prompts: type lists, folders, selections and placement, with the real common
// dialogs answered by the test; and the Open command end to end.
#include <windows.h>
#include <commdlg.h>
#include <dlgs.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "app/tray.h"
#include "document/document_set.h"
#include "document_fixture.h"
#include "files/file_prompts.h"
#include "files/prompt_text.h"
#include "prompt_view.h"
#include "resources/resource.h"
#include "ui/global_block.h"

namespace {

// The pair list as (description, patterns) texts, read up to the double NUL.
std::vector<std::string> Pairs(const char* list, size_t capacity) {
  std::vector<std::string> items;
  size_t i = 0;
  while (i < capacity && list[i]) {
    items.emplace_back(list + i);
    i += items.back().size() + 1;
  }
  return items;
}

// ---- Pure rules ---------------------------------------------------------------------------

TEST(PromptText, TypeListsSplitAtTheirOwnLastCharacter) {
  struct Case {
    const char* text;
    std::vector<std::string> pairs;
  } const cases[] = {
      {"Text|*.txt|All Files|*.*|", {"Text", "*.txt", "All Files", "*.*"}},
      {"Docs#*.txt;*.a|b#All#*.*#", {"Docs", "*.txt;*.a|b", "All", "*.*"}},  // "|" is plain text
      {"Ready ...", {"Ready "}},
      {"", {}},
  };
  for (const Case& c : cases) {
    char buffer[64] = {};
    std::strcpy(buffer, c.text);
    EXPECT_EQ(SplitTypeList(buffer), std::strlen(c.text));
    EXPECT_EQ(Pairs(buffer, sizeof buffer), c.pairs) << c.text;
  }
}

TEST(PromptText, InitialFolderKeepsOnlyADriveRootsBackslash) {
  struct Case {
    const char* path;
    bool found;
    const char* folder;
  } const cases[] = {
      {"C:\\notes\\today.txt", true, "C:\\notes"},
      {"C:\\today.txt", true, "C:\\"},
      {"C:\\notes\\", true, "C:\\notes"},
      {"\\\\server\\share\\a.txt", true, "\\\\server\\share"},
      {"\\a.txt", true, "\\"},
      {"New1", false, ""},
      {"", false, ""},
      {nullptr, false, ""},
  };
  for (const Case& c : cases) {
    char folder[256] = "junk";
    EXPECT_EQ(InitialFolderOf(c.path, folder, sizeof folder), c.found) << c.folder;
    EXPECT_STREQ(folder, c.folder);
  }
  // Bounded: a long folder is cut to the buffer.
  const std::string longPath = "C:\\" + std::string(300, 'd') + "\\x.txt";
  char small[16];
  EXPECT_TRUE(InitialFolderOf(longPath.c_str(), small, sizeof small));
  EXPECT_EQ(std::strlen(small), 15u);
}

TEST(PromptText, FolderWithBackslashIsTheSelectedTextsFolder) {
  char folder[256];
  FolderWithBackslash("C:\\work\\notes.txt", folder, sizeof folder);
  EXPECT_STREQ(folder, "C:\\work\\");
  FolderWithBackslash("New3", folder, sizeof folder);
  EXPECT_STREQ(folder, "");
}

TEST(PromptText, PositionsStayThirtyFivePixelsInsideTheScreen) {
  struct Case {
    long position, extent, expected;
  } const cases[] = {
      {100, 1280, 100},   {1245, 1280, 1245}, {1246, 1280, 1245},
      {3000, 1280, 1245}, {900, 768, 733},    {-20, 1280, -20},
  };
  for (const Case& c : cases) EXPECT_EQ(ClampToScreen(c.position, c.extent), c.expected);
}

TEST(PromptText, SelectionBufferGivesFullPaths) {
  struct Case {
    const char* what;
    std::string buffer;  // with its NULs
    std::vector<std::string> paths;
  } const cases[] = {
      {"one file", std::string("C:\\dir\\a.txt\0\0", 14), {"C:\\dir\\a.txt"}},
      {"two in a folder",
       std::string("C:\\dir\0a.txt\0b.txt\0\0", 20),
       {"C:\\dir\\a.txt", "C:\\dir\\b.txt"}},
      {"two in a drive root",
       std::string("D:\\\0a.txt\0b.txt\0\0", 17),
       {"D:\\a.txt", "D:\\b.txt"}},
      {"one in a drive root", std::string("D:\\a.txt\0\0", 10), {"D:\\a.txt"}},
      {"empty", std::string("\0\0", 2), {}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> paths;
    const int visited = ForEachSelectedPath(c.buffer.data(), c.buffer.size(),
                                            [&](const char* path) { paths.push_back(path); });
    EXPECT_EQ(paths, c.paths) << c.what;
    EXPECT_EQ(visited, static_cast<int>(c.paths.size())) << c.what;
  }
}

TEST(PromptText, SelectionBufferNeverReadsPastItsEnd) {
  // No closing NULs at all: nothing is taken from beyond the buffer.
  const char unterminated[8] = {'C', ':', '\\', 'a', 'b', 'c', 'd', 'e'};
  std::vector<std::string> paths;
  ForEachSelectedPath(unterminated, sizeof unterminated,
                      [&](const char* path) { paths.push_back(path); });
  EXPECT_TRUE(paths.empty());

  // A name that makes the joined path longer than 255 characters is cut, never overflowed.
  std::string buffer = "C:\\" + std::string(200, 'f');
  buffer += '\0';
  buffer += std::string(200, 'n');
  buffer += std::string("\0\0", 2);
  ForEachSelectedPath(buffer.data(), buffer.size(),
                      [&](const char* path) { paths.push_back(path); });
  ASSERT_EQ(paths.size(), 1u);
  EXPECT_EQ(paths[0].size(), 255u);
}

// ---- Type lists from the options ------------------------------------------------------------

class FilterList : public ::testing::Test {
 protected:
  void SetUp() override { std::memset(&options_, 0, sizeof options_); }
  std::vector<std::string> Build(UINT defaultId = IDS_OPEN_FILTERS) {
    std::memset(list_, 'x', sizeof list_);
    if (!BuildFilterList(options_, list_, defaultId)) return {"<failed>"};
    return Pairs(list_, sizeof list_);
  }
  AppOptionsRecord options_;
  char list_[kFilterListCapacity];
};

TEST_F(FilterList, AllFiltersEmptyGivesTheSixDefaultTypes) {
  EXPECT_EQ(Build(),
            (std::vector<std::string>{"Text Files", "*.txt;*.htm*;*.log;*.err;*.lst", "Source Code",
                                      "*.c;*.h;*.cpp;*.rc;*.def;*.hpj", "Assembler",
                                      "*.asm;*.inc;*.equ;*.mac;*.map", "Initialization",
                                      "*.bat;*.ini;*.cfg;*.sys;*.mak", "Language",
                                      "*.pas;*.for;*.lst;*.cod", "All Files", "*.*"}));
}

TEST_F(FilterList, SetFiltersComeInOrderFollowedByAllFiles) {
  std::strcpy(options_.Filters[0], "Notes|*.not|");
  EXPECT_EQ(Build(), (std::vector<std::string>{"Notes", "*.not", "All Files", "*.*"}));

  std::strcpy(options_.Filters[4], "Logs|*.log;*.err|");
  std::strcpy(options_.Filters[8], "Ninth|*.9|");
  EXPECT_EQ(Build(), (std::vector<std::string>{"Notes", "*.not", "Logs", "*.log;*.err", "Ninth",
                                               "*.9", "All Files", "*.*"}));
}

TEST_F(FilterList, NineFullLengthFiltersFitTheBuffer) {
  for (auto& filter : options_.Filters) {
    std::string text = std::string(240, 'D') + "|" + std::string(13, 'p') + "|";
    ASSERT_EQ(text.size(), 255u);
    std::strcpy(filter, text.c_str());
  }
  const std::vector<std::string> pairs = Build();
  ASSERT_EQ(pairs.size(), 20u);
  EXPECT_EQ(pairs[18], "All Files");
  EXPECT_EQ(pairs[19], "*.*");
}

TEST_F(FilterList, ADefaultTextUsesItsOwnLastCharacterAsSeparator) {
  // 60000 is "Ready ...": its separator is ".".
  EXPECT_EQ(Build(60000), (std::vector<std::string>{"Ready "}));
}

// ---- The prompts with the real dialogs ------------------------------------------------------

BOOL BottomTaskbar(RECT* rect) {
  *rect = RECT{0, 994, 1280, 1024};
  return TRUE;
}
BOOL NotAutoHide() {
  return FALSE;
}
const TaskbarQueries kBottomTaskbar = {BottomTaskbar, NotAutoHide};

class FilePrompts : public DocumentFixture {
 protected:
  void SetUp() override {
    DocumentFixture::SetUp();
    for (auto& filter : AppOptions.Filters) filter[0] = '\0';
    SetTaskbarQueries(&kBottomTaskbar);
  }
  void TearDown() override {
    SetTaskbarQueries(nullptr);
    DocumentFixture::TearDown();
  }
  DialogAnswerer answerer_;
};

const std::vector<std::string> kDefaultTypes = {"Text Files",     "Source Code", "Assembler",
                                                "Initialization", "Language",    "All Files"};

TEST_F(FilePrompts, EachPromptHasItsTitleTypesFolderAndReadOnlyBox) {
  const std::string document = folder_.File("doc.txt");
  struct Case {
    const char* what;
    std::function<int()> open;
    std::string title;
    std::vector<std::string> types;
    std::string currentType;
    bool readOnlyShown;
    std::string folder;  // "" when the dialog chooses
  };
  char name[kPathCapacity];
  DWORD readOnly = 1;
  DWORD saveType = 2;
  const Case cases[] = {
      {"open documents",
       [&] { return PromptOpenDocuments(frame_, IDS_OPEN_FILTERS, IDS_OPEN_TITLE, AppOptions); },
       "Open Text Files", kDefaultTypes, "Text Files", true, ""},
      {"save as",
       [&] {
         lstrcpynA(name, document.c_str(), sizeof name);
         return PromptSaveAs(frame_, name, &saveType);
       },
       "Save Text File As",
       {"Windows", "Macintosh", "Unix"},
       "Macintosh",
       false,
       folder_.path()},
      {"save selection",
       [&] {
         lstrcpynA(name, folder_.File("selected.txt").c_str(), sizeof name);
         return PromptSaveSelection(frame_, AppOptions, name);
       },
       "Save Selected Text As", kDefaultTypes, "Text Files", false, folder_.path()},
      {"insert file", [&] { return PromptInsertFile(frame_, AppOptions, document.c_str(), name); },
       "Select the Text File to Insert into this Document", kDefaultTypes, "Text Files", false,
       folder_.path()},
      {"save list",
       [&] {
         lstrcpynA(name, "List1", sizeof name);
         return PromptSaveList(frame_, name);
       },
       "Save Indirect File List As",
       {"Indirect File Lists", "All Files"},
       "Indirect File Lists",
       false,
       ""},
      {"open list",
       [&] {
         return PromptOpenFile(frame_, IDS_LIST_OPEN_TITLE, IDS_LIST_TYPES, document.c_str(), name,
                               &readOnly);
       },
       "Open an Indirect File List",
       {"Indirect File Lists", "All Files"},
       "Indirect File Lists",
       true,
       folder_.path()},
      {"open file without a read-only flag",
       [&] {
         return PromptOpenFile(frame_, IDS_LIST_OPEN_TITLE, IDS_LIST_TYPES, document.c_str(), name,
                               nullptr);
       },
       "Open an Indirect File List",
       {"Indirect File Lists", "All Files"},
       "Indirect File Lists",
       false,
       folder_.path()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    PromptView view;
    answerer_.Run(LookAndCancel(view));
    EXPECT_EQ(c.open(), 0);  // cancelled
    EXPECT_EQ(view.title, c.title);
    EXPECT_EQ(view.types, c.types);
    EXPECT_EQ(view.currentType, c.currentType);
    EXPECT_EQ(view.readOnlyShown, c.readOnlyShown);
    if (!c.folder.empty()) {
      EXPECT_EQ(lstrcmpiA(view.folder.c_str(), c.folder.c_str()), 0) << view.folder;
    }
  }
  EXPECT_EQ(readOnly, 1u);  // untouched by a cancel
  EXPECT_EQ(saveType, 2u);
  EXPECT_EQ(DocumentCount(), 0);
}

TEST_F(FilePrompts, OpenPromptOffersTheSetFilterAndAllFiles) {
  std::strcpy(AppOptions.Filters[0], "Notes|*.not|");
  PromptView view;
  answerer_.Run(LookAndCancel(view));
  EXPECT_EQ(PromptOpenDocuments(frame_, IDS_OPEN_FILTERS, IDS_OPEN_TITLE, AppOptions), 0);
  EXPECT_EQ(view.types, (std::vector<std::string>{"Notes", "All Files"}));
  EXPECT_FALSE(view.readOnlyChecked);
}

TEST_F(FilePrompts, SaveAsReturnsTheChosenTypeAndPath) {
  char name[kPathCapacity];
  lstrcpynA(name, folder_.File("unix.txt").c_str(), sizeof name);
  DWORD type = 3;  // a Unix document
  PromptView view;
  answerer_.Run(LookAndEnter(view, folder_.File("mac.txt"), 1));
  ASSERT_NE(PromptSaveAs(frame_, name, &type), 0);
  EXPECT_EQ(view.currentType, "Unix");
  EXPECT_EQ(view.name, "unix.txt");
  EXPECT_EQ(type, 2u);  // Macintosh
  EXPECT_EQ(std::string(name), folder_.File("mac.txt"));
}

TEST_F(FilePrompts, EachPromptRemembersItsOwnLastTypeUntilCancelled) {
  char name[kPathCapacity];
  const std::string list = folder_.Write("a.lst", "x");
  PromptView view;

  // Insert File confirmed on type 3 ...
  folder_.Write("insert.asm", "x");
  answerer_.Run(LookAndEnter(view, folder_.File("insert.asm"), 2));
  ASSERT_NE(PromptInsertFile(frame_, AppOptions, folder_.File("doc.txt").c_str(), name), 0);
  EXPECT_EQ(std::string(name), folder_.File("insert.asm"));
  // ... opens on it again, and a cancelled choice is not kept ...
  answerer_.Run([&](HWND dialog, DialogAnswerer&) {
    view = Look(dialog);
    ChooseType(dialog, 4);
    DialogAnswerer::Dismiss(dialog);
  });
  PromptInsertFile(frame_, AppOptions, folder_.File("doc.txt").c_str(), name);
  EXPECT_EQ(view.currentType, "Assembler");
  answerer_.Run(LookAndCancel(view));
  PromptInsertFile(frame_, AppOptions, folder_.File("doc.txt").c_str(), name);
  EXPECT_EQ(view.currentType, "Assembler");

  // ... while the other prompts keep their own choice.
  answerer_.Run(LookAndCancel(view));
  PromptOpenDocuments(frame_, IDS_OPEN_FILTERS, IDS_OPEN_TITLE, AppOptions);
  EXPECT_EQ(view.currentType, "Text Files");
  answerer_.Run(LookAndEnter(view, list, 1));
  ASSERT_NE(
      PromptOpenFile(frame_, IDS_LIST_OPEN_TITLE, IDS_LIST_TYPES, list.c_str(), name, nullptr), 0);
  answerer_.Run(LookAndCancel(view));
  PromptOpenFile(frame_, IDS_LIST_OPEN_TITLE, IDS_LIST_TYPES, list.c_str(), name, nullptr);
  EXPECT_EQ(view.currentType, "All Files");
  answerer_.Run(LookAndCancel(view));
  PromptSaveList(frame_, name);
  EXPECT_EQ(view.currentType, "Indirect File Lists");
}

TEST_F(FilePrompts, ReadOnlyBoxStateComesBack) {
  const std::string list = folder_.Write("b.lst", "x");
  char name[kPathCapacity];
  for (DWORD start : {0u, 1u}) {
    DWORD readOnly = start;
    PromptView view;
    answerer_.Run(LookAndEnter(view, list, -1, [](HWND dialog) {
      DialogAnswerer::Click(dialog, chx1);  // the user flips the box
    }));
    ASSERT_NE(PromptOpenFile(frame_, IDS_LIST_OPEN_TITLE, IDS_LIST_TYPES, nullptr, name, &readOnly),
              0);
    EXPECT_EQ(view.readOnlyChecked, start != 0);
    EXPECT_EQ(readOnly, start ? 0u : 1u);
  }
}

TEST_F(FilePrompts, SaveListAddsTheListExtension) {
  char name[kPathCapacity] = "List1";
  PromptView view;
  answerer_.Run(LookAndEnter(view, folder_.File("mine")));
  ASSERT_NE(PromptSaveList(frame_, name), 0);
  EXPECT_EQ(view.name, "List1");
  EXPECT_EQ(std::string(name), folder_.File("mine.lst"));
}

TEST_F(FilePrompts, PromptsOpenWhereTheirKindWasLastConfirmedKeptOnScreen) {
  const LONG screenWidth = ScreenRect.right - ScreenRect.left;
  const LONG screenHeight = ScreenRect.bottom - ScreenRect.top;
  ASSERT_GT(screenWidth, 400);
  char name[kPathCapacity];
  const std::string list = folder_.Write("c.lst", "x");

  // Placed near the bottom-right corner of a larger screen: kept 35 pixels inside this one.
  OptionRecords.GetFile.Left = screenWidth + 500;
  OptionRecords.GetFile.Top = screenHeight + 300;
  OptionRecords.PutFile.Left = 120;
  OptionRecords.PutFile.Top = 90;
  PromptView view;
  answerer_.Run(LookAndCancel(view));
  PromptOpenFile(frame_, IDS_LIST_OPEN_TITLE, IDS_LIST_TYPES, nullptr, name, nullptr);
  EXPECT_EQ(view.rect.left, screenWidth - 35);
  EXPECT_EQ(view.rect.top, screenHeight - 35);
  answerer_.Run(LookAndCancel(view));
  PromptOpenDocuments(frame_, IDS_OPEN_FILTERS, IDS_OPEN_TITLE, AppOptions);
  EXPECT_EQ(view.rect.left, screenWidth - 35);
  answerer_.Run(LookAndCancel(view));
  lstrcpynA(name, "List1", sizeof name);
  PromptSaveList(frame_, name);
  EXPECT_EQ(view.rect.left, 120);
  EXPECT_EQ(view.rect.top, 90);
  EXPECT_EQ(OptionRecords.GetFile.Left, screenWidth + 500);  // a cancel records nothing

  // Moved by the user and confirmed: every open prompt opens there from now on.
  answerer_.Run(LookAndEnter(view, list, -1, [](HWND dialog) {
    SetWindowPos(dialog, nullptr, 210, 160, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  }));
  ASSERT_NE(PromptOpenFile(frame_, IDS_LIST_OPEN_TITLE, IDS_LIST_TYPES, nullptr, name, nullptr), 0);
  EXPECT_EQ(OptionRecords.GetFile.Left, 210);
  EXPECT_EQ(OptionRecords.GetFile.Top, 160);
  EXPECT_EQ(OptionRecords.PutFile.Left, 120);
  answerer_.Run(LookAndCancel(view));
  PromptInsertFile(frame_, AppOptions, nullptr, name);
  EXPECT_EQ(view.rect.left, 210);
  EXPECT_EQ(view.rect.top, 160);
}

// ---- The Open command -----------------------------------------------------------------------

// Navigates the Open prompt to `folder`, then enters the quoted names.
DialogAnswerer::Action ChooseFiles(const std::string& folder, const std::string& names,
                                   bool readOnly = false) {
  return [folder, names, readOnly](HWND dialog, DialogAnswerer&) {
    DialogAnswerer::SetControlText(dialog, cmb13, folder);
    DialogAnswerer::Click(dialog, IDOK);
    if (readOnly) DialogAnswerer::Click(dialog, chx1);
    DialogAnswerer::SetControlText(dialog, cmb13, names);
    DialogAnswerer::Click(dialog, IDOK);
  };
}

TEST_F(FilePrompts, OpenCommandOpensEveryChosenFile) {
  const std::string a = folder_.Write("a.txt", "alpha");
  const std::string b = folder_.Write("b.txt", "beta\nline");
  answerer_.Run(ChooseFiles(folder_.path(), "\"a.txt\" \"b.txt\""));
  Command(IDM_OPEN);
  ASSERT_EQ(answerer_.Count(), 1u);
  EXPECT_EQ(DocumentCount(), 2);
  HWND first = FindOpenDocument(a.c_str());
  HWND second = FindOpenDocument(b.c_str());
  ASSERT_TRUE(first && second);
  EXPECT_EQ(Text(first), "alpha");
  EXPECT_EQ(Text(second), "beta\r\nline");
  EXPECT_EQ(GetDocWord(first, kViewingWord), 0);
  EXPECT_FALSE(BulkOperation);
}

TEST_F(FilePrompts, OpenCommandInADriveRootJoinsWithOneBackslash) {
  char name[2][64];
  for (int i = 0; i < 2; ++i) {
    wsprintfA(name[i], "C:\\norvel-root-%lu-%d.txt", GetCurrentProcessId(), i);
    HANDLE file = CreateFileA(name[i], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);
  }
  answerer_.Run(ChooseFiles(
      "C:\\", "\"" + std::string(name[0] + 3) + "\" \"" + std::string(name[1] + 3) + "\""));
  Command(IDM_OPEN);
  std::vector<std::string> titles;
  ForEachDocWindow([&](HWND document) { titles.push_back(Title(document)); });
  for (int i = 0; i < 2; ++i) DeleteFileA(name[i]);
  ASSERT_EQ(titles.size(), 2u);
  for (const std::string& title : titles) {
    EXPECT_TRUE(title == name[0] || title == name[1]) << title;
  }
}

TEST_F(FilePrompts, ReadOnlyBoxOpensEveryChosenFileForViewing) {
  folder_.Write("a.txt", "alpha");
  folder_.Write("b.txt", "beta");
  answerer_.Run(ChooseFiles(folder_.path(), "\"a.txt\" \"b.txt\"", true));
  Command(IDM_OPEN);
  ASSERT_EQ(DocumentCount(), 2);
  ForEachDocWindow(
      [&](HWND document) { EXPECT_EQ(GetDocWord(document, kViewingWord), 1) << Title(document); });
}

TEST_F(FilePrompts, AnAlreadyOpenFileIsBroughtForwardWithABeepNotOpenedTwice) {
  const std::string a = folder_.Write("a.txt", "alpha");
  const std::string b = folder_.Write("b.txt", "beta");
  HWND open = Open(a);
  ASSERT_NE(open, nullptr);
  New();
  ASSERT_NE(ActiveDocWindow, open);
  beeps_.clear();

  // Chosen alone, in another letter case.
  answerer_.EnterFileName(folder_.File("A.TXT"));
  Command(IDM_OPEN);
  EXPECT_EQ(DocumentCount(), 2);
  EXPECT_EQ(ActiveDocWindow, open);
  EXPECT_EQ(beeps_, std::vector<UINT>{MB_ICONASTERISK});

  // Chosen with a new one: only the new one opens.
  New();
  beeps_.clear();
  answerer_.Run(ChooseFiles(folder_.path(), "\"a.txt\" \"b.txt\""));
  Command(IDM_OPEN);
  EXPECT_EQ(DocumentCount(), 4);
  EXPECT_EQ(beeps_.size(), 1u);
  EXPECT_NE(FindOpenDocument(b.c_str()), nullptr);
}

TEST_F(FilePrompts, CancelledOpenOpensNothingAndClearsBulkOperation) {
  answerer_.PressButton(IDCANCEL);
  Command(IDM_OPEN);
  EXPECT_EQ(DocumentCount(), 0);
  EXPECT_FALSE(BulkOperation);
  EXPECT_TRUE(beeps_.empty());
}

TEST_F(FilePrompts, OpenWithoutMemoryForTheSelectionSaysSo) {
  FailNextGlobalAllocations(1);
  answerer_.PressButton(IDOK);
  Command(IDM_OPEN);
  ASSERT_EQ(answerer_.Count(), 1u);
  EXPECT_EQ(answerer_.Last().title, "Norvel");
  EXPECT_TRUE(answerer_.Last().HasText(
      "\rCannot allocate memory for string buffer\r\rSize: 8192 bytes requested"))
      << answerer_.Last().Describe();
  EXPECT_EQ(DocumentCount(), 0);
}

}  // namespace
