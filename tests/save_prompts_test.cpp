// The save question when a changed document closes, and the viewing, discard and duplicate
// commands.
#include "document_fixture.h"
#include "resources/resource.h"
#include "ui/global_block.h"

namespace {

using SavePrompts = DocumentFixture;

// Cancel, or a question that cannot be shown, keeps the document; No drops the edits, Yes
// saves them; with AutoSave a file is saved without a question, an untitled one is still asked.
TEST_F(SavePrompts, ClosingAChangedDocumentAsksAndObeysTheAnswer) {
  const std::string path = folder_.Write("notes.txt", "old\n");
  constexpr int kUnshown = -1;  // no memory for the question: the system's box
  const struct {
    int autoSave, answer;  // 0: no question
    const char* file;      // afterwards
  } cases[] = {{0, IDCANCEL, "old\n"},
               {0, kUnshown, "old\n"},
               {0, IDNO, "old\n"},
               {0, IDYES, "new old\n"},
               {1, 0, "new new old\n"}};
  HWND document = nullptr;
  for (const auto& c : cases) {
    AppOptions.AutoSave = c.autoSave;
    if (!IsWindow(document)) Type(document = Open(path), "new ");
    if (c.answer) answerer_.PressButton(c.answer == kUnshown ? IDOK : c.answer);
    if (c.answer == kUnshown) FailNextGlobalAllocations(1);
    Command(IDM_CLOSE);
    FailNextGlobalAllocations(0);
    const bool kept = c.answer == IDCANCEL || c.answer == kUnshown;
    EXPECT_EQ(IsWindow(document) ? Title(document) : "closed", kept ? path + "*" : "closed");
    EXPECT_EQ(TempFolder::Read(path), c.file);
    if (c.answer == IDCANCEL) {
      EXPECT_EQ(answerer_.Last().title + "|" + Said(),
                "File Modified|File: " + path +
                    "\r\rThis document has been edited.\rDo you want to save the changes?");
    }
  }
  HWND untitled = New();
  Type(untitled, "x");
  answerer_.PressButton(IDCANCEL);
  Command(IDM_CLOSE);
  EXPECT_TRUE(IsWindow(untitled));
}

TEST_F(SavePrompts, ViewingModeSwitchesBothWaysButNotForAReadOnlyFile) {
  const std::string path = folder_.Write("view.txt", "disk\r\n");
  HWND document = Open(path);
  for (const char* mode : {"viewing 1 read-only", "viewing 0", "viewing 1 read-only"}) {
    Command(IDM_READONLY);
    EXPECT_EQ(StateOf(document), path + " | modified 0 saved 1 " + mode + " format 0 | disk\r\n");
    EXPECT_EQ(StatusText(0), path + (mode[8] == '1' ? " set for viewing" : " set for editing"));
  }
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
  answerer_.PressButton(IDOK);
  Command(IDM_READONLY);
  EXPECT_EQ(Said(), "File: " + path +
                        "\r\rThis disk file is write-protected on the drive\rNo editing is "
                        "allowed for this document.");
  EXPECT_EQ(GetDocWord(document, kViewingWord), 1);
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
  EXPECT_EQ(StateOf(ActiveDocWindow),
            "New1* | modified 1 saved 0 viewing 0 format 2 | one\r\ntwo\r\n");
}

}  // namespace
