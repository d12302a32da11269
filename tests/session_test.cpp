// Commands over every document: Save All, closing the frame and the end of the Windows session,
// each stopped by a Cancel without losing a document.
#include "document_fixture.h"
#include "resources/resource.h"

namespace {

using Session = DocumentFixture;

TEST_F(Session, SaveAllSavesTheOthersWhenASaveAsPromptIsCancelled) {
  HWND first = Open(folder_.Write("a.txt", "one"));
  HWND untitled = New();
  HWND last = Open(folder_.Write("b.txt", "two"));
  for (HWND document : {first, untitled, last}) Type(document, "+");
  answerer_.PressButton(IDCANCEL);  // the Save As prompt of the untitled document
  Command(IDM_SAVEALL);
  EXPECT_EQ(TempFolder::Read(folder_.File("a.txt")) + TempFolder::Read(folder_.File("b.txt")),
            "+one+two");
  EXPECT_EQ(Title(first) + "|" + Title(untitled), folder_.File("a.txt") + "|New1*");
}

// A Cancel at the save question keeps the frame and the documents not yet closed; with No for
// each the documents close and the program quits, the file untouched.
TEST_F(Session, CloseAndEndOfSessionStopAtACancel) {
  // The message, and what the frame answers when it goes on.
  for (const auto& [message, done] : {std::make_pair(WM_QUERYENDSESSION, 1), {WM_CLOSE, 0}}) {
    SCOPED_TRACE(message);
    HWND saved = Open(folder_.Write("a.txt", "one"));
    Type(saved, "x");
    Type(New(), "y");  // the top document: asked first
    answerer_.PressButton(IDNO).PressButton(IDCANCEL);
    EXPECT_EQ(SendMessageA(frame_, message, 0, 0), 0);
    PumpMessages();
    EXPECT_EQ(answerer_.Last().title, "File Modified");
    ASSERT_TRUE(IsWindow(frame_));
    EXPECT_FALSE(QuitReceived());
    EXPECT_EQ(DocumentCount(), 1);
    EXPECT_EQ(Text(saved), "xone");

    answerer_.PressButton(IDNO);
    EXPECT_EQ(SendMessageA(frame_, message, 0, 0), done);
    PumpMessages();
    EXPECT_TRUE(QuitReceived());
    EXPECT_EQ(DocumentCount(), 0);
    EXPECT_EQ(TempFolder::Read(folder_.File("a.txt")), "one");
    ClearQuit();
  }
  EXPECT_FALSE(IsWindow(frame_));
}

}  // namespace
