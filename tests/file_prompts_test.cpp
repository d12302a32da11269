// File name prompts: the folder and selection rules, type lists from the options, each prompt's
// title, types and placement with the real common dialogs, and the Open command end to end.
#include <windows.h>
#include <commdlg.h>
#include <dlgs.h>

#include <cstring>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "app/topmost.h"
#include "settings/placement.h"
#include "docset/document_set.h"
#include "document_fixture.h"
#include "files/file_prompts.h"
#include "files/prompt_text.h"
#include "prompt_view.h"
#include "resources/resource.h"
#include "ui/global_block.h"

namespace {

// clang-format off
TEST(PromptText, InitialFolderAndSelectedPaths) {
  const std::pair<const char*, const char*> folders[] = {
      {"C:\\notes\\today.txt", "C:\\notes"}, {"C:\\today.txt", "C:\\"},
      {"\\\\server\\share\\a.txt", "\\\\server\\share"}, {"New1", ""}, {nullptr, ""}};
  for (const auto& [path, folder] : folders) {
    char shown[16] = "junk";
    EXPECT_EQ(InitialFolderOf(path, shown, sizeof shown), *folder != '\0');
    EXPECT_STREQ(shown, folder);
  }
  const std::string longFolder = "C:\\" + std::string(200, 'f'), longName(200, 'n');
  const std::pair<std::string, std::vector<std::string>> selections[] = {
      {std::string("C:\\dir\\a.txt\0\0", 14), {"C:\\dir\\a.txt"}},
      {std::string("C:\\dir\0a.txt\0b.txt\0\0", 20), {"C:\\dir\\a.txt", "C:\\dir\\b.txt"}},
      {std::string("D:\\\0a.txt\0\0", 11), {"D:\\a.txt"}},
      {"C:\\abcde", {}},  // unterminated: never read past the end
      {longFolder + '\0' + longName + std::string(2, '\0'), {(longFolder + "\\" + longName).substr(0, 255)}}};
  for (const auto& [buffer, expected] : selections) {
    std::vector<std::string> paths;
    ForEachSelectedPath(buffer.data(), buffer.size(), [&](const char* p) { paths.push_back(p); });
    EXPECT_EQ(paths, expected);
  }
}

// Set filters in order, then All Files; all empty gives the default list, split at its own
// last character.
TEST(FilterList, BuiltFromTheOptionsOrTheDefaultText) {
  const std::tuple<int, const char*, UINT, const char*> cases[] = {  // slot, filter, default, list
      {0, "", IDS_OPEN_FILTERS,
       "Text Files|*.txt;*.htm*;*.log;*.err;*.lst|Source Code|*.c;*.h;*.cpp;*.rc;*.def;*.hpj|"
       "Assembler|*.asm;*.inc;*.equ;*.mac;*.map|Initialization|*.bat;*.ini;*.cfg;*.sys;*.mak|"
       "Language|*.pas;*.for;*.lst;*.cod|All Files|*.*||"},
      {8, "Ninth|*.9|", IDS_OPEN_FILTERS, "Ninth|*.9|All Files|*.*||"},
      {0, "", 60000, "Ready ||"}};
  for (const auto& [slot, filter, defaultId, expected] : cases) {
    static AppOptionsRecord options;
    std::memset(&options, 0, sizeof options);
    std::strcpy(options.Filters[slot], filter);
    static char list[kFilterListCapacity];
    ASSERT_TRUE(BuildFilterList(options, list, defaultId));
    std::string shown(list, std::strlen(expected));
    for (char& ch : shown) ch = ch ? ch : '|';
    EXPECT_EQ(shown, expected);
  }
}
// clang-format on

BOOL BottomTaskbar(RECT* rect) {
  *rect = RECT{0, 994, 1280, 1024};
  return TRUE;
}
const TaskbarQueries kBottomTaskbar = {BottomTaskbar, [] { return FALSE; }};

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
};

TEST_F(FilePrompts, EachPromptShowsItsTitleTypesAndFolder) {
  char name[kPathCapacity];
  DWORD type = 2, readOnly = 0;
  const struct {
    std::function<int()> open;
    std::string title, types, currentType;
    bool readOnlyBox;
  } cases[] = {
      {[&] {
         return PromptOpenDocuments(frame_, IDS_OPEN_FILTERS, IDS_OPEN_TITLE, AppOptions,
                                    OpenChosenDocument);
       },
       "Open Text Files", "Text Files|Source Code|Assembler|Initialization|Language|All Files|",
       "Text Files", true},
      {[&] {
         lstrcpynA(name, folder_.File("doc.txt").c_str(), sizeof name);
         return PromptSaveAs(frame_, name, &type);
       },
       "Save Text File As", "Windows|Macintosh|Unix|", "Macintosh", false},
      {[&] {
         return PromptOpenFile(frame_, IDS_LIST_OPEN_TITLE, IDS_LIST_TYPES,
                               folder_.File("doc.txt").c_str(), name, &readOnly);
       },
       "Open an Indirect File List", "Indirect File Lists|All Files|", "Indirect File Lists", true},
  };
  for (const auto& c : cases) {
    PromptView view;
    answerer_.Run(LookAndCancel(view));
    EXPECT_EQ(c.open(), 0);
    EXPECT_EQ(view.title, c.title);
    std::string types;
    for (const std::string& t : view.types) types += t + "|";
    EXPECT_EQ(types, c.types);
    EXPECT_EQ(view.currentType, c.currentType);
    EXPECT_EQ(view.readOnlyShown, c.readOnlyBox);
    if (c.title != "Open Text Files") {
      EXPECT_EQ(lstrcmpiA(view.folder.c_str(), folder_.path().c_str()), 0);
    }
  }
  EXPECT_EQ(type, 2u);  // untouched by a cancel

  // Save List adds the list extension (Save As is seen through the saves themselves).
  PromptView view;
  lstrcpynA(name, "List1", sizeof name);
  answerer_.Run(LookAndEnter(view, folder_.File("mine")));
  ASSERT_NE(PromptSaveList(frame_, name), 0);
  EXPECT_EQ(view.title, "Save Indirect File List As");
  EXPECT_EQ(std::string(name), folder_.File("mine.lst"));
}

// Each kind of prompt opens where it was last confirmed, kept 35 pixels inside the screen.
TEST_F(FilePrompts, PromptsOpenWhereTheirKindWasLastConfirmed) {
  const LONG width = ScreenRect.right, height = ScreenRect.bottom;
  char name[kPathCapacity] = "List1";
  OptionRecords.GetFile.Left = width + 500;
  OptionRecords.GetFile.Top = height + 300;
  OptionRecords.PutFile.Left = 120;
  OptionRecords.PutFile.Top = 90;
  PromptView open, save, moved, again;
  answerer_.Run(LookAndCancel(open)).Run(LookAndCancel(save));
  PromptOpenDocuments(frame_, IDS_OPEN_FILTERS, IDS_OPEN_TITLE, AppOptions, OpenChosenDocument);
  PromptSaveList(frame_, name);
  EXPECT_EQ(open.rect.left, width - 35);
  EXPECT_EQ(open.rect.top, height - 35);
  EXPECT_EQ(save.rect.left, 120);
  EXPECT_EQ(save.rect.top, 90);
  EXPECT_EQ(OptionRecords.GetFile.Left, width + 500);  // a cancel records nothing

  answerer_.Run(LookAndEnter(moved, folder_.Write("c.lst", "x"), -1, [](HWND dialog) {
    SetWindowPos(dialog, nullptr, 210, 160, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  }));
  ASSERT_NE(PromptOpenFile(frame_, IDS_LIST_OPEN_TITLE, IDS_LIST_TYPES, nullptr, name, nullptr), 0);
  answerer_.Run(LookAndCancel(again));
  PromptInsertFile(frame_, AppOptions, nullptr, name);
  EXPECT_EQ(again.rect.left, 210);
  EXPECT_EQ(again.rect.top, 160);
  EXPECT_EQ(OptionRecords.PutFile.Left, 120);
}

TEST_F(FilePrompts, OpenCommandOpensTheChosenFilesOnceEach) {
  const std::string a = folder_.Write("a.txt", "alpha"), b = folder_.Write("b.txt", "beta\nline");
  answerer_.Run([this](HWND dialog, DialogAnswerer&) {
    DialogAnswerer::SetControlText(dialog, cmb13, folder_.path());
    DialogAnswerer::Click(dialog, IDOK);
    DialogAnswerer::Click(dialog, chx1);  // read-only: for viewing
    DialogAnswerer::SetControlText(dialog, cmb13, "\"a.txt\" \"b.txt\"");
    DialogAnswerer::Click(dialog, IDOK);
  });
  Command(IDM_OPEN);
  ASSERT_EQ(DocumentCount(), 2);
  EXPECT_EQ(Text(FindOpenDocument(a.c_str())), "alpha");
  EXPECT_EQ(Text(FindOpenDocument(b.c_str())), "beta\r\nline");
  EXPECT_EQ(GetDocWord(FindOpenDocument(b.c_str()), kViewingWord), 1);
  EXPECT_FALSE(BulkOperation);

  // Chosen again in another letter case: brought forward with a beep, not opened twice.
  HWND first = FindOpenDocument(a.c_str());
  beeps_.clear();
  answerer_.EnterFileName(folder_.File("A.TXT"));
  Command(IDM_OPEN);
  EXPECT_EQ(DocumentCount(), 2);
  EXPECT_EQ(ActiveDocWindow, first);
  EXPECT_EQ(beeps_, std::vector<UINT>{MB_ICONASTERISK});

  FailNextGlobalAllocations(1);
  answerer_.PressButton(IDOK);
  Command(IDM_OPEN);
  EXPECT_EQ(answerer_.Last().ControlText(101),
            "\rCannot allocate memory for string buffer\r\rSize: 8192 bytes requested");
  EXPECT_EQ(DocumentCount(), 2);
}

}  // namespace
