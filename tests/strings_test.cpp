// Text services by id: the message table, GetString's two sources and its failure, the status
// line, window texts by id and centring on the desktop rectangle.
#include "harness/harness.h"

#include <cstring>
#include <string>

#include "app/globals.h"
#include "ui/message_dialogs.h"
#include "ui/status.h"
#include "ui/strings.h"
#include "ui/window_text.h"

namespace {

constexpr int kTextControl = 101;

// The error GetString shows for a missing resource, after its heading rule.
std::string MissingResourcePrefix(UINT id) {
  return "GetString(LoadString)\r\rCannot load string resource (ID:" + std::to_string(id) +
         ")\r\rCode ";
}

void ExpectMissingResourceDialog(const DialogRecord& record, UINT id) {
  EXPECT_EQ(record.title, "Error");
  const std::string text = record.ControlText(kTextControl);
  const std::string prefix = MissingResourcePrefix(id);
  ASSERT_EQ(text.compare(0, prefix.size(), prefix), 0) << text;
  const std::string code = text.substr(prefix.size());
  ASSERT_FALSE(code.empty());
  EXPECT_EQ(code.find_first_not_of("0123456789"), std::string::npos) << code;
}

TEST(MessageTable, HoldsATextForEveryIdAndNothingOutside) {
  for (UINT id = 60000; id <= 60107; ++id) {
    const char* text = MessageTableText(id);
    ASSERT_NE(text, nullptr) << id;
    EXPECT_GT(strlen(text), 0u) << id;
    EXPECT_LT(strlen(text), static_cast<size_t>(kStringCapacity)) << id;
  }
  for (UINT id : {0u, 1000u, 59999u, 60108u, 65535u}) EXPECT_EQ(MessageTableText(id), nullptr);
}

TEST(MessageTable, TextsAcrossTheRange) {
  struct Case {
    UINT id;
    const char* text;
  } const cases[] = {
      {60000, "Ready ..."},
      {60001, "(CreateFontIndirect): Cannot create %s %d pt. font\r\rCode %d"},
      {60008, "\rCannot allocate memory for %s\r\rSize: %d bytes requested"},
      {60009, "%s(GetDC): Error detected reading screen device context\r\rCode %d"},
      {60020, "File I/O Error"},
      {60024,
       "File: %s\r\rThis disk file is write protected on the drive\rWould you like to open it as "
       "Read-Only?"},
      {60041, "File: %s\r\rError detected setting EOF mark %u on this file\r\rCode %d"},
      {60045,
       "\rCannot open the MS Windows Clipboard.\rAnother application may be using it.\r\rCode %d"},
      {60062, "File: %s\r\rError detected closing the printer job\r\rCode %d"},
      {60066, "Options saved"},
      {60087, "Replaced '%s' with '%s' %d time%s"},
      {60088, "Cannot find '%s'"},
      {60101, "Module: %s\r\rError detected loading this DLL library Module\rCode %d"},
      {60104, "Help Topic ID: %u\r\rTopic not found in help file.\rCode: %d"},
      {60107, " "},
  };
  for (const Case& c : cases) {
    char buffer[kStringCapacity];
    memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(GetString(buffer, c.id), static_cast<int>(strlen(c.text))) << c.id;
    EXPECT_STREQ(buffer, c.text) << c.id;
  }
}

TEST(GetString, ProgramStringsComeFromTheResources) {
  char buffer[kStringCapacity];
  EXPECT_EQ(GetString(buffer, 1000), 6);
  EXPECT_STREQ(buffer, "Norvel");
}

// Ids just outside the message table are looked up in the string resources, where the program
// has none: each shows the lookup error and gives 0.
TEST(GetString, IdsBesideTheTableGoToTheResources) {
  for (UINT id : {59999u, 60108u}) {
    DialogAnswerer answerer;
    answerer.PressButton(IDOK);
    char buffer[kStringCapacity] = "unchanged";
    EXPECT_EQ(GetString(buffer, id), 0);
    ASSERT_EQ(answerer.Count(), 1u);
    ExpectMissingResourceDialog(answerer.Last(), id);
  }
}

TEST(GetString, NullBufferIsRefusedQuietly) {
  EXPECT_EQ(GetString(nullptr, 60000), 0);
}

// A parent with a two-part status bar, standing in for the frame.
class StatusLine : public testing::Test {
 protected:
  void SetUp() override {
    frame_ = CreateWindowExA(0, "Static", "frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 200,
                             nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(frame_, nullptr);
    bar_ =
        CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0,
                        frame_, reinterpret_cast<HMENU>(1003), GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(bar_, nullptr);
    int edges[] = {300, 380};
    SendMessageA(bar_, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(edges));
    SendMessageA(bar_, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>("before"));
    FrameWindow = frame_;
    StatusBar = bar_;
  }
  void TearDown() override {
    FrameWindow = nullptr;
    StatusBar = nullptr;
    if (frame_) DestroyWindow(frame_);
  }

  std::string PartText(int part, UINT* type = nullptr) {
    char text[512] = "";
    const LRESULT result = SendMessageA(bar_, SB_GETTEXTA, part, reinterpret_cast<LPARAM>(text));
    if (type) *type = HIWORD(result);
    return text;
  }

  HWND frame_ = nullptr;
  HWND bar_ = nullptr;
};

TEST_F(StatusLine, FormattedTextGoesToPartZeroWithoutBorders) {
  SetStatus(60087, "ab", "xab", 2, "s");
  UINT type = 0;
  EXPECT_EQ(PartText(0, &type), "Replaced 'ab' with 'xab' 2 times");
  EXPECT_EQ(type & SBT_NOBORDERS, static_cast<UINT>(SBT_NOBORDERS));
  EXPECT_EQ(PartText(1), "");

  // A search text with format characters is shown as typed.
  SetStatus(60088, "%s%d%n");
  EXPECT_EQ(PartText(0), "Cannot find '%s%d%n'");
}

TEST_F(StatusLine, LongTextIsCutAt255Characters) {
  const std::string name(400, 'n');
  SetStatus(60073, name.c_str());
  const std::string shown = PartText(0);
  EXPECT_EQ(shown.size(), 255u);
  EXPECT_EQ(shown, ("Reading " + name).substr(0, 255));
}

TEST_F(StatusLine, NothingChangesWhileTheBarIsHiddenOrMissing) {
  ShowWindow(bar_, SW_HIDE);
  SetStatus(60066);
  EXPECT_EQ(PartText(0), "before");
  // Not even a missing string is looked up while hidden: no dialog may appear.
  {
    DialogAnswerer answerer;
    SetStatus(59999);
    EXPECT_EQ(answerer.Count(), 0u);
  }
  ShowWindow(bar_, SW_SHOW);
  StatusBar = nullptr;
  SetStatus(60066);
  EXPECT_EQ(PartText(0), "before");
  StatusBar = bar_;
  SetStatus(60066);
  EXPECT_EQ(PartText(0), "Options saved");
}

TEST_F(StatusLine, MissingStringShowsTheLookupErrorAndKeepsTheText) {
  DialogAnswerer answerer;
  answerer.PressButton(IDOK);
  SetStatus(59998);
  ASSERT_EQ(answerer.Count(), 1u);
  ExpectMissingResourceDialog(answerer.Last(), 59998);
  EXPECT_EQ(PartText(0), "before");
}

TEST(WindowText, SetByIdFormatsArgumentsLiterally) {
  HWND window = CreateWindowExA(0, "Static", "old", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(window, nullptr);
  HWND child = CreateWindowExA(0, "Static", "old child", WS_CHILD, 0, 0, 10, 10, window,
                               reinterpret_cast<HMENU>(42), GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(child, nullptr);
  char text[600];

  EXPECT_EQ(SetWindowTextById(window, 60021, "C:\\50%s off.txt"), 1);
  GetWindowTextA(window, text, sizeof text);
  EXPECT_STREQ(text, "File: C:\\50%s off.txt\r\rFile not found.");

  EXPECT_EQ(SetDlgItemTextById(window, 42, 60081, 12), 1);
  GetWindowTextA(child, text, sizeof text);
  EXPECT_STREQ(text, "Printing page 12");

  const std::string longName(300, 'q');
  EXPECT_EQ(SetWindowTextById(window, 60068, longName.c_str()), 1);
  EXPECT_EQ(GetWindowTextA(window, text, sizeof text), 255);

  {
    DialogAnswerer answerer;
    answerer.PressButton(IDOK).PressButton(IDOK);
    EXPECT_EQ(SetWindowTextById(window, 59997, "x"), 0);
    EXPECT_EQ(SetDlgItemTextById(window, 42, 59997, "x"), 0);
    EXPECT_EQ(answerer.Count(), 2u);
  }
  GetWindowTextA(child, text, sizeof text);
  EXPECT_STREQ(text, "Printing page 12");
  DestroyWindow(window);
}

TEST(CenterWindow, CentresOnTheDesktopRectangleRoundingDown) {
  HWND window = CreateWindowExA(0, "Static", "", WS_POPUP, 5, 6, 200, 101, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(window, nullptr);
  struct Case {
    RECT screen;
    int width, height;
    LONG x, y;
  } const cases[] = {
      {{0, 0, 1001, 801}, 200, 101, 400, 350},
      {{0, 0, 1000, 800}, 200, 101, 400, 349},
      {{0, 0, 100, 50}, 201, 101, -51, -26},  // larger than the desktop: still rounded down
  };
  for (const Case& c : cases) {
    ScreenRect = c.screen;
    SetWindowPos(window, nullptr, 5, 6, c.width, c.height, SWP_NOZORDER | SWP_NOACTIVATE);
    CenterWindow(window);
    RECT rect;
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.left, c.x) << c.screen.right;
    EXPECT_EQ(rect.top, c.y) << c.screen.right;
    EXPECT_EQ(rect.right - rect.left, c.width);
    EXPECT_EQ(rect.bottom - rect.top, c.height);
  }

  // An empty desktop rectangle is read from the system first.
  ScreenRect = RECT{};
  CenterWindow(window);
  RECT desktop;
  GetClientRect(GetDesktopWindow(), &desktop);
  EXPECT_TRUE(EqualRect(&ScreenRect, &desktop));
  RECT rect;
  GetWindowRect(window, &rect);
  EXPECT_EQ(rect.left, (desktop.right - 201) / 2);
  EXPECT_EQ(rect.top, (desktop.bottom - 101) / 2);
  DestroyWindow(window);
}

}  // namespace
