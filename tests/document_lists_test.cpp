// Indirect file lists, the SysEdit files and the recent-file entries.
#include <dlgs.h>

#include <algorithm>
#include <string>
#include <vector>

#include "docset/document_lists.h"
#include "document_fixture.h"
#include "harness/stored_values.h"
#include "settings/recent_files.h"

namespace {

class DocumentLists : public DocumentFixture {
 public:
  // The names of the open documents, sorted, joined with "|".
  static std::string Titles() {
    std::vector<std::string> titles;
    ForEachDocWindow([&](HWND document) { titles.push_back(Title(document)); });
    std::sort(titles.begin(), titles.end());
    std::string joined;
    for (const auto& title : titles) joined += (joined.empty() ? "" : "|") + title;
    return joined;
  }
  void CloseAll() {
    ForEachDocWindow([](HWND document) { Close(document); });
  }
};

TEST_F(DocumentLists, AListOpensExactlyTheExistingFilesItNames) {
  const std::string a = folder_.Write("a.txt", "a"), b = folder_.Write("b.txt", "b");
  CreateDirectoryA(folder_.File("sub").c_str(), nullptr);
  const std::string c = folder_.Write("sub\\c.txt", "c");
  const std::string folderName = folder_.path().substr(folder_.path().rfind('\\') + 1);
  // A 1,000-character line is read in pieces of 255: its last piece names a file.
  const std::string tail = folder_.Write(std::string(234 - folder_.path().size(), 'p'), "p");
  const std::string many = [&] {
    std::string text;
    for (int i = 0; i < 100000; ++i) text += "missing" + std::to_string(i) + ".txt\r\n";
    return text + a;
  }();
  const struct {
    std::string list, opened;
    int beeps;
  } cases[] = {
      {"# note\r\n; note\r\n " + a + "\r\n\r\n\t" + c + "\n" + a + "\n" + b, a + "|" + b, 0},
      {a + "\r" + b + "\r", "", 0},  // CR alone ends no line
      {a + std::string("\0junk\n", 6) + b + "\n", a + "|" + b, 0},
      {std::string(765, 'x') + tail, tail, 0},
      {"b.txt\r\nsub\\c.txt\r\n..\\" + folderName + "\\a.txt\n" + a.substr(2), a + "|" + b + "|" + c, 1},
      {folder_.File("self.lst") + "\r\n", folder_.File("self.lst"), 0},
      {folder_.File("sub") + "\r\nnul\r\n" + folder_.File("*.txt") + "\r\n", "", 0},
      {"", "", 0},
      {many, a, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.list.substr(0, 60));
    beeps_.clear();
    lstrcpyA(AppOptions.FileSpec, folder_.Write("self.lst", c.list).c_str());
    AppOptions.ListRequested = 1;
    EXPECT_TRUE(OpenIndirectList(frame_, AppOptions));
    EXPECT_EQ(Titles(), c.opened);
    EXPECT_EQ(beeps_.size(), static_cast<size_t>(c.beeps));  // "a.txt" twice: brought forward
    EXPECT_FALSE(AppOptions.ListRequested || BulkOperation);
    CloseAll();
  }
}

TEST_F(DocumentLists, ABuiltListReopensItsDocumentsAndTheFailuresSayWhy) {
  std::string paths;
  for (const char* name : {"one.txt", "two.txt", "three.txt"}) {
    Open(folder_.Write(name, name));
    paths = folder_.File(name) + "\r\n" + paths;  // the newest window comes first
  }
  const std::string list = folder_.File("all.lst");
  answerer_.EnterFileName(list);
  Command(IDM_BUILDLIST);
  EXPECT_EQ(answerer_.Last().title, "Save Indirect File List As");
  EXPECT_EQ(answerer_.Last().ControlText(cmb13), "List1");
  EXPECT_EQ(TempFolder::Read(list), paths);
  EXPECT_EQ(Title(ActiveDocWindow), list);
  EXPECT_STREQ(AppOptions.RecentFiles[0], list.c_str());
  const std::string opened = Titles();
  CloseAll();
  answerer_.EnterFileName(list);
  Command(IDM_OPENLIST);
  EXPECT_EQ(answerer_.Last().title, "Open an Indirect File List");
  EXPECT_EQ(Titles(), opened);

  New();  // a document with no file cancels the build
  answerer_.PressButton(IDOK);
  Command(IDM_BUILDLIST);
  EXPECT_EQ(Said(), "File: New1\r\rThis file has not been saved to disk\rIndirect list building "
                    "canceled.\rSave or close this window and try again.");
  EXPECT_EQ(Titles(), opened + "|New1");
  Close(ActiveDocWindow);
  answerer_.PressKey(VK_ESCAPE);  // the next list is List2; Cancel keeps it unsaved
  Command(IDM_BUILDLIST);
  EXPECT_EQ(answerer_.Last().ControlText(cmb13), "List2");
  EXPECT_EQ(StateOf(ActiveDocWindow), "New2* | modified 1 saved 0 viewing 0 format 0 | " + paths);

  const std::pair<std::string, std::string> failures[] = {
      {folder_.File("gone.lst"), "File: " + folder_.File("gone.lst") + "\r\rFile not found."},
      {folder_.path(), "File: " + folder_.path() +
                           "\r\rCannot open this indirect load file\rError Code: 5"},
      {list, "\rCannot allocate memory for text buffer\r\rSize: " +
                 std::to_string(paths.size() + 1) + " bytes requested"}};
  for (const auto& [name, said] : failures) {
    lstrcpyA(AppOptions.FileSpec, name.c_str());
    AppOptions.ListRequested = 1;
    answerer_.PressButton(IDOK);
    if (name == list) FailNextGlobalAllocations(1);
    EXPECT_FALSE(OpenIndirectList(frame_, AppOptions));
    EXPECT_EQ(Said(), said);
    EXPECT_EQ(answerer_.Last().title, "Norvel");
    EXPECT_FALSE(AppOptions.ListRequested || BulkOperation);
  }
}

TEST_F(DocumentLists, AVanishedRecentFileIsReportedAndTheListClosesUp) {
  for (int i = 8; i >= 0; --i) AddRecentFile(folder_.Write(std::to_string(i + 1), "").c_str(), AppOptions);
  DeleteFileA(AppOptions.RecentFiles[2]);
  DeleteFileA(AppOptions.RecentFiles[3]);
  CreateDirectoryA(AppOptions.RecentFiles[3], nullptr);  // a file that became a folder
  for (const char* said : {"3", "4"}) {
    answerer_.PressButton(IDOK);
    Command(IDM_RECENT_FIRST + 2);
    EXPECT_EQ(Said(), "File: " + folder_.File(said) + "\r\rThis file cannot be found on the disk\r"
                      "It will be removed from the File menu.");
  }
  Command(IDM_RECENT_FIRST + 2);  // now "5": opened
  EXPECT_EQ(Titles(), folder_.File("5"));
  SaveOptions(AppOptions, OptionRecords);
  const auto stored = ReadRegistryTree(HKEY_CURRENT_USER, kProductKey)["Files\\Open"];
  HMENU menu = GetMenu(frame_);
  for (int i = 0; i < 9; ++i) {
    const char* names[] = {"5", "1", "2", "6", "7", "8", "9", "", ""};
    const std::string path = *names[i] ? folder_.File(names[i]) : "";
    char text[300] = "";
    GetMenuStringA(menu, IDM_RECENT_FIRST + i, text, sizeof text, MF_BYCOMMAND);
    EXPECT_EQ(text, "&" + std::to_string(i + 1) + "  " + (*names[i] ? path : "Unused"));
    EXPECT_EQ(stored[i].data, path) << stored[i].name;
  }
}

TEST_F(DocumentLists, SysEditOpensTheExistingEntriesForEditingOutsideTheRecentList) {
  const std::string kept = "C:\\last.txt";
  lstrcpyA(AppOptions.FileSpec, kept.c_str());
  std::memset(AppOptions.RecentFiles, 0, sizeof AppOptions.RecentFiles);
  std::memset(AppOptions.SysEditFiles, 0, sizeof AppOptions.SysEditFiles);
  const std::string entries[] = {folder_.Write("config.sys", "x"), folder_.File("gone.ini"),
                                 folder_.path(), "", folder_.Write("win.ini", "y")};
  for (int i = 0; i < 5; ++i) lstrcpyA(AppOptions.SysEditFiles[i + 4], entries[i].c_str());
  AppOptions.SysEditRequested = 1;
  LoadSysEditFiles(frame_, AppOptions);
  EXPECT_EQ(Titles(), entries[0] + "|" + entries[4]);
  ForEachDocWindow([](HWND d) { EXPECT_EQ(GetDocWord(d, kViewingWord), 0); });
  EXPECT_EQ(AppOptions.FileSpec, kept);
  EXPECT_STREQ(AppOptions.RecentFiles[0], "");
  EXPECT_FALSE(AppOptions.SysEditRequested || BulkOperation);
}

}  // namespace
