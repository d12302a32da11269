// Insert File: the inserted file's own convention, one undoable edit, the selection, the
// document's convention kept. (Its read and its failures are those of a load.)
#include "document_fixture.h"
#include "prompt_view.h"
#include "resources/resource.h"

namespace {

using InsertFile = DocumentFixture;

// The insertion replaces the selection, and one Undo takes the whole of it back.
TEST_F(InsertFile, ItsConventionArrivesAsCrLfInPlaceOfTheSelectionAsOneUndo) {
  HWND document = WriteAndOpen("doc.txt", "first REPLACE\rsecond");  // Macintosh
  HWND edit = DocEditControl(document);
  SetEditSelection(edit, 5, 13);
  const std::string inserted = folder_.Write("lines.txt", std::string("1\n2\n\0hidden", 11));
  PromptView view;
  answerer_.Run(LookAndEnter(view, inserted));
  Command(IDM_INSERTFILE);
  EXPECT_EQ(view.title, "Select the Text File to Insert into this Document");
  EXPECT_FALSE(view.readOnlyShown);
  EXPECT_EQ(lstrcmpiA(view.folder.c_str(), folder_.path().c_str()), 0) << view.folder;
  EXPECT_EQ(StateOf(document), folder_.File("doc.txt") +
                                   "* | modified 1 saved 1 viewing 0 format 1 | first1\r\n2\r\n"
                                   "\r\nsecond");
  EXPECT_EQ(Selection(document), std::make_pair(5L, 11L));
  EXPECT_EQ(StatusText(0), inserted + " inserted");
  EXPECT_EQ(GetFocus(), edit);
  SendMessageA(edit, EM_UNDO, 0, 0);
  PumpMessages();
  EXPECT_EQ(Text(document), "first REPLACE\r\nsecond");
}

}  // namespace
