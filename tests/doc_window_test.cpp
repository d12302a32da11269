// Document windows: titles, the modified mark, the INI question, word wrap and reloads, zoom,
// the context menu, the text limit, the caret line, start-up documents and the display font.
#include <cstring>
#include <string>

#include "base/globals.h"
#include "docset/document_set.h"
#include "document_fixture.h"
#include "resources/resource.h"

namespace {

using DocWindowTest = DocumentFixture;

TEST_F(DocWindowTest, UntitledDocumentsCountOnAfterClosing) {
  EXPECT_EQ(Title(New()), "New1");
  EXPECT_EQ(Title(New()), "New2");
  HWND third = New();
  EXPECT_EQ(ActiveDocWindow, third);
  EXPECT_EQ(StateOf(third), "New3 | modified 0 saved 0 viewing 0 format 0 | ");
  EXPECT_EQ(GetDocWord(third, kWrapWord), 0);
  Command(IDM_CLOSEALL);
  EXPECT_EQ(DocumentCount(), 0);
  EXPECT_EQ(ActiveDocWindow, nullptr);
  EXPECT_EQ(Title(New()), "New4");
}

TEST_F(DocWindowTest, TypingMarksTheTitleOnce) {
  HWND document = New();
  Type(document, "a");
  EXPECT_EQ(StateOf(document), "New1* | modified 1 saved 0 viewing 0 format 0 | a");
  // A later change leaves the title alone: put it back by hand and type again.
  SetWindowTextA(document, "New1-marker");
  Type(document, "bc");
  EXPECT_EQ(StateOf(document), "New1-marker | modified 1 saved 0 viewing 0 format 0 | abc");
}

TEST_F(DocWindowTest, TheProgramsOwnIniFileIsOnlyOpenedReadOnly) {
  HANDLE ini = CreateFileA(IniPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(ini, INVALID_HANDLE_VALUE) << IniPath;
  DWORD written = 0;
  WriteFile(ini, "[Options]\r\n", 11, &written, nullptr);
  CloseHandle(ini);

  answerer_.PressButton(IDNO);
  EXPECT_EQ(Open(IniPath), nullptr);
  EXPECT_EQ(Said(), std::string("File: ") + IniPath +
                        "\r\rCannot edit the active initialization file\rWould you like to open "
                        "it as Read-Only?");
  EXPECT_EQ(DocumentCount(), 0);

  answerer_.PressButton(IDYES);
  HWND document = Open(IniPath);
  EXPECT_EQ(GetDocWord(document, kViewingWord), 1);
  EXPECT_EQ(Text(document), "[Options]\r\n");
  DeleteFileA(IniPath);
}

// Word wrap and Refresh put the text in a new control, which keeps read-only and the wrap.
TEST_F(DocWindowTest, WrapAndRefreshFillANewControlThatKeepsReadOnlyAndWrap) {
  const std::string path = folder_.Write("wrap.txt", "one two\n");
  HWND document = Open(path);
  Type(document, "x");
  SendMessageA(DocEditControl(document), EM_SETREADONLY, TRUE, 0);
  SetDocWord(document, kViewingWord, 1);
  HWND before = DocEditControl(document);
  EXPECT_NE(GetWindowLongA(before, GWL_STYLE) & WS_HSCROLL, 0);

  Command(IDM_WORDWRAP);
  HWND after = DocEditControl(document);
  ASSERT_NE(after, nullptr);
  EXPECT_NE(after, before);
  EXPECT_FALSE(IsWindow(before));
  EXPECT_EQ(GetDocWord(document, kWrapWord), 1);
  EXPECT_EQ(GetWindowLongA(after, GWL_STYLE), 0x5020B144 | ES_READONLY);
  EXPECT_EQ(GetDlgCtrlID(after), kEditControlId);
  EXPECT_EQ(StateOf(document),
            path + "* | modified 1 saved 1 viewing 1 read-only format 2 | xone two\r\n");
  EXPECT_EQ(Selection(document), std::make_pair(0L, 0L));

  Command(IDM_WORDWRAP);
  EXPECT_EQ(GetDocWord(document, kWrapWord), 0);
  EXPECT_EQ(GetWindowLongA(DocEditControl(document), GWL_STYLE), 0x5030B1C4 | ES_READONLY);
  EXPECT_EQ(Text(document), "xone two\r\n");

  Command(IDM_WORDWRAP);
  before = DocEditControl(document);
  folder_.Write("wrap.txt", "two\r\n");
  Command(IDM_REFRESH);
  after = DocEditControl(document);
  EXPECT_NE(after, before);
  EXPECT_FALSE(IsWindow(before));
  EXPECT_EQ(GetWindowLongA(after, GWL_STYLE), 0x5020B144 | ES_READONLY);
  EXPECT_EQ(StateOf(document),
            path + " | modified 0 saved 1 viewing 1 read-only format 0 | two\r\n");
  EXPECT_EQ(StatusText(0), path + " refreshed from disk");
}

TEST_F(DocWindowTest, TheZoomOfTheLastDocumentCarriesToTheNext) {
  HWND first = New();
  EXPECT_FALSE(IsZoomed(first));
  ShowWindow(first, SW_MAXIMIZE);
  PumpMessages();
  EXPECT_EQ(AppOptions.ZoomChildren, 1u);
  HWND second = New();
  EXPECT_TRUE(IsZoomed(second));
  SendMessageA(MdiClient, WM_MDIRESTORE, reinterpret_cast<WPARAM>(second), 0);
  PumpMessages();
  EXPECT_EQ(AppOptions.ZoomChildren, 0u);
  EXPECT_FALSE(IsZoomed(New()));
}

// Where the context menu showed, read while it is up; then it is closed.
RECT shownMenu;
void CALLBACK ReadContextMenu(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND popup = FindWindowA("#32768", nullptr);
  if (!popup || !IsWindowVisible(popup)) return;
  KillTimer(nullptr, timer);
  GetWindowRect(popup, &shownMenu);
  EndMenu();
}

TEST_F(DocWindowTest, RightClickShowsTheContextMenuTenPixelsRightOfThePointer) {
  HWND document = New();
  shownMenu = RECT{-1, -1, -1, -1};
  SetTimer(nullptr, 0, 50, ReadContextMenu);
  POINT point = {40, 30};
  ShowContextMenu(document, point);
  ClientToScreen(document, &point);
  EXPECT_EQ(shownMenu.left, point.x + 10);
  EXPECT_EQ(shownMenu.top, point.y);
}

TEST_F(DocWindowTest, ReachingTheTextLimitMarksTheDocumentAndSaysSo) {
  HWND document = New();
  answerer_.PressButton(IDOK);
  // Wine's rich-edit control does not raise this notice itself: send it as Windows' does.
  SendMessageA(document, WM_COMMAND, MAKEWPARAM(kEditControlId, EN_MAXTEXT),
               reinterpret_cast<LPARAM>(DocEditControl(document)));
  PumpMessages();
  EXPECT_EQ(answerer_.Last().title, "Norvel");
  EXPECT_EQ(Said(),
            "\rThe text buffer for this window is full\r\rNorvel documents are limited to 1 "
            "Megabyte\rPlease save your work in smaller files.");
  EXPECT_EQ(StateOf(document), "New1* | modified 1 saved 0 viewing 0 format 0 | ");
}

TEST_F(DocWindowTest, TheCaretLineShowsInStatusPartOne) {
  HWND document = New();
  Type(document, "1\r2\r3");
  HWND edit = DocEditControl(document);
  SendMessageA(edit, WM_KEYDOWN, VK_UP, 1);
  SendMessageA(edit, WM_KEYUP, VK_UP, 1);
  PumpMessages();
  EXPECT_EQ(StatusText(1), "Ln 2");
}

class StartUp : public FrameFixture {
 protected:
  // Starts the frame as start-up does with `file` on the command line; the active document's
  // title, or "<none>".
  std::string StartWith(int newDoc, const std::string& file) {
    AppOptions.NewDoc = newDoc;
    AppOptions.CommandLineFile = !file.empty();
    lstrcpyA(AppOptions.FileSpec, file.c_str());
    if (!StartFrame()) return "<no frame>";
    char title[300] = "<none>";
    if (ActiveDocWindow) GetWindowTextA(ActiveDocWindow, title, sizeof title);
    return title;
  }
};

TEST_F(StartUp, TheCommandLineFileOpensMaximized) {
  TempFolder folder;
  const std::string path = folder.Write("start.txt", "hello\n");
  EXPECT_EQ(StartWith(1, path), path);
  EXPECT_TRUE(IsZoomed(ActiveDocWindow));  // Maximized is on by default
}

TEST_F(StartUp, AMissingCommandLineFileGivesNew1) {
  DialogAnswerer answerer;  // nothing may be asked
  EXPECT_EQ(StartWith(1, "c:\\no such folder\\missing.txt"), "New1");
}

TEST_F(StartUp, WithoutNewDocTheFrameStartsEmpty) {
  EXPECT_EQ(StartWith(0, ""), "<none>");
  EXPECT_EQ(GetWindow(MdiClient, GW_CHILD), nullptr);
}

TEST_F(DocWindowTest, ADisplayFontChoiceReachesEveryDocumentAndCancelChangesNothing) {
  HWND first = New();
  HWND second = New();
  HFONT before = DisplayFont;
  ASSERT_NE(before, nullptr);
  const LOGFONTA recordBefore = OptionRecords.DisplayFontRecord.Font;
  answerer_.PressButton(IDCANCEL).PressButton(IDOK);
  Command(IDM_DISPLAYFONT);
  EXPECT_EQ(DisplayFont, before);
  EXPECT_EQ(std::memcmp(&OptionRecords.DisplayFontRecord.Font, &recordBefore, sizeof recordBefore),
            0);
  EXPECT_EQ(StatusText(0), "Select a display font for viewing documents");

  Command(IDM_DISPLAYFONT);
  ASSERT_NE(DisplayFont, before);
  // The rich-edit control does not answer WM_GETFONT under Wine: read its character format.
  const auto faceOf = [](HWND document) {
    CHARFORMATA format = {};
    format.cbSize = sizeof format;
    SendMessageA(DocEditControl(document), EM_GETCHARFORMAT, SCF_DEFAULT,
                 reinterpret_cast<LPARAM>(&format));
    return std::string(format.szFaceName);
  };
  LOGFONTA chosen = {};
  GetObjectA(DisplayFont, sizeof chosen, &chosen);
  ASSERT_STRNE(chosen.lfFaceName, "");
  for (HWND document : {first, second, New()}) {  // new documents take it too
    EXPECT_EQ(faceOf(document), chosen.lfFaceName);
    EXPECT_TRUE(IsWindowVisible(DocEditControl(document)));
  }
}

}  // namespace
