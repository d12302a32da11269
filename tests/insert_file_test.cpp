// Insert File: the inserted file's own convention, one undoable edit, the selection, the
// document's convention kept, and the read failures.
#include <windows.h>
#include <richedit.h>

#include <string>

#include "base/file_io.h"
#include "document_fixture.h"
#include "files/insert_file.h"
#include "files/line_format.h"
#include "prompt_view.h"
#include "resources/resource.h"
#include "ui/global_block.h"

namespace {

class InsertFile : public DocumentFixture {
 protected:
  void TearDown() override {
    ClearFileFailures();
    DocumentFixture::TearDown();
  }
  static std::pair<LONG, LONG> Selection(HWND document) {
    LONG start = -1, end = -1;
    GetEditSelection(DocEditControl(document), &start, &end);
    return {start, end};
  }
  DialogAnswerer answerer_;
};

TEST_F(InsertFile, EachConventionArrivesAsCrLfAndTheDocumentKeepsItsOwn) {
  struct Case {
    const char* name;
    std::string bytes;
    std::string inserted;  // as the editor holds it
  } const cases[] = {
      {"unix.txt", "x\ny\n", "x\r\ny\r\n"},
      {"mac.txt", "x\ry", "x\r\ny"},
      {"windows.txt", "x\r\ny\rz", "x\r\ny\rz"},
      {"zero.txt", std::string("x\n\0hidden", 9), "x\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    HWND document = Open(folder_.Write(std::string("doc-") + c.name, "a\rb"));  // Macintosh
    ASSERT_NE(document, nullptr);
    ASSERT_EQ(Text(document), "a\r\nb");
    const std::string inserted = folder_.Write(c.name, c.bytes);
    SetEditSelection(DocEditControl(document), 1, 1);

    PromptView view;
    answerer_.Run(LookAndEnter(view, inserted));
    Command(IDM_INSERTFILE);
    EXPECT_EQ(view.title, "Select the Text File to Insert into this Document");
    EXPECT_FALSE(view.readOnlyShown);
    EXPECT_EQ(lstrcmpiA(view.folder.c_str(), folder_.path().c_str()), 0) << view.folder;

    EXPECT_EQ(Text(document), "a" + c.inserted + "\r\nb");
    const LONG length = static_cast<LONG>(c.inserted.size());
    EXPECT_EQ(Selection(document), std::make_pair(1L, 1L + length));
    EXPECT_EQ(GetDocWord(document, kLineFormatWord), kMacintoshFormat);
    EXPECT_EQ(GetDocWord(document, kModifiedWord), 1);
    EXPECT_EQ(Title(document), folder_.File(std::string("doc-") + c.name) + "*");
    EXPECT_EQ(StatusText(0), inserted + " inserted");
    EXPECT_EQ(GetFocus(), DocEditControl(document));
  }
}

// The insertion replaces the selection, and one Undo takes the whole of it back.
TEST_F(InsertFile, ReplacesTheSelectionAndOneUndoRemovesIt) {
  HWND document = Open(folder_.Write("doc.txt", "first REPLACE\rsecond"));  // Macintosh
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

TEST_F(InsertFile, ReadFailuresAreReportedAndInsertNothing) {
  const struct {
    FileStep step;
    DWORD error;
    std::string message;
  } cases[] = {
      {FileStep::Open, ERROR_SHARING_VIOLATION, "Error detected opening this disk file\r\rCode 32"},
      {FileStep::Read, ERROR_READ_FAULT,
       "Error detected reading data from this disk file\r\rCode 30"},
      {FileStep::Close, ERROR_INVALID_HANDLE, "Error detected closing this disk file\r\rCode 6"},
  };
  HWND document = Open(folder_.Write("doc.txt", "a\nb"));  // Unix
  const std::string inserted = folder_.Write("in.txt", "x\ry");
  for (const auto& c : cases) {
    answerer_.EnterFileName(inserted).PressButton(IDOK);
    InjectFileFailure(c.step, c.error);
    EXPECT_EQ(InsertTextFile(document, AppOptions), 0);
    ClearFileFailures();
    EXPECT_EQ(answerer_.Last().title, "File I/O Error");
    EXPECT_EQ(answerer_.Last().ControlText(101), "File: " + inserted + "\r\r" + c.message);
    EXPECT_EQ(Text(document), "a\r\nb");
    EXPECT_EQ(GetDocWord(document, kLineFormatWord), kUnixFormat);
    EXPECT_EQ(GetDocWord(document, kModifiedWord), 0);
  }
}

TEST_F(InsertFile, NoMemoryForTheFileSaysHowMuchWasAsked) {
  HWND document = Open(folder_.Write("doc.txt", "text"));
  const std::string inserted = folder_.Write("ten.txt", "0123456789");
  answerer_.EnterFileName(inserted).PressButton(IDOK);
  FailNextGlobalAllocations(1);
  EXPECT_EQ(InsertTextFile(document, AppOptions), 0);
  EXPECT_EQ(answerer_.Last().title, "Norvel");
  EXPECT_EQ(answerer_.Last().ControlText(101),
            "\rCannot allocate memory for text buffer\r\rSize: 38 bytes requested");
  EXPECT_EQ(Text(document), "text");
}

}  // namespace
