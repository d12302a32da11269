// Large files: the first screen shows while the rest streams in, the program keeps painting and
// counts out the load, input waits for the whole text, and Escape or a close box drops the half
// document.
#include "document_fixture.h"
#include "resources/resource.h"

namespace {

// A window that paints itself over and over while a load runs and notes what the user sees.
struct LoadWatch {
  bool shownWhileLoading = false;
  bool loadSeen = false;
  LRESULT endSessionAnswer = -1;
  std::string lastProgress;
};
LoadWatch watch;

LRESULT CALLBACK WatchProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT) return DefWindowProcA(window, message, wParam, lParam);
  PAINTSTRUCT paint;
  BeginPaint(window, &paint);
  EndPaint(window, &paint);
  if (LoadingDocWindow && !watch.loadSeen) {
    watch.shownWhileLoading = IsWindowVisible(DocEditControl(LoadingDocWindow)) != 0;
    // Messages sent from outside are answered meanwhile: no end of session, no command.
    watch.endSessionAnswer = SendMessageA(FrameWindow, WM_QUERYENDSESSION, 0, 0);
    SendMessageA(FrameWindow, WM_COMMAND, IDM_SAVEAS, 0);
  }
  if (LoadingDocWindow) watch.lastProgress = DocumentFixture::StatusText(0);
  watch.loadSeen |= LoadingDocWindow != nullptr;
  if (!watch.loadSeen || LoadingDocWindow) InvalidateRect(window, nullptr, FALSE);
  return 0;
}

using LargeLoad = DocumentFixture;

TEST_F(LargeLoad, ShowsAtOnceKeepsInputWaitingAndStopsOnEscapeOrACloseBox) {
  std::string bytes, shown;
  for (int line = 0; bytes.size() <= 1100000; ++line) {
    const std::string text = "line " + std::to_string(line);
    bytes += text + "\n";
    shown += text + "\r\n";
  }
  WNDCLASSA watchClass = {};
  watchClass.lpfnWndProc = WatchProc;
  watchClass.lpszClassName = "LoadWatch";
  RegisterClassA(&watchClass);
  const struct {
    UINT message;  // waiting in the queue when the load starts
    WPARAM wParam;
    bool opened;
  } cases[] = {{WM_COMMAND, IDM_SAVE, true},
               {WM_KEYDOWN, VK_ESCAPE, false},
               {WM_NCLBUTTONDOWN, HTCLOSE, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    const std::string path = folder_.Write("large.txt", bytes);
    watch = {};
    HWND watcher = CreateWindowA("LoadWatch", "", WS_POPUP | WS_VISIBLE, 0, 0, 20, 20, frame_,
                                 nullptr, nullptr, nullptr);
    PostMessageA(frame_, c.message, c.wParam, 0);
    HWND document = CreateDocWindow(frame_, path.c_str(), 0, AppOptions);
    if (!c.opened) {
      // A click on a close box stays for the window it was meant for; Escape is used up.
      MSG waiting;
      EXPECT_EQ(PeekMessageA(&waiting, frame_, c.message, c.message, PM_REMOVE) != 0,
                c.message == WM_NCLBUTTONDOWN);
    }
    PumpMessages();
    DestroyWindow(watcher);
    EXPECT_TRUE(watch.shownWhileLoading);
    EXPECT_EQ(watch.endSessionAnswer, FALSE);
    // Over a megabyte the status line counts the share read.
    EXPECT_EQ(watch.lastProgress, "Reading " + path + (c.opened ? ": 100%" : ": 1%"));
    EXPECT_EQ(TempFolder::Read(path), bytes);
    if (c.opened) {
      // The save waited for the whole text, then wrote it back unchanged.
      ASSERT_NE(document, nullptr);
      EXPECT_TRUE(Text(document) == shown);
      EXPECT_EQ(StatusText(0), path + " saved");
      Close(document);
    } else {
      EXPECT_EQ(document, nullptr);
      EXPECT_EQ(DocumentCount(), 0);
      EXPECT_EQ(StatusText(0), "Ready ...");
    }
  }
  EXPECT_EQ(answerer_.Count(), 0u);
}

// Refuses the second rich-edit control made while it is hooked: the one a large text fills.
int richEditsMade = 0;
LRESULT CALLBACK RefuseSecondControl(int code, WPARAM wParam, LPARAM lParam) {
  char name[32] = "";
  if (code == HCBT_CREATEWND) GetClassNameA(reinterpret_cast<HWND>(wParam), name, sizeof name);
  if (lstrcmpiA(name, "RichEdit") == 0 && ++richEditsMade == 2) return 1;
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(LargeLoad, NoControlForTheWholeTextDropsTheDocumentWithItsMessage) {
  const std::string bytes(300000, 'x');
  const std::string path = folder_.Write("large.txt", bytes);
  HHOOK hook = SetWindowsHookExA(WH_CBT, RefuseSecondControl, nullptr, GetCurrentThreadId());
  answerer_.PressButton(IDOK);
  HWND document = Open(path);
  UnhookWindowsHookEx(hook);
  EXPECT_EQ(document, nullptr);
  EXPECT_EQ(DocumentCount(), 0);
  EXPECT_EQ(answerer_.Count(), 1u);
  EXPECT_EQ(Said(), "Cannot create child edit control");
  EXPECT_EQ(TempFolder::Read(path), bytes);
}

}  // namespace
