// Insert File: the inserted file's own convention, one undoable edit, the selection, the
// document's convention kept, and the failures.
#include <string>

#include "document_fixture.h"
#include "files/insert_file.h"
#include "prompt_view.h"
#include "resources/resource.h"
#include "ui/global_block.h"

namespace {

using InsertFile = DocumentFixture;

TEST_F(InsertFile, EachConventionArrivesAsCrLfAndTheDocumentKeepsItsOwn) {
  const struct {
    const char* name;
    std::string bytes;
    std::string inserted;  // as the editor holds it
  } cases[] = {
      {"unix.txt", "x\ny\n", "x\r\ny\r\n"},
      {"mac.txt", "x\ry", "x\r\ny"},
      {"windows.txt", "x\r\ny\rz", "x\r\ny\rz"},
      {"zero.txt", std::string("x\n\0hidden", 9), "x\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string name = std::string("doc-") + c.name;
    HWND document = WriteAndOpen(name, "a\rb");  // Macintosh
    const std::string inserted = folder_.Write(c.name, c.bytes);
    SetEditSelection(DocEditControl(document), 1, 1);

    PromptView view;
    answerer_.Run(LookAndEnter(view, inserted));
    Command(IDM_INSERTFILE);
    EXPECT_EQ(view.title, "Select the Text File to Insert into this Document");
    EXPECT_FALSE(view.readOnlyShown);
    EXPECT_EQ(lstrcmpiA(view.folder.c_str(), folder_.path().c_str()), 0) << view.folder;

    EXPECT_EQ(StateOf(document), folder_.File(name) +
                                     "* | modified 1 saved 1 viewing 0 format 1 | a" + c.inserted +
                                     "\r\nb");
    EXPECT_EQ(Selection(document), std::make_pair(1L, 1L + static_cast<LONG>(c.inserted.size())));
    EXPECT_EQ(StatusText(0), inserted + " inserted");
    EXPECT_EQ(GetFocus(), DocEditControl(document));
  }
}

// The insertion replaces the selection, and one Undo takes the whole of it back.
TEST_F(InsertFile, ReplacesTheSelectionAndOneUndoRemovesIt) {
  HWND document = WriteAndOpen("doc.txt", "first REPLACE\rsecond");  // Macintosh
  HWND edit = DocEditControl(document);
  SetEditSelection(edit, 5, 13);
  answerer_.EnterFileName(folder_.Write("lines.txt", "1\n2\n3\n4\n"));
  EXPECT_NE(InsertTextFile(document, AppOptions), 0);
  ASSERT_EQ(Text(document), "first1\r\n2\r\n3\r\n4\r\n\r\nsecond");
  EXPECT_EQ(Selection(document), std::make_pair(5L, 17L));
  SendMessageA(edit, EM_UNDO, 0, 0);
  PumpMessages();
  EXPECT_EQ(Text(document), "first REPLACE\r\nsecond");
}

// The read's own messages are those of a load; here the document stays as it was.
TEST_F(InsertFile, FailuresAreReportedAndInsertNothing) {
  HWND document = WriteAndOpen("doc.txt", "a\nb");  // Unix
  const std::string state = StateOf(document);
  const std::string inserted = folder_.Write("ten.txt", "0123456789");
  const struct {
    bool noMemory;  // otherwise the read fails
    const char* title;
    std::string message;
  } cases[] = {
      {false, "File I/O Error",
       "File: " + inserted + "\r\rError detected reading data from this disk file\r\rCode 30"},
      {true, "Norvel", "\rCannot allocate memory for text buffer\r\rSize: 38 bytes requested"},
  };
  for (const auto& c : cases) {
    answerer_.EnterFileName(inserted).PressButton(IDOK);
    if (c.noMemory) FailNextGlobalAllocations(1);
    if (!c.noMemory) InjectFileFailure(FileStep::Read, ERROR_READ_FAULT);
    EXPECT_EQ(InsertTextFile(document, AppOptions), 0);
    ClearFileFailures();
    EXPECT_EQ(answerer_.Last().title, c.title);
    EXPECT_EQ(Said(), c.message);
    EXPECT_EQ(StateOf(document), state);
  }
}

}  // namespace
