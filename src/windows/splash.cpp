// The splash box, shown at start-up and as the About box.
#include "windows/splash.h"

#include "resources/resource.h"
#include "ui/message_dialogs.h"
#include "ui/status.h"
#include "ui/window_class.h"
#include "windows/cell_text.h"
#include "windows/picture.h"
#include "windows/registered_user.h"

namespace {

constexpr ATOM kSplashAtom = 500;
constexpr const char* kSplashClassName = "SplashBox";  // how messages name the class
constexpr const char* kSplashTitle = "Splash";
constexpr COLORREF kOwnerBackground = RGB(192, 192, 192);
constexpr RECT kOwnerLine = {168, 133, 398, 149};  // the licence lines of the picture

struct SplashState {
  RECT picture = {};         // the picture's size, taken at registration
  RECT client = {};          // the window's client rectangle
  bool startupMark = false;  // the start-up splash: keys and clicks leave it alone
  DWORD option = 1;          // AppOptions.Splash as start-up read it
};
SplashState splash;

HFONT StockFont() {
  return static_cast<HFONT>(GetStockObject(ANSI_VAR_FONT));
}

void OnPaint(HWND window) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  const HGDIOBJ oldFont = SelectObject(dc, StockFont());
  DrawPicture(dc, IDB_SPLASH, &splash.client);
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  SetBkColor(dc, kOwnerBackground);
  SetBkMode(dc, OPAQUE);
  char owner[kRegisteredTextCapacity];
  char organisation[kRegisteredTextCapacity];
  if (GetRegisteredUser(owner, organisation)) {
    RECT line = kOwnerLine;
    for (const char* text : {owner, organisation}) {
      if (!*text) continue;  // the next text takes the free line
      DrawCellText(dc, line, kAlignLeft, "%s", text);
      OffsetRect(&line, 0, 16);
    }
  }
  SelectObject(dc, oldFont);
  EndPaint(window, &paint);
}

void OnUserInput() {
  if (!splash.startupMark) CloseSplash();
}

LRESULT CALLBACK SplashWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      GetClientRect(window, &splash.client);
      return 0;
    case WM_PAINT:
      OnPaint(window);
      return 0;
    case WM_CLOSE:
      CloseSplash();
      return 0;
    case WM_KEYDOWN:
    case WM_LBUTTONDOWN:
      OnUserInput();
      return 0;
    case WM_NCDESTROY:
      // However it goes, the mark goes with it: a later splash is the About box.
      splash.startupMark = false;
      if (SplashWindow == window) SplashWindow = nullptr;
      return DefWindowProcA(window, message, wParam, lParam);
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace

int RegisterSplash(HINSTANCE instance, DWORD splashOption) {
  if (!PicSize(IDB_SPLASH, &splash.picture)) return 0;
  if (!RegisterPlainWindowClass(instance, MAKEINTATOM(kSplashAtom), kSplashClassName,
                                SplashWindowProc, 0, IDI_APPLICATION_LARGE)) {
    return 0;
  }
  splash.option = splashOption;
  splash.startupMark = true;
  return ShowSplash();
}

int ShowSplash() {
  RECT desktop;
  GetClientRect(GetDesktopWindow(), &desktop);
  const int width = splash.picture.right - splash.picture.left;
  const int height = splash.picture.bottom - splash.picture.top;
  const int x = (desktop.right - desktop.left - width) / 2;
  const int y = (desktop.bottom - desktop.top - height) / 2;
  if (splash.startupMark && !splash.option) {
    splash.startupMark = false;
    return 1;
  }
  SetStatus(IDM_ABOUT);
  if (SplashWindow) {
    ShowWindow(SplashWindow, SW_SHOWNORMAL);
    SetFocus(SplashWindow);
    return 1;
  }
  HWND window =
      CreateWindowExA(WS_EX_TOPMOST, MAKEINTATOM(kSplashAtom), kSplashTitle, WS_POPUP | WS_VISIBLE,
                      x, y, width, height, nullptr, nullptr, AppInstance, nullptr);
  if (!window) return ShowError(60004, kSplashTitle, static_cast<int>(GetLastError()));
  SplashWindow = window;
  SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(StockFont()), FALSE);
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
  return 1;
}
