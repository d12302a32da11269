// File name prompts: the folder and selection rules, type lists from the options, each prompt's
// title, types and placement with the real common dialogs, and the Open command end to end.

#include <cstring>

#include "settings/placement.h"
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

// clang-format on

// The filters set in the options, in order, then All Files (with none set, the Open prompt
// below shows the default list).
TEST(FilterList, TheSetFiltersThenAllFiles) {
  static AppOptionsRecord options;  // zeroed
  std::strcpy(options.Filters[8], "Ninth|*.9|");
  static char list[kFilterListCapacity];
  ASSERT_TRUE(BuildFilterList(options, list, IDS_OPEN_FILTERS));
  EXPECT_EQ(std::string(list, 26), std::string("Ninth\0*.9\0All Files\0*.*\0\0", 26));
}

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

// Each prompt shows its title, types and folder, and opens where its kind (open or save) was
// last confirmed, kept 35 pixels inside the screen.
TEST_F(FilePrompts, EachPromptShowsItsTitleTypesFolderAndPlace) {
  const LONG width = ScreenRect.right, height = ScreenRect.bottom;
  OptionRecords.GetFile.Left = width + 500;
  OptionRecords.GetFile.Top = height + 300;
  OptionRecords.PutFile.Left = 120;
  OptionRecords.PutFile.Top = 90;
  const std::pair<LONG, LONG> clamped = {width - 35, height - 35};
  char name[kPathCapacity];
  DWORD type = 2;
  const struct {
    std::function<int()> open;
    std::string title, types, currentType;
    bool readOnlyBox;
    std::pair<LONG, LONG> at;
  } cases[] = {
      {[&] {
         return PromptOpenDocuments(frame_, IDS_OPEN_FILTERS, IDS_OPEN_TITLE, AppOptions,
                                    OpenChosenDocument);
       },
       "Open Text Files", "Text Files|Source Code|Assembler|Initialization|Language|All Files|",
       "Text Files", true, clamped},
      {[&] {
         lstrcpynA(name, folder_.File("doc.txt").c_str(), sizeof name);
         return PromptSaveAs(frame_, name, &type);
       },
       "Save Text File As",
       "Windows|Macintosh|Unix|",
       "Macintosh",
       false,
       {120, 90}},
  };
  for (const auto& c : cases) {
    PromptView view;
    answerer_.Run(LookAndCancel(view));
    EXPECT_EQ(c.open(), 0);
    std::string types;
    for (const std::string& t : view.types) types += t + "|";
    EXPECT_EQ(view.title + "|" + types + view.currentType, c.title + "|" + c.types + c.currentType);
    EXPECT_EQ(view.readOnlyShown, c.readOnlyBox);
    EXPECT_EQ(std::make_pair(view.rect.left, view.rect.top), c.at);
    if (c.title != "Open Text Files") {
      EXPECT_EQ(lstrcmpiA(view.folder.c_str(), folder_.path().c_str()), 0);
    }
  }
  EXPECT_EQ(type, 2u);                                 // untouched by a cancel
  EXPECT_EQ(OptionRecords.GetFile.Left, width + 500);  // nor recorded

  // Save List adds the list extension and records where it was confirmed.
  PromptView view;
  lstrcpynA(name, "List1", sizeof name);
  answerer_.Run(LookAndEnter(view, folder_.File("mine"), -1, [](HWND dialog) {
    SetWindowPos(dialog, nullptr, 210, 160, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  }));
  ASSERT_NE(PromptSaveList(frame_, name), 0);
  EXPECT_EQ(view.title, "Save Indirect File List As");
  EXPECT_EQ(std::string(name), folder_.File("mine.lst"));
  EXPECT_EQ(std::make_pair(OptionRecords.PutFile.Left, OptionRecords.PutFile.Top),
            std::make_pair(210L, 160L));
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

  FailNextGlobalAllocations(1);
  answerer_.PressButton(IDOK);
  Command(IDM_OPEN);
  EXPECT_EQ(Said(), "\rCannot allocate memory for string buffer\r\rSize: 8192 bytes requested");
  EXPECT_EQ(DocumentCount(), 2);
}

}  // namespace
