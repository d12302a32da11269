// The save question when a changed document closes, and the reload and viewing commands.
#include <string>

#include "docset/document_set.h"
#include "document_fixture.h"
#include "resources/resource.h"

namespace {

using SavePrompts = DocumentFixture;

const char kQuestion[] = "\r\rThis document has been edited.\rDo you want to save the changes?";

TEST_F(SavePrompts, ClosingAChangedDocumentAsksAndObeysTheAnswer) {
  const std::string path = folder_.Write("notes.txt", "old\r\n");
  HWND document = Open(path);
  Type(document, "new ");
  DialogAnswerer answerer;

  answerer.PressButton(IDCANCEL);
  Command(IDM_CLOSE);
  EXPECT_EQ(answerer.Last().title, "File Modified");
  EXPECT_EQ(answerer.Last().ControlText(101), "File: " + path + kQuestion);
  EXPECT_TRUE(IsWindow(document));

  answerer.PressButton(IDNO);
  Command(IDM_CLOSE);
  EXPECT_FALSE(IsWindow(document));
  EXPECT_EQ(TempFolder::Read(path), "old\r\n");  // the edits were dropped

  document = Open(path);
  Type(document, "new ");
  answerer.PressButton(IDYES);
  Command(IDM_CLOSE);
  EXPECT_FALSE(IsWindow(document));
  EXPECT_EQ(TempFolder::Read(path), "new old\r\n");
}

TEST_F(SavePrompts, AutoSaveSavesAFileSilentlyButStillAsksForAnUntitledOne) {
  AppOptions.AutoSave = 1;
  AppOptions.Backup = 0;
  const std::string path = folder_.Write("auto.txt", "a\n");
  HWND document = Open(path);
  Type(document, "b");
  DialogAnswerer answerer;  // nothing may be asked
  Command(IDM_CLOSE);
  EXPECT_FALSE(IsWindow(document));
  EXPECT_EQ(TempFolder::Read(path), "ba\n");  // Unix stays Unix

  HWND untitled = New();
  Type(untitled, "x");
  answerer.PressButton(IDCANCEL);
  Command(IDM_CLOSE);
  EXPECT_EQ(answerer.Last().title, "File Modified");
  EXPECT_TRUE(IsWindow(untitled));
}

TEST_F(SavePrompts, CancelInCloseAllStopsAtThatDocument) {
  HWND first = New();
  HWND second = New();
  Type(first, "1");
  Type(second, "2");
  DialogAnswerer answerer;
  answerer.PressButton(IDNO).PressButton(IDCANCEL);
  Command(IDM_CLOSEALL);
  EXPECT_EQ(answerer.Count(), 2u);
  EXPECT_EQ(DocumentCount(), 1);
}

TEST_F(SavePrompts, ViewingModeSwitchesBothWaysAndRefreshReloads) {
  const std::string path = folder_.Write("view.txt", "disk\r\n");
  HWND document = Open(path);
  HWND edit = DocEditControl(document);

  Command(IDM_READONLY);
  EXPECT_EQ(GetDocWord(document, kViewingWord), 1);
  EXPECT_NE(GetWindowLongA(edit, GWL_STYLE) & ES_READONLY, 0);
  EXPECT_EQ(StatusText(0), path + " set for viewing");
  Command(IDM_READONLY);
  EXPECT_EQ(GetDocWord(document, kViewingWord), 0);
  EXPECT_EQ(StatusText(0), path + " set for editing");

  folder_.Write("view.txt", "changed on disk\n");
  Command(IDM_REFRESH);
  EXPECT_EQ(Text(document), "changed on disk\r\n");
  EXPECT_EQ(GetDocWord(document, kLineFormatWord), 2);
  EXPECT_EQ(StatusText(0), path + " refreshed from disk");

  // A read-only file cannot be switched to editing.
  Command(IDM_READONLY);
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
  DialogAnswerer answerer;
  answerer.PressButton(IDOK);
  Command(IDM_READONLY);
  EXPECT_EQ(answerer.Last().ControlText(101),
            "File: " + path +
                "\r\rThis disk file is write-protected on the drive\rNo editing is allowed for "
                "this document.");
  EXPECT_EQ(GetDocWord(document, kViewingWord), 1);
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(SavePrompts, DiscardReloadsOnlyAfterYesAndDuplicateCopiesTheConvention) {
  const std::string path = folder_.Write("unix.txt", "one\ntwo\n");
  HWND document = Open(path);
  Type(document, "edit ");
  DialogAnswerer answerer;
  answerer.PressKey(VK_RETURN);  // No is the default
  Command(IDM_DISCARD);
  EXPECT_EQ(answerer.Last().title, "Discard Changes");
  EXPECT_EQ(Text(document), "edit one\r\ntwo\r\n");
  answerer.PressButton(6 /* Yes */);
  Command(IDM_DISCARD);
  EXPECT_EQ(Text(document), "one\r\ntwo\r\n");
  EXPECT_EQ(Title(document), path);
  EXPECT_EQ(StatusText(0), path + " changes discarded");

  Command(IDM_DUPLICATE);
  HWND copy = ActiveDocWindow;
  ASSERT_NE(copy, document);
  EXPECT_EQ(Title(copy), "New1*");
  EXPECT_EQ(Text(copy), "one\r\ntwo\r\n");
  EXPECT_EQ(GetDocWord(copy, kLineFormatWord), 2);
  EXPECT_EQ(GetDocWord(copy, kSavedWord), 0);
  EXPECT_EQ(GetDocWord(copy, kModifiedWord), 1);
}

}  // namespace
