// Commands over every document: Save All, closing the frame and the end of the Windows session,
// each stopped by a Cancel without losing a document.
#include <windows.h>

#include <string>

#include "document_fixture.h"
#include "resources/resource.h"

namespace {

using Session = DocumentFixture;

TEST_F(Session, SaveAllSavesTheOthersWhenASaveAsPromptIsCancelled) {
  HWND first = Open(folder_.Write("a.txt", "one"));
  HWND untitled = New();
  HWND last = Open(folder_.Write("b.txt", "two"));
  for (HWND document : {first, untitled, last}) Type(document, "+");
  const std::string untitledTitle = Title(untitled);
  DialogAnswerer answerer;
  answerer.PressButton(IDCANCEL);  // the Save As prompt of the untitled document
  Command(IDM_SAVEALL);
  EXPECT_EQ(answerer.Count(), 1u);
  EXPECT_EQ(TempFolder::Read(folder_.File("a.txt")), "+one");
  EXPECT_EQ(TempFolder::Read(folder_.File("b.txt")), "+two");
  EXPECT_EQ(Title(first).back(), 't');  // no "*" any more
  EXPECT_EQ(Title(untitled), untitledTitle);
  EXPECT_EQ(untitledTitle.back(), '*');
  EXPECT_EQ(Text(untitled), "+");
}

// A Cancel at the save question keeps the frame and the documents not yet closed; with No for
// each the documents close and the program quits, the file untouched.
TEST_F(Session, CloseAndEndOfSessionStopAtACancel) {
  struct Case {
    const char* what;
    UINT message;
    LRESULT cancelled, done;  // what the frame answers
  } const cases[] = {
      {"end of session", WM_QUERYENDSESSION, 0, 1},
      {"frame close", WM_CLOSE, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    HWND saved = Open(folder_.Write("a.txt", "one"));
    Type(saved, "x");
    Type(New(), "y");  // the top document: asked first
    DialogAnswerer answerer;
    answerer.PressButton(IDNO).PressButton(IDCANCEL);
    EXPECT_EQ(SendMessageA(frame_, c.message, 0, 0), c.cancelled);
    PumpMessages();
    ASSERT_EQ(answerer.Count(), 2u);
    EXPECT_EQ(answerer.Last().title, "File Modified");
    ASSERT_TRUE(IsWindow(frame_));
    EXPECT_FALSE(QuitReceived());
    EXPECT_EQ(DocumentCount(), 1);
    EXPECT_EQ(Text(saved), "xone");

    answerer.PressButton(IDNO);
    EXPECT_EQ(SendMessageA(frame_, c.message, 0, 0), c.done);
    PumpMessages();
    EXPECT_TRUE(QuitReceived());
    EXPECT_EQ(DocumentCount(), 0);
    EXPECT_EQ(TempFolder::Read(folder_.File("a.txt")), "one");
    ClearQuit();
  }
  EXPECT_FALSE(IsWindow(frame_));
}

}  // namespace
