// The splash box: start-up and About, what closes it, the owner lines, the failure messages.
#include <functional>
#include <string>

#include "frame_fixture.h"
#include "resources/resource.h"
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

TEST_F(SplashOffAtStartup, NothingShowsButTheAboutBoxClosesOnInput) {
  EXPECT_EQ(SplashWindow, nullptr);
  ASSERT_NE(StartFrame(), nullptr);
  const std::function<void(HWND)> closers[] = {
      [](HWND s) { SendMessageA(s, WM_LBUTTONDOWN, MK_LBUTTON, 0); },
      [](HWND s) { SendMessageA(s, WM_KEYDOWN, VK_SPACE, 0); },
      [](HWND s) { SendMessageA(s, WM_CLOSE, 0, 0); }};  // a dialog: MessageDialogs tests
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

// Every failing step says which and why, and leaves nothing open: each step of reading the
// picture, and each of the three windows when its class is gone. (A failed class registration:
// FrameTest.AFailedClassRegistrationShowsItsMessage.) The system's code is not compared where it
// varies.
TEST_F(Splash, EveryFailingStepSaysWhichAndWhy) {
  ASSERT_NE(StartFrame(), nullptr);
  const auto noDc = [](HWND) -> HDC { return SetLastError(6), nullptr; };
  const auto noBitmap = [](HINSTANCE, LPCSTR) -> HBITMAP { return SetLastError(1814), nullptr; };
  const auto noMemoryDc = [](HDC) -> HDC { return SetLastError(8), nullptr; };
  const auto noSelect = [](HDC, HGDIOBJ) -> HGDIOBJ { return SetLastError(6), nullptr; };
  const auto noObject = [](HANDLE, int, LPVOID) { return SetLastError(6), 0; };
  const auto picture = [](PictureCalls calls) {
    return [calls] {
      SetPictureCalls(&calls);
      RECT rect = {};
      EXPECT_EQ(PicSize(IDB_SPLASH, &rect), 0);
      SetPictureCalls(nullptr);
    };
  };
  const auto gone = [this](const char* className, UINT command) {
    return [=] {
      ASSERT_TRUE(UnregisterClassA(className, GetModuleHandleA(nullptr)));
      Command(command);
      EXPECT_EQ(FindWindowA(className, nullptr), nullptr);
      EXPECT_EQ(SplashWindow, nullptr);
    };
  };
  const std::pair<std::function<void()>, std::string> steps[] = {
      {picture({noDc, LoadBitmapA, CreateCompatibleDC, SelectObject, GetObjectA}),
       "PicSize(GetDC)\r\rError detected reading screen device context\r\rCode 6"},
      {picture({GetDC, noBitmap, CreateCompatibleDC, SelectObject, GetObjectA}),
       "PicSize(LoadBitmap)\r\rError detected loading specified picture (ID:1000)\r\rCode 1814"},
      {picture({GetDC, LoadBitmapA, noMemoryDc, SelectObject, GetObjectA}),
       "PicSize(CreateCompatibleDC)\r\rError detected creating compatible device context\r\rCode "
       "8"},
      {picture({GetDC, LoadBitmapA, CreateCompatibleDC, noSelect, GetObjectA}),
       "PicSize(SelectObject)\r\rError detected selecting picture resource (ID:1000)\r\rCode 6"},
      {picture({GetDC, LoadBitmapA, CreateCompatibleDC, SelectObject, noObject}),
       "PicSize(GetObject)\r\rError detected loading bitmap object data (ID:1000)\r\rCode 6"},
      {gone("TableWindowClass", IDM_ASCIICHART),
       "\rError detected opening the ASCII | ANSI Character Chart window\r\rCode "},
      {gone("MSErrorsClass", IDM_ERRORCODES),
       "\rError detected opening the MS Windows 95/NT Error Codes window\r\rCode "},
      {gone(reinterpret_cast<const char*>(MAKEINTATOM(500)), IDM_ABOUT),
       "\rError detected opening the Splash window\r\rCode "},
  };
  for (const auto& [fail, said] : steps) {
    SCOPED_TRACE(said);
    DialogAnswerer answerer;
    answerer.PressButton(IDOK);
    fail();
    ASSERT_EQ(answerer.Count(), 1u);
    EXPECT_EQ(answerer.Last().ControlText(101).substr(0, said.size()), said);
  }
}

}  // namespace
