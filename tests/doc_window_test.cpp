// Document windows: titles, the modified mark, the INI question, word wrap and reloads, zoom,
// the text limit, the caret line, start-up documents and the display font.
#include <string>

#include "base/globals.h"
#include "docset/document_set.h"
#include "document_fixture.h"
#include "resources/resource.h"

namespace {

using DocWindowTest = DocumentFixture;

TEST_F(DocWindowTest, UntitledDocumentsCountOnAndTypingMarksTheTitleOnce) {
  EXPECT_EQ(Title(New()), "New1");
  EXPECT_EQ(Title(New()), "New2");
  Command(IDM_CLOSEALL);
  EXPECT_EQ(ActiveDocWindow, nullptr);
  HWND document = New();
  EXPECT_EQ(StateOf(document), "New3 | modified 0 saved 0 viewing 0 format 0 | ");
  Type(document, "1");
  EXPECT_EQ(StateOf(document), "New3* | modified 1 saved 0 viewing 0 format 0 | 1");
  // A later change leaves the title alone: put it back by hand and type again.
  SetWindowTextA(document, "New3-marker");
  Type(document, "\r2\r3");
  EXPECT_EQ(Title(document), "New3-marker");
  SendMessageA(DocEditControl(document), WM_KEYDOWN, VK_UP, 1);  // the caret's line follows keys
  SendMessageA(DocEditControl(document), WM_KEYUP, VK_UP, 1);
  PumpMessages();
  EXPECT_EQ(StatusText(1), "Ln 2");
}

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
  const auto style = [&] { return GetWindowLongA(DocEditControl(document), GWL_STYLE); };
  EXPECT_EQ(style(), 0x5030B1C4 | ES_READONLY);  // with a horizontal scroll bar
  for (int wrap : {1, 0, 1}) {
    HWND before = DocEditControl(document);
    Command(IDM_WORDWRAP);
    EXPECT_FALSE(IsWindow(before));
    EXPECT_EQ(GetDocWord(document, kWrapWord), wrap);
    EXPECT_EQ(style(), (wrap ? 0x5020B144 : 0x5030B1C4) | ES_READONLY);
    EXPECT_EQ(GetDlgCtrlID(DocEditControl(document)), kEditControlId);
    EXPECT_EQ(StateOf(document),
              path + "* | modified 1 saved 1 viewing 1 read-only format 2 | " + "xone two\r\n");
  }
  HWND before = DocEditControl(document);
  folder_.Write("wrap.txt", "two\r\n");
  Command(IDM_REFRESH);
  EXPECT_FALSE(IsWindow(before));
  EXPECT_EQ(style(), 0x5020B144 | ES_READONLY);
  EXPECT_EQ(StateOf(document),
            path + " | modified 0 saved 1 viewing 1 read-only format 0 | two\r\n");
  EXPECT_EQ(StatusText(0), path + " refreshed from disk");
}

TEST_F(DocWindowTest, TheZoomOfTheLastDocumentCarriesToTheNext) {
  HWND first = New();
  EXPECT_FALSE(IsZoomed(first));
  ShowWindow(first, SW_MAXIMIZE);
  PumpMessages();
  EXPECT_TRUE(IsZoomed(New()));
  SendMessageA(MdiClient, WM_MDIRESTORE, reinterpret_cast<WPARAM>(ActiveDocWindow), 0);
  PumpMessages();
  EXPECT_FALSE(IsZoomed(New()));
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

using StartUp = FrameFixture;

// The command-line file opens maximized (the default); a missing one gives New1 without a word.
TEST_F(StartUp, TheCommandLineFileOrNew1OrNothing) {
  TempFolder folder;
  const std::string path = folder.Write("start.txt", "hello\n");
  const struct {
    int newDoc;
    std::string file, title;
  } starts[] = {{1, path, path}, {1, "c:\\no such folder\\missing.txt", "New1"}, {0, "", ""}};
  for (const auto& start : starts) {
    AppOptions.NewDoc = start.newDoc;
    AppOptions.CommandLineFile = !start.file.empty();
    lstrcpyA(AppOptions.FileSpec, start.file.c_str());
    ASSERT_NE(StartFrame(), nullptr);
    EXPECT_EQ(ActiveDocWindow ? DocumentFixture::Title(ActiveDocWindow) : "", start.title);
    EXPECT_EQ(ActiveDocWindow && IsZoomed(ActiveDocWindow), start.newDoc == 1);
    DestroyWindow(frame_);
    PumpMessages();
  }
}

TEST_F(DocWindowTest, ADisplayFontChoiceReachesEveryDocumentAndCancelChangesNothing) {
  HWND first = New();
  HWND second = New();
  HFONT before = DisplayFont;
  answerer_.PressButton(IDCANCEL).PressButton(IDOK);
  Command(IDM_DISPLAYFONT);
  EXPECT_EQ(DisplayFont, before);
  Command(IDM_DISPLAYFONT);
  ASSERT_NE(DisplayFont, before);
  LOGFONTA chosen = {};
  GetObjectA(DisplayFont, sizeof chosen, &chosen);
  for (HWND document : {first, second, New()}) {  // new documents take it too
    // The rich-edit control does not answer WM_GETFONT under Wine: read its character format.
    CHARFORMATA format = {};
    format.cbSize = sizeof format;
    SendMessageA(DocEditControl(document), EM_GETCHARFORMAT, SCF_DEFAULT,
                 reinterpret_cast<LPARAM>(&format));
    EXPECT_STREQ(format.szFaceName, chosen.lfFaceName);
  }
}

}  // namespace
