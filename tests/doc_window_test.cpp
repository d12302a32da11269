// Document windows: the INI question, word wrap and reloads, the text limit, a maximised
// document's name in the frame's caption.
#include <string>

#include "base/globals.h"
#include "document_fixture.h"
#include "resources/resource.h"

namespace {

using DocWindowTest = DocumentFixture;

TEST_F(DocWindowTest, TheProgramsOwnIniFileIsOnlyOpenedReadOnly) {
  HANDLE ini = CreateFileA(IniPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(ini, INVALID_HANDLE_VALUE) << IniPath;
  DWORD written = 0;
  WriteFile(ini, "[Options]\r\n", 11, &written, nullptr);
  CloseHandle(ini);
  answerer_.PressButton(IDNO).PressButton(IDYES);
  EXPECT_EQ(Open(IniPath), nullptr);
  EXPECT_EQ(Said(), std::string("File: ") + IniPath +
                        "\r\rCannot edit the active initialization file\rWould you like to open "
                        "it as Read-Only?");
  EXPECT_EQ(DocumentCount(), 0);
  HWND document = Open(IniPath);
  EXPECT_EQ(
      StateOf(document),
      std::string(IniPath) + " | modified 0 saved 1 viewing 1 read-only format 0 | [Options]\r\n");
  DeleteFileA(IniPath);
}

// Word wrap and Refresh put the text in a new control, which keeps read-only and the wrap.
TEST_F(DocWindowTest, WrapAndRefreshFillANewControlThatKeepsReadOnlyAndWrap) {
  const std::string path = folder_.Write("wrap.txt", "one two\n");
  HWND document = Open(path);
  Type(document, "x");
  SendMessageA(DocEditControl(document), EM_SETREADONLY, TRUE, 0);
  SetDocWord(document, kViewingWord, 1);
  for (int wrap : {1, 0}) {
    Command(IDM_WORDWRAP);
    EXPECT_EQ(GetDocWord(document, kWrapWord), wrap);
    EXPECT_EQ(GetDlgCtrlID(DocEditControl(document)), kEditControlId);
    EXPECT_EQ(StateOf(document),
              path + "* | modified 1 saved 1 viewing 1 read-only format 2 | " + "xone two\r\n");
  }
  Command(IDM_WORDWRAP);
  folder_.Write("wrap.txt", "two\r\n");
  Command(IDM_REFRESH);
  EXPECT_EQ(GetDocWord(document, kWrapWord), 1);
  EXPECT_EQ(StateOf(document),
            path + " | modified 0 saved 1 viewing 1 read-only format 0 | two\r\n");
}

// The frame names the maximised document, "*" included, whichever way its title changed.
TEST_F(DocWindowTest, TheFrameCaptionNamesTheMaximisedDocument) {
  AppOptions.ZoomChildren = 1;
  const std::string path = folder_.Write("named.txt", "text\r\n");
  HWND untitled = New();
  EXPECT_EQ(Title(frame_), "Norvel - [" + Title(untitled) + "]");
  HWND named = Open(path);
  EXPECT_EQ(Title(frame_), "Norvel - [" + path + "]");
  Type(named, "x");
  EXPECT_EQ(Title(frame_), "Norvel - [" + path + "*]");
  Command(IDM_SAVE);
  EXPECT_EQ(Title(frame_), "Norvel - [" + path + "]");
}

TEST_F(DocWindowTest, ReachingTheTextLimitMarksTheDocumentAndSaysSo) {
  HWND document = New();
  answerer_.PressButton(IDOK);
  // Wine's rich-edit control does not raise this notice itself: send it as Windows' does.
  SendMessageA(document, WM_COMMAND, MAKEWPARAM(kEditControlId, EN_MAXTEXT),
               reinterpret_cast<LPARAM>(DocEditControl(document)));
  PumpMessages();
  EXPECT_EQ(Said(),
            "\rThe text buffer for this window is full\r\rNorvel documents are limited to 1 "
            "Megabyte\rPlease save your work in smaller files.");
  EXPECT_EQ(Title(document), "New1*");
}

}  // namespace
