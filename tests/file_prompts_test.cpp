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
#include "settings/placement.h"
#include "docset/document_set.h"
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

TEST(PromptText, InitialFolderKeepsOnlyADriveRootsBackslash) {
  struct Case {
    const char* path;
    bool found;
    const char* folder;
  } const cases[] = {
      {"C:\\notes\\today.txt", true, "C:\\notes"},
      {"C:\\today.txt", true, "C:\\"},
      {"\\\\server\\share\\a.txt", true, "\\\\server\\share"},
      {"\\a.txt", true, "\\"},
      {"New1", false, ""},
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

// The selection buffer gives full paths, joined with one backslash even in a drive root; it is
// never read past its end, and a joined path is cut at 255 characters.
TEST(PromptText, SelectionBufferGivesFullPaths) {
  const std::string longFolder = "C:\\" + std::string(200, 'f');
  const std::string longName(200, 'n');
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
      {"empty", std::string("\0\0", 2), {}},
      {"unterminated", "C:\\abcde", {}},
      {"too long",
       longFolder + '\0' + longName + std::string("\0\0", 2),
       {(longFolder + "\\" + longName).substr(0, 255)}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> paths;
    const int visited = ForEachSelectedPath(c.buffer.data(), c.buffer.size(),
                                            [&](const char* path) { paths.push_back(path); });
    EXPECT_EQ(paths, c.paths) << c.what;
    EXPECT_EQ(visited, static_cast<int>(c.paths.size())) << c.what;
  }
}

// ---- Type lists from the options ------------------------------------------------------------

// All filters empty gives the six types of the default list; set filters come in order followed
// by All Files; a list is split at its own last character ("Ready ..." splits at ".").
TEST(FilterList, BuiltFromTheOptionsOrTheDefaultText) {
  const std::string full = std::string(240, 'D') + "|" + std::string(13, 'p') + "|";  // 255
  struct Case {
    const char* what;
    std::vector<std::pair<int, std::string>> filters;
    UINT defaultId;
    std::vector<std::string> pairs;  // empty: check the nine full-length filters
  } const cases[] = {
      {"all empty",
       {},
       IDS_OPEN_FILTERS,
       {"Text Files", "*.txt;*.htm*;*.log;*.err;*.lst", "Source Code",
        "*.c;*.h;*.cpp;*.rc;*.def;*.hpj", "Assembler", "*.asm;*.inc;*.equ;*.mac;*.map",
        "Initialization", "*.bat;*.ini;*.cfg;*.sys;*.mak", "Language", "*.pas;*.for;*.lst;*.cod",
        "All Files", "*.*"}},
      {"only Filter1",
       {{0, "Notes|*.not|"}},
       IDS_OPEN_FILTERS,
       {"Notes", "*.not", "All Files", "*.*"}},
      {"three set",
       {{0, "Notes|*.not|"}, {4, "Logs|*.log;*.err|"}, {8, "Ninth|*.9|"}},
       IDS_OPEN_FILTERS,
       {"Notes", "*.not", "Logs", "*.log;*.err", "Ninth", "*.9", "All Files", "*.*"}},
      {"own separator", {}, 60000, {"Ready "}},
      {"nine full length",
       {{0, full},
        {1, full},
        {2, full},
        {3, full},
        {4, full},
        {5, full},
        {6, full},
        {7, full},
        {8, full}},
       IDS_OPEN_FILTERS,
       {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    AppOptionsRecord options;
    std::memset(&options, 0, sizeof options);
    for (const auto& filter : c.filters)
      std::strcpy(options.Filters[filter.first], filter.second.c_str());
    static char list[kFilterListCapacity];
    std::memset(list, 'x', sizeof list);
    ASSERT_TRUE(BuildFilterList(options, list, c.defaultId));
    const std::vector<std::string> pairs = Pairs(list, sizeof list);
    if (c.pairs.empty()) {
      ASSERT_EQ(pairs.size(), 20u);
      EXPECT_EQ(pairs[18], "All Files");
      EXPECT_EQ(pairs[19], "*.*");
    } else {
      EXPECT_EQ(pairs, c.pairs);
    }
  }
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
       [&] {
         return PromptOpenDocuments(frame_, IDS_OPEN_FILTERS, IDS_OPEN_TITLE, AppOptions,
                                    OpenChosenDocument);
       },
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

TEST_F(FilePrompts, SaveListAddsTheListExtension) {
  char name[kPathCapacity] = "List1";
  PromptView view;
  answerer_.Run(LookAndEnter(view, folder_.File("mine")));
  ASSERT_NE(PromptSaveList(frame_, name), 0);
  EXPECT_EQ(view.title, "Save Indirect File List As");
  EXPECT_EQ(view.types, (std::vector<std::string>{"Indirect File Lists", "All Files"}));
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
  PromptOpenDocuments(frame_, IDS_OPEN_FILTERS, IDS_OPEN_TITLE, AppOptions, OpenChosenDocument);
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

TEST_F(FilePrompts, OpenCommandOpensEveryChosenFileForViewingWithTheReadOnlyBox) {
  for (const bool readOnly : {false, true}) {
    SCOPED_TRACE(readOnly);
    const std::string a = folder_.Write(readOnly ? "c.txt" : "a.txt", "alpha");
    const std::string b = folder_.Write(readOnly ? "d.txt" : "b.txt", "beta\nline");
    answerer_.Run(ChooseFiles(folder_.path(),
                              readOnly ? "\"c.txt\" \"d.txt\"" : "\"a.txt\" \"b.txt\"", readOnly));
    Command(IDM_OPEN);
    EXPECT_EQ(DocumentCount(), readOnly ? 4 : 2);
    HWND first = FindOpenDocument(a.c_str());
    HWND second = FindOpenDocument(b.c_str());
    ASSERT_TRUE(first && second);
    EXPECT_EQ(Text(first), "alpha");
    EXPECT_EQ(Text(second), "beta\r\nline");
    EXPECT_EQ(GetDocWord(first, kViewingWord), readOnly ? 1 : 0);
    EXPECT_EQ(GetDocWord(second, kViewingWord), readOnly ? 1 : 0);
    EXPECT_FALSE(BulkOperation);
  }
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

TEST_F(FilePrompts, AnAlreadyOpenFileIsBroughtForwardWithABeepNotOpenedTwice) {
  HWND open = Open(folder_.Write("a.txt", "alpha"));
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
