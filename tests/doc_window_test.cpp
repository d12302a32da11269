// Document windows: titles, the modified mark, the INI question, word wrap, zoom, the context
// menu and the text limit.
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
  EXPECT_EQ(Title(third), "New3");
  EXPECT_EQ(ActiveDocWindow, third);
  EXPECT_EQ(GetDocWord(third, kSavedWord), 0);
  EXPECT_EQ(GetDocWord(third, kLineFormatWord), 0);
  EXPECT_EQ(GetDocWord(third, kWrapWord), 0);
  Command(IDM_CLOSEALL);
  EXPECT_EQ(DocumentCount(), 0);
  EXPECT_EQ(ActiveDocWindow, nullptr);
  EXPECT_EQ(Title(New()), "New4");
}

TEST_F(DocWindowTest, TypingMarksTheTitleOnce) {
  HWND document = New();
  EXPECT_EQ(GetDocWord(document, kModifiedWord), 0);
  Type(document, "a");
  EXPECT_EQ(Title(document), "New1*");
  EXPECT_EQ(GetDocWord(document, kModifiedWord), 1);
  // A later change leaves the title alone: put it back by hand and type again.
  SetWindowTextA(document, "New1-marker");
  Type(document, "bc");
  EXPECT_EQ(Title(document), "New1-marker");
  EXPECT_EQ(Text(document), "abc");
  // Save is enabled by the change; Save As always.
  HMENU menu = GetMenu(frame_);
  EXPECT_EQ(GetMenuState(menu, IDM_SAVE, MF_BYCOMMAND) & MF_GRAYED, 0u);
}

TEST_F(DocWindowTest, TheProgramsOwnIniFileIsOnlyOpenedReadOnly) {
  HANDLE ini = CreateFileA(IniPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(ini, INVALID_HANDLE_VALUE) << IniPath;
  DWORD written = 0;
  WriteFile(ini, "[Options]\r\n", 11, &written, nullptr);
  CloseHandle(ini);

  DialogAnswerer answerer;
  answerer.PressButton(7 /* No */);
  EXPECT_EQ(Open(IniPath), nullptr);
  ASSERT_EQ(answerer.Count(), 1u);
  EXPECT_EQ(answerer.Last().ControlText(101),
            std::string("File: ") + IniPath +
                "\r\rCannot edit the active initialization file\rWould you like to open it as "
                "Read-Only?");
  EXPECT_EQ(DocumentCount(), 0);

  answerer.PressButton(6 /* Yes */);
  HWND document = Open(IniPath);
  ASSERT_NE(document, nullptr);
  EXPECT_EQ(GetDocWord(document, kViewingWord), 1);
  EXPECT_EQ(Text(document), "[Options]\r\n");
  DeleteFileA(IniPath);
}

TEST_F(DocWindowTest, WordWrapSwitchKeepsTextMarkAndReadOnlyAndPutsTheCaretFirst) {
  HWND document = New();
  Type(document, "one two three");
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
  EXPECT_EQ(Text(document), "one two three");
  EXPECT_EQ(Title(document), "New1*");
  EXPECT_EQ(GetDocWord(document, kModifiedWord), 1);
  LONG start = -1, end = -1;
  GetEditSelection(after, &start, &end);
  EXPECT_EQ(start, 0);
  EXPECT_EQ(end, 0);
  EXPECT_NE(GetMenuState(GetMenu(frame_), IDM_WORDWRAP, MF_BYCOMMAND) & MF_CHECKED, 0u);

  Command(IDM_WORDWRAP);
  EXPECT_EQ(GetDocWord(document, kWrapWord), 0);
  EXPECT_EQ(GetWindowLongA(DocEditControl(document), GWL_STYLE), 0x5030B1C4 | ES_READONLY);
  EXPECT_EQ(Text(document), "one two three");
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

// Reads the context menu while it is up, then closes it.
struct ShownMenu {
  RECT rect = {};
  UINT cutState = 0;
  UINT copyState = 0;
  UINT closeState = 0;
  bool seen = false;
};
ShownMenu shownMenu;

void CALLBACK ReadContextMenu(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND popup = FindWindowA("#32768", nullptr);
  if (!popup || !IsWindowVisible(popup)) return;
  KillTimer(nullptr, timer);
  shownMenu.seen = true;
  GetWindowRect(popup, &shownMenu.rect);
  HMENU menu = reinterpret_cast<HMENU>(SendMessageA(popup, MN_GETHMENU, 0, 0));
  shownMenu.cutState = GetMenuState(menu, IDM_CUT, MF_BYCOMMAND);
  shownMenu.copyState = GetMenuState(menu, IDM_COPY, MF_BYCOMMAND);
  shownMenu.closeState = GetMenuState(menu, IDM_CLOSE, MF_BYCOMMAND);
  EndMenu();
}

TEST_F(DocWindowTest, RightClickShowsTheContextMenuTenPixelsRightOfThePointer) {
  HWND document = New();
  Type(document, "text");
  SetEditSelection(DocEditControl(document), 2, 2);  // nothing selected
  shownMenu = ShownMenu{};
  SetTimer(nullptr, 0, 50, ReadContextMenu);
  POINT point = {40, 30};
  ShowContextMenu(document, point);
  ASSERT_TRUE(shownMenu.seen);
  POINT screen = point;
  ClientToScreen(document, &screen);
  EXPECT_EQ(shownMenu.rect.left, screen.x + 10);
  EXPECT_EQ(shownMenu.rect.top, screen.y);
  EXPECT_NE(shownMenu.cutState & MF_GRAYED, 0u);
  EXPECT_NE(shownMenu.copyState & MF_GRAYED, 0u);
  EXPECT_EQ(shownMenu.closeState & MF_GRAYED, 0u);

  SetEditSelection(DocEditControl(document), 0, 3);
  shownMenu = ShownMenu{};
  SetTimer(nullptr, 0, 50, ReadContextMenu);
  ShowContextMenu(document, point);
  ASSERT_TRUE(shownMenu.seen);
  EXPECT_EQ(shownMenu.cutState & MF_GRAYED, 0u);
  EXPECT_EQ(shownMenu.copyState & MF_GRAYED, 0u);
}

TEST_F(DocWindowTest, ReachingTheTextLimitMarksTheDocumentAndSaysSo) {
  HWND document = New();
  HWND edit = DocEditControl(document);
  DialogAnswerer answerer;
  answerer.PressButton(IDOK);
  // Wine's rich-edit control does not raise this notice itself: send it as Windows' does.
  SendMessageA(document, WM_COMMAND, MAKEWPARAM(kEditControlId, EN_MAXTEXT),
               reinterpret_cast<LPARAM>(edit));
  PumpMessages();
  ASSERT_GE(answerer.Count(), 1u);
  EXPECT_EQ(answerer.Seen()[0].title, "Norvel");
  EXPECT_EQ(answerer.Seen()[0].ControlText(101),
            "\rThe text buffer for this window is full\r\rNorvel documents are limited to 1 "
            "Megabyte\rPlease save your work in smaller files.");
  EXPECT_EQ(GetDocWord(document, kModifiedWord), 1);
  EXPECT_EQ(Title(document), "New1*");
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

}  // namespace

namespace {

TEST_F(FrameFixture, StartUpOpensTheCommandLineFileOrANewDocument) {
  TempFolder folder;
  const std::string path = folder.Write("start.txt", "hello\n");
  AppOptions.NewDoc = 1;
  AppOptions.CommandLineFile = 1;
  lstrcpyA(AppOptions.FileSpec, path.c_str());
  ASSERT_NE(StartFrame(), nullptr);
  ASSERT_NE(ActiveDocWindow, nullptr);
  char title[300];
  GetWindowTextA(ActiveDocWindow, title, sizeof title);
  EXPECT_EQ(std::string(title), path);
  EXPECT_TRUE(IsZoomed(ActiveDocWindow));  // Maximized is on by default
}

TEST_F(FrameFixture, AMissingCommandLineFileGivesNew1) {
  AppOptions.NewDoc = 1;
  AppOptions.CommandLineFile = 1;
  lstrcpyA(AppOptions.FileSpec, "c:\\no such folder\\missing.txt");
  DialogAnswerer answerer;  // nothing may be asked
  ASSERT_NE(StartFrame(), nullptr);
  ASSERT_NE(ActiveDocWindow, nullptr);
  char title[300];
  GetWindowTextA(ActiveDocWindow, title, sizeof title);
  EXPECT_STREQ(title, "New1");
}

TEST_F(FrameFixture, WithoutNewDocTheFrameStartsEmpty) {
  AppOptions.NewDoc = 0;
  ASSERT_NE(StartFrame(), nullptr);
  EXPECT_EQ(ActiveDocWindow, nullptr);
  EXPECT_EQ(GetWindow(MdiClient, GW_CHILD), nullptr);
}

}  // namespace

namespace {

TEST_F(DocWindowTest, ADisplayFontChoiceReachesEveryDocumentAndCancelChangesNothing) {
  HWND first = New();
  HWND second = New();
  HFONT before = DisplayFont;
  ASSERT_NE(before, nullptr);
  const LOGFONTA recordBefore = OptionRecords.DisplayFontRecord.Font;

  DialogAnswerer answerer;
  answerer.PressButton(IDCANCEL);
  Command(IDM_DISPLAYFONT);
  EXPECT_EQ(DisplayFont, before);
  EXPECT_EQ(std::memcmp(&OptionRecords.DisplayFontRecord.Font, &recordBefore, sizeof recordBefore),
            0);
  EXPECT_EQ(StatusText(0), "Select a display font for viewing documents");

  answerer.PressButton(IDOK);
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
  for (HWND document : {first, second}) {
    EXPECT_EQ(faceOf(document), chosen.lfFaceName);
    EXPECT_TRUE(IsWindowVisible(DocEditControl(document)));
  }
  EXPECT_EQ(faceOf(New()), chosen.lfFaceName);  // new documents take it too
}

}  // namespace
