// The splash box: start-up and About, what closes it, the owner lines, the failure messages.
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

// Clicks and keys leave the start-up splash alone; the About box closes on them.
TEST_F(SplashAtStartup, IgnoresInputButTheAboutBoxClosesOnIt) {
  HWND splash = SplashWindow;
  ASSERT_NE(splash, nullptr);
  SendMessageA(splash, WM_LBUTTONDOWN, MK_LBUTTON, 0);
  SendMessageA(splash, WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_TRUE(IsWindow(splash));
  CloseSplash();
  ASSERT_NE(StartFrame(), nullptr);
  for (UINT input : {WM_LBUTTONDOWN, WM_CLOSE}) {  // WM_CLOSE as from a dialog
    Command(IDM_ABOUT);
    splash = SplashWindow;
    ASSERT_NE(splash, nullptr);
    SendMessageA(splash, input, 0, 0);
    EXPECT_FALSE(IsWindow(splash));
    EXPECT_EQ(SplashWindow, nullptr);
  }
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
  }
}

// A failing step says which and why: reading the picture, and a window whose class is gone. (A
// failed class registration: FrameTest.AFailedClassRegistrationShowsItsMessage.)
TEST_F(Splash, AFailingStepSaysWhichAndWhy) {
  ASSERT_NE(StartFrame(), nullptr);
  DialogAnswerer answerer;
  answerer.PressButton(IDOK).PressButton(IDOK);
  const auto noBitmap = [](HINSTANCE, LPCSTR) -> HBITMAP { return SetLastError(1814), nullptr; };
  const PictureCalls calls = {GetDC, noBitmap, CreateCompatibleDC, SelectObject, GetObjectA};
  SetPictureCalls(&calls);
  RECT rect = {};
  EXPECT_EQ(PicSize(IDB_SPLASH, &rect), 0);
  SetPictureCalls(nullptr);
  ASSERT_TRUE(UnregisterClassA(MAKEINTATOM(500), GetModuleHandleA(nullptr)));
  Command(IDM_ABOUT);
  EXPECT_EQ(SplashWindow, nullptr);
  ASSERT_EQ(answerer.Count(), 2u);
  EXPECT_EQ(
      answerer.Seen()[0].ControlText(101),
      "PicSize(LoadBitmap)\r\rError detected loading specified picture (ID:1000)\r\rCode 1814");
  const std::string gone = "\rError detected opening the Splash window\r\rCode ";  // code varies
  EXPECT_EQ(answerer.Seen()[1].ControlText(101).substr(0, gone.size()), gone);
}

}  // namespace
