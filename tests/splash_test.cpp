// The splash box: start-up and About, what closes it, the owner lines, the failure messages.
#include <functional>
#include <string>

#include "frame_fixture.h"
#include "resources/resource.h"
#include "ui/strings.h"
#include "windows/character_chart.h"
#include "windows/error_codes.h"
#include "windows/picture.h"
#include "windows/registered_user.h"
#include "windows/splash.h"

namespace {

using Splash = FrameFixture;
struct SplashAtStartup : FrameFixture {
  SplashAtStartup() { keepStartupSplash_ = true; }  // a first run: the stored Splash is on
};
struct SplashOffAtStartup : SplashAtStartup {
  void PrepareStore() override {
    const DWORD off = 0;
    RegSetKeyValueA(HKEY_CURRENT_USER, (std::string(kProductKey) + "\\Options").c_str(), "Splash",
                    REG_DWORD, &off, sizeof off);
  }
};

TEST_F(SplashAtStartup, ShowsThePictureAndIgnoresClicksAndKeys) {
  HWND splash = SplashWindow;
  ASSERT_NE(splash, nullptr);
  RECT rect;
  GetWindowRect(splash, &rect);
  EXPECT_EQ(std::make_pair(rect.right - rect.left, rect.bottom - rect.top),
            std::make_pair(420L, 200L));  // the picture's own size
  EXPECT_TRUE(GetWindowLongA(splash, GWL_EXSTYLE) & WS_EX_TOPMOST);
  SendMessageA(splash, WM_LBUTTONDOWN, MK_LBUTTON, 0);
  SendMessageA(splash, WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_TRUE(IsWindow(splash));
}

TEST_F(SplashOffAtStartup, NothingShowsButTheAboutBoxClosesOnInputOrADialog) {
  EXPECT_EQ(SplashWindow, nullptr);
  ASSERT_NE(StartFrame(), nullptr);
  const std::function<void(HWND)> closers[] = {
      [](HWND s) { SendMessageA(s, WM_LBUTTONDOWN, MK_LBUTTON, 0); },
      [](HWND s) { SendMessageA(s, WM_KEYDOWN, VK_SPACE, 0); },
      [](HWND s) { SendMessageA(s, WM_CLOSE, 0, 0); },
      [this](HWND) {
        DialogAnswerer answerer;
        answerer.PressKey(VK_ESCAPE);
        Command(IDM_DISPLAYFONT);  // message dialogs: MessageDialogs.BeepsSplashAndNoMemory
      }};
  for (const auto& close : closers) {
    Command(IDM_ABOUT);
    HWND splash = SplashWindow;
    ASSERT_NE(splash, nullptr);
    char status[256] = "";
    SendMessageA(StatusBar, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(status));
    EXPECT_STREQ(status, "Display program information, version number and copyright notice");
    close(splash);
    EXPECT_FALSE(IsWindow(splash));
    EXPECT_EQ(SplashWindow, nullptr);
  }
}

int DarkPixels(HDC dc, int left, int top, int right, int bottom) {
  int dark = 0;
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) {
      const COLORREF c = GetPixel(dc, x, y);
      dark += GetRValue(c) + GetGValue(c) + GetBValue(c) < 200;
    }
  }
  return dark;
}

TEST_F(Splash, OwnerLinesComeFromTheFirstPlaceThatHasThem) {
  const char* keys[] = {"Software\\Microsoft\\Windows NT\\CurrentVersion",
                        "Software\\Microsoft\\Windows\\CurrentVersion"};
  const char* names[] = {"RegisteredOwner", "RegisteredOrganization"};
  const std::string longName(255, 'W');
  const struct {
    const char* sources[6];  // NT owner and company, 95 owner and company, DefName, DefCompany
    const char *owner, *company;
  } rows[] = {{{"Ann", "Acme", "Bob", "Bco", "Cy", "Cco"}, "Ann", "Acme"},
              {{"", "", "Bob", "Bco", "Cy", "Cco"}, "Bob", "Bco"},
              {{"", "", "", "", "Cy", "Cco"}, "Cy", "Cco"},
              {{"", "Acme", "", "", "", ""}, "", "Acme"},
              {{longName.c_str(), "Acme", "", "", "", ""}, longName.c_str(), "Acme"},
              {{"", "", "", "", "", ""}, "", ""}};
  for (const auto& row : rows) {
    for (int i = 0; i < 4; ++i) {  // the test prefix is fresh: nothing to put back
      RegSetKeyValueA(HKEY_LOCAL_MACHINE, keys[i / 2], names[i % 2], REG_SZ, row.sources[i],
                      lstrlenA(row.sources[i]) + 1);
    }
    WriteProfileStringA("MS User Info", "DefName", row.sources[4]);
    WriteProfileStringA("MS User Info", "DefCompany", row.sources[5]);
    char owner[256] = "?", company[256] = "?";
    EXPECT_EQ(GetRegisteredUser(owner, company), *row.owner || *row.company);
    EXPECT_STREQ(owner, row.owner);
    EXPECT_STREQ(company, row.company);
    // On the picture the first line takes the first non-empty text, clipped to 230 pixels.
    ShowSplash();
    HDC dc = GetDC(SplashWindow);
    const int lines = (*row.owner != 0) + (*row.company != 0);
    EXPECT_EQ(DarkPixels(dc, 168, 133, 398, 149) > 0, lines >= 1) << row.owner;
    EXPECT_EQ(DarkPixels(dc, 168, 149, 398, 165) > 0, lines == 2) << row.owner;
    EXPECT_EQ(DarkPixels(dc, 399, 133, 412, 165), 0);
    ReleaseDC(SplashWindow, dc);
    CloseSplash();
  }
}

TEST_F(Splash, EveryFailingStepSaysWhichAndWhy) {
  const auto noDc = [](HWND) -> HDC { return SetLastError(6), nullptr; };
  const auto noBitmap = [](HINSTANCE, LPCSTR) -> HBITMAP { return SetLastError(1814), nullptr; };
  const auto noMemoryDc = [](HDC) -> HDC { return SetLastError(8), nullptr; };
  const auto noSelect = [](HDC, HGDIOBJ) -> HGDIOBJ { return SetLastError(6), nullptr; };
  const auto noObject = [](HANDLE, int, LPVOID) { return SetLastError(6), 0; };
  const struct {
    PictureCalls calls;
    UINT id;
    int code;
  } steps[] = {{{noDc, LoadBitmapA, CreateCompatibleDC, SelectObject, GetObjectA}, 60009, 6},
               {{GetDC, noBitmap, CreateCompatibleDC, SelectObject, GetObjectA}, 60010, 1814},
               {{GetDC, LoadBitmapA, noMemoryDc, SelectObject, GetObjectA}, 60011, 8},
               {{GetDC, LoadBitmapA, CreateCompatibleDC, noSelect, GetObjectA}, 60012, 6},
               {{GetDC, LoadBitmapA, CreateCompatibleDC, SelectObject, noObject}, 60013, 6}};
  HDC screen = GetDC(nullptr);
  for (const std::string routine : {"PicSize", "DrawPicture"}) {
    for (const auto& step : steps) {
      if (step.id == 60009 && routine == "DrawPicture") continue;  // it is handed its context
      DialogAnswerer answerer;
      answerer.PressButton(IDOK);
      SetPictureCalls(&step.calls);
      RECT rect = {};
      EXPECT_EQ(routine == "PicSize" ? PicSize(IDB_SPLASH, &rect)
                                     : DrawPicture(screen, IDB_SPLASH, &rect),
                0);
      SetPictureCalls(nullptr);
      char text[512];
      const bool withId = step.id != 60009 && step.id != 60011;
      wsprintfA(text, MessageTableText(step.id), routine.c_str(), withId ? IDB_SPLASH : step.code,
                step.code);
      std::string shown = text;
      shown.replace(shown.find("): "), 3, ")\r\r");  // the routine becomes the heading
      EXPECT_EQ(answerer.Last().ControlText(101), shown);
    }
  }
  ReleaseDC(nullptr, screen);
  // Registering a class twice fails as a failed registration at start-up does.
  const std::pair<std::function<int()>, std::string> classes[] = {
      {RegisterCharacterChartClass, "TableWindowClass"},
      {RegisterErrorCodesClass, "MSErrorsClass"}};
  for (const auto& [registerClass, name] : classes) {
    DialogAnswerer answerer;
    answerer.PressButton(IDOK);
    EXPECT_EQ(registerClass(), 0);
    EXPECT_EQ(answerer.Last().ControlText(101),
              "\rError detected creating " + name + " window class\r\rCode 1410");
  }
}

}  // namespace

namespace {

// The three windows when the system will not make them: a class registered twice is refused
// with 60003, a window of a class that is gone with 60004, and nothing is left open.
TEST_F(Splash, WindowsTheSystemWillNotMakeSaySo) {
  ASSERT_NE(StartFrame(), nullptr);
  const struct {
    int (*registerClass)();
    const char* className;
    UINT command;
    const char* title;
  } rows[] = {{RegisterCharacterChartClass, "TableWindowClass", IDM_ASCIICHART,
               "ASCII | ANSI Character Chart"},
              {RegisterErrorCodesClass, "MSErrorsClass", IDM_ERRORCODES,
               "MS Windows 95/NT Error Codes"},
              {nullptr, reinterpret_cast<const char*>(MAKEINTATOM(500)), IDM_ABOUT, "Splash"}};
  const auto said = [](const DialogAnswerer& answerer) {
    std::string text = answerer.Last().ControlText(101);
    return text.substr(0, text.rfind("Code ") + 5);  // the system's code varies
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.title);
    DialogAnswerer answerer;
    answerer.PressButton(IDOK);
    if (row.registerClass) {  // already registered at start-up
      answerer.PressButton(IDOK);
      EXPECT_EQ(row.registerClass(), 0);
      EXPECT_EQ(said(answerer), std::string("\rError detected creating ") + row.className +
                                    " window class\r\rCode ");
    }
    ASSERT_TRUE(UnregisterClassA(row.className, GetModuleHandleA(nullptr)));
    Command(row.command);
    EXPECT_EQ(said(answerer),
              std::string("\rError detected opening the ") + row.title + " window\r\rCode ");
    EXPECT_EQ(FindWindowA(row.className, nullptr), nullptr);
    EXPECT_EQ(SplashWindow, nullptr);
  }
}

}  // namespace
