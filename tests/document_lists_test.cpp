// Indirect file lists and the recent-file entries.
#include <windows.h>

#include <algorithm>

#include "docset/document_lists.h"
#include "document_fixture.h"
#include "resources/resource.h"
#include "settings/recent_files.h"

namespace {

using DocumentLists = DocumentFixture;

// The open documents' titles, sorted and joined with "|"; `close` closes them afterwards.
std::string Titles(bool close = false) {
  std::vector<std::string> titles;
  ForEachDocWindow([&](HWND document) { titles.push_back(DocumentFixture::Title(document)); });
  std::sort(titles.begin(), titles.end());
  std::string joined;
  for (const auto& title : titles) joined += (joined.empty() ? "" : "|") + title;
  if (close) ForEachDocWindow(DocumentFixture::Close);
  return joined;
}

TEST_F(DocumentLists, ListsOpenExactlyTheExistingFilesTheyName) {
  const std::string a = folder_.Write("a.txt", "a"), b = folder_.Write("b.txt", "b"),
                    self = folder_.File("self.lst"), dir = folder_.path();
  for (const char* skipped : {"#x", ";x", " x"}) folder_.Write(skipped, "");  // never opened
  CreateDirectoryA(folder_.File("sub").c_str(), nullptr);
  const std::string c = folder_.Write("sub\\c.txt", "c"), up = dir.substr(dir.rfind('\\'));
  // A 1,000-character line is read in pieces of 255: its last piece names a file.
  const std::string tail = folder_.Write(std::string(234 - dir.size(), 'p'), "p");
  const struct {
    std::string list, opened;
    size_t beeps;
  } cases[] = {
      {"#x\r\n;x\r\n x\r\n\r\n\t" + c + "\n" + a + "\r\n" + b, a + "|" + b, 0},
      {a + "\r" + b + "\r", "", 0},  // CR alone ends no line
      {a + std::string("\0junk\n", 6) + b + "\n", a + "|" + b, 0},
      {std::string(765, 'x') + tail, tail, 0},
      {"b.txt\r\nsub\\c.txt\r\n..\\" + up + "\\a.txt\n" + a.substr(2), a + "|" + b + "|" + c, 1},
      {self + "\r\n" + dir + "\r\nnul\r\n" + folder_.File("*.txt"), self, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.list.substr(0, 80));
    beeps_.clear();
    lstrcpyA(AppOptions.FileSpec, folder_.Write("self.lst", c.list).c_str());
    AppOptions.ListRequested = 1;
    EXPECT_TRUE(OpenIndirectList(frame_, AppOptions));
    EXPECT_EQ(Titles(true), c.opened);
    EXPECT_EQ(beeps_.size(), c.beeps);  // a second "a.txt" is only brought forward
    EXPECT_FALSE(AppOptions.ListRequested || BulkOperation);
  }
}

TEST_F(DocumentLists, ABuiltListReopensItsDocumentsAndTheFailuresSayWhy) {
  std::string paths;  // the newest window comes first
  for (const char* name : {"one.txt", "two.txt", "three.txt"})
    paths = Title(Open(folder_.Write(name, name))) + "\r\n" + paths;
  const std::string list = folder_.File("all.lst"), opened = Titles();
  answerer_.EnterFileName(folder_.File("all"));  // the list extension is added
  Command(IDM_BUILDLIST);
  EXPECT_EQ(TempFolder::Read(list), paths);
  EXPECT_EQ(StateOf(ActiveDocWindow), list + " | modified 0 saved 1 viewing 0 format 0 | " + paths);
  Titles(true);
  answerer_.EnterFileName(list);
  Command(IDM_OPENLIST);
  EXPECT_EQ(Titles(), opened);
  New();  // a document with no file cancels the build
  answerer_.PressButton(IDOK);
  Command(IDM_BUILDLIST);
  EXPECT_EQ(Said(),
            "File: New2\r\rThis file has not been saved to disk\rIndirect list building "
            "canceled.\rSave or close this window and try again.");
  EXPECT_EQ(Titles(), opened + "|New2");
  Close(ActiveDocWindow);
  lstrcpyA(AppOptions.FileSpec, folder_.path().c_str());  // a folder: no list to read
  AppOptions.ListRequested = 1;
  answerer_.PressButton(IDOK);
  EXPECT_FALSE(OpenIndirectList(frame_, AppOptions));
  EXPECT_EQ(
      answerer_.Last().title + Said(),
      "NorvelFile: " + folder_.path() + "\r\rCannot open this indirect load file\rError Code: 5");
  EXPECT_FALSE(AppOptions.ListRequested || BulkOperation);
}

TEST_F(DocumentLists, AVanishedRecentFileIsReportedAndTheMenuClosesUp) {
  for (int i = 9; i >= 1; --i)
    AddRecentFile(folder_.Write(std::to_string(i), "").c_str(), AppOptions);
  DeleteFileA(folder_.File("3").c_str());
  DeleteFileA(folder_.File("4").c_str());
  CreateDirectoryA(folder_.File("4").c_str(), nullptr);  // a file that became a folder
  for (const char* name : {"3", "4"}) {
    answerer_.PressButton(IDOK);
    Command(IDM_RECENT_FIRST + 2);
    EXPECT_EQ(Said(), "File: " + folder_.File(name) +
                          "\r\rThis file cannot be found on the "
                          "disk\rIt will be removed from the File menu.");
  }
  Command(IDM_RECENT_FIRST + 2);  // now "5": opened, and at the top
  EXPECT_EQ(Titles(), folder_.File("5"));
  const char* names[] = {"5", "1", "2", "6", "7", "8", "9", "", ""};
  for (int i = 0; i < 9; ++i) {
    const std::string path = *names[i] ? folder_.File(names[i]) : "";
    char text[300] = "";
    GetMenuStringA(GetMenu(frame_), IDM_RECENT_FIRST + i, text, sizeof text, MF_BYCOMMAND);
    EXPECT_EQ(text, "&" + std::to_string(i + 1) + "  " + (*names[i] ? path : "Unused"));
  }
}

}  // namespace
