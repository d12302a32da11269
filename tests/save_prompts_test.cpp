// The save question when a changed document closes, and the viewing, discard and duplicate
// commands.
#include <string>

#include "docset/document_set.h"
#include "document_fixture.h"
#include "resources/resource.h"

namespace {

using SavePrompts = DocumentFixture;

TEST_F(SavePrompts, ClosingAChangedDocumentAsksAndObeysTheAnswer) {
  const std::string path = folder_.Write("notes.txt", "old\r\n");
  HWND document = Open(path);
  Type(document, "new ");
  answerer_.PressButton(IDCANCEL);
  Command(IDM_CLOSE);
  EXPECT_EQ(answerer_.Last().title, "File Modified");
  EXPECT_EQ(Said(), "File: " + path +
                        "\r\rThis document has been edited.\rDo you want to save the changes?");
  EXPECT_TRUE(IsWindow(document));

  // No drops the edits; Yes saves them.
  for (int answer : {IDNO, IDYES}) {
    if (!IsWindow(document)) Type(document = Open(path), "new ");
    answerer_.PressButton(answer);
    Command(IDM_CLOSE);
    EXPECT_FALSE(IsWindow(document));
    EXPECT_EQ(TempFolder::Read(path), answer == IDYES ? "new old\r\n" : "old\r\n");
  }
}

TEST_F(SavePrompts, AutoSaveSavesAFileSilentlyButStillAsksForAnUntitledOne) {
  AppOptions.AutoSave = 1;
  AppOptions.Backup = 0;
  const std::string path = folder_.Write("auto.txt", "a\n");
  HWND document = Open(path);
  Type(document, "b");
  Command(IDM_CLOSE);  // nothing is asked
  EXPECT_FALSE(IsWindow(document));
  EXPECT_EQ(TempFolder::Read(path), "ba\n");  // Unix stays Unix

  HWND untitled = New();
  Type(untitled, "x");
  answerer_.PressButton(IDCANCEL);
  Command(IDM_CLOSE);
  EXPECT_EQ(answerer_.Last().title, "File Modified");
  EXPECT_TRUE(IsWindow(untitled));
}

TEST_F(SavePrompts, CancelInCloseAllStopsAtThatDocument) {
  Type(New(), "1");
  Type(New(), "2");
  answerer_.PressButton(IDNO).PressButton(IDCANCEL);
  Command(IDM_CLOSEALL);
  EXPECT_EQ(DocumentCount(), 1);
}

TEST_F(SavePrompts, ViewingModeSwitchesBothWaysButNotForAReadOnlyFile) {
  const std::string path = folder_.Write("view.txt", "disk\r\n");
  HWND document = Open(path);
  Command(IDM_READONLY);
  EXPECT_EQ(StateOf(document),
            path + " | modified 0 saved 1 viewing 1 read-only format 0 | disk\r\n");
  EXPECT_EQ(StatusText(0), path + " set for viewing");
  Command(IDM_READONLY);
  EXPECT_EQ(StateOf(document), path + " | modified 0 saved 1 viewing 0 format 0 | disk\r\n");
  EXPECT_EQ(StatusText(0), path + " set for editing");

  Command(IDM_READONLY);
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
  answerer_.PressButton(IDOK);
  Command(IDM_READONLY);
  EXPECT_EQ(Said(), "File: " + path +
                        "\r\rThis disk file is write-protected on the drive\rNo editing is "
                        "allowed for this document.");
  EXPECT_EQ(GetDocWord(document, kViewingWord), 1);
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(SavePrompts, DiscardReloadsOnlyAfterYesAndDuplicateCopiesTheConvention) {
  const std::string path = folder_.Write("unix.txt", "one\ntwo\n");
  HWND document = Open(path);
  Type(document, "edit ");
  answerer_.PressKey(VK_RETURN).PressButton(IDYES);  // No is the default
  Command(IDM_DISCARD);
  EXPECT_EQ(answerer_.Last().title, "Discard Changes");
  EXPECT_EQ(Text(document), "edit one\r\ntwo\r\n");
  Command(IDM_DISCARD);
  EXPECT_EQ(StateOf(document), path + " | modified 0 saved 1 viewing 0 format 2 | one\r\ntwo\r\n");
  EXPECT_EQ(StatusText(0), path + " changes discarded");

  Command(IDM_DUPLICATE);
  HWND copy = ActiveDocWindow;
  ASSERT_NE(copy, document);
  EXPECT_EQ(StateOf(copy), "New1* | modified 1 saved 0 viewing 0 format 2 | one\r\ntwo\r\n");
}

}  // namespace
