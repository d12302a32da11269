// Text services by id: the message table, GetString's two sources and its failure, the status
// line and centring on the desktop rectangle.
#include "harness/harness.h"

#include <cstring>
#include <string>

#include "base/globals.h"
#include "ui/center_window.h"
#include "ui/message_dialogs.h"
#include "ui/status.h"
#include "ui/strings.h"
#include "ui/window_text.h"

namespace {

constexpr int kTextControl = 101;

// The error GetString shows for a missing resource: the heading rule, then a numeric code.
void ExpectMissingResourceDialog(const DialogRecord& record, UINT id) {
  EXPECT_EQ(record.title, "Error");
  const std::string text = record.ControlText(kTextControl);
  const std::string prefix =
      "GetString(LoadString)\r\rCannot load string resource (ID:" + std::to_string(id) +
      ")\r\rCode ";
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

TEST(GetString, TextsFromTheTableAndTheResources) {
  struct Case {
    UINT id;
    const char* text;
  } const cases[] = {
      {60000, "Ready ..."},
      {60001, "(CreateFontIndirect): Cannot create %s %d pt. font\r\rCode %d"},
      {60041, "File: %s\r\rError detected setting EOF mark %u on this file\r\rCode %d"},
      {60045,
       "\rCannot open the MS Windows Clipboard.\rAnother application may be using it.\r\rCode %d"},
      {60104, "Help Topic ID: %u\r\rTopic not found in help file.\rCode: %d"},
      {60107, " "},
      {1000, "Norvel"},  // a program string: from the resources
  };
  for (const Case& c : cases) {
    char buffer[kStringCapacity];
    memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(GetString(buffer, c.id), static_cast<int>(strlen(c.text))) << c.id;
    EXPECT_STREQ(buffer, c.text) << c.id;
  }
  EXPECT_EQ(GetString(nullptr, 60000), 0);
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

TEST(StatusLine, PartZeroWithoutBordersCutAt255AndUnchangedWhenHidden) {
  HWND frame = CreateWindowExA(0, "Static", "frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400,
                               200, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(frame, nullptr);
  HWND bar = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, frame,
                             reinterpret_cast<HMENU>(1003), GetModuleHandleA(nullptr), nullptr);
  int edges[] = {300, 380};
  SendMessageA(bar, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(edges));
  FrameWindow = frame;
  StatusBar = bar;
  auto part = [bar](int index, UINT* type = nullptr) {
    char text[512] = "";
    const LRESULT result = SendMessageA(bar, SB_GETTEXTA, index, reinterpret_cast<LPARAM>(text));
    if (type) *type = HIWORD(result);
    return std::string(text);
  };

  SetStatus(60087, "ab", "xab", 2, "s");
  UINT type = 0;
  EXPECT_EQ(part(0, &type), "Replaced 'ab' with 'xab' 2 times");
  EXPECT_EQ(type & SBT_NOBORDERS, static_cast<UINT>(SBT_NOBORDERS));
  EXPECT_EQ(part(1), "");
  SetStatus(60088, "%s%d%n");  // a search text is shown as typed
  EXPECT_EQ(part(0), "Cannot find '%s%d%n'");
  const std::string name(400, 'n');
  SetStatus(60073, name.c_str());
  EXPECT_EQ(part(0), ("Reading " + name).substr(0, 255));

  {
    DialogAnswerer answerer;  // a missing string shows the lookup error, keeping the text
    answerer.PressButton(IDOK);
    SetStatus(59998);
    ASSERT_EQ(answerer.Count(), 1u);
    ExpectMissingResourceDialog(answerer.Last(), 59998);
  }
  ShowWindow(bar, SW_HIDE);
  {
    DialogAnswerer answerer;  // while hidden not even a missing string is looked up
    SetStatus(59999);
    SetStatus(60066);
    EXPECT_EQ(answerer.Count(), 0u);
  }
  ShowWindow(bar, SW_SHOW);
  StatusBar = nullptr;
  SetStatus(60066);
  EXPECT_EQ(part(0), ("Reading " + name).substr(0, 255));
  StatusBar = bar;
  SetStatus(60066);
  EXPECT_EQ(part(0), "Options saved");
  FrameWindow = nullptr;
  StatusBar = nullptr;
  DestroyWindow(frame);
}

TEST(CenterWindow, CentresOnTheDesktopRectangleRoundingDown) {
  HWND window = CreateWindowExA(0, "Static", "", WS_POPUP, 5, 6, 200, 101, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(window, nullptr);
  struct Case {
    RECT screen;
    int width;
    LONG x, y;
  } const cases[] = {
      {{0, 0, 1001, 801}, 200, 400, 350},
      {{0, 0, 1000, 800}, 200, 400, 349},
      {{0, 0, 100, 50}, 201, -51, -26},  // larger than the desktop: still rounded down
      {{0, 0, 0, 0}, 201, 0, 0},         // empty: read from the system first
  };
  for (const Case& c : cases) {
    ScreenRect = c.screen;
    SetWindowPos(window, nullptr, 5, 6, c.width, 101, SWP_NOZORDER | SWP_NOACTIVATE);
    CenterWindow(window);
    RECT rect, desktop;
    GetWindowRect(window, &rect);
    GetClientRect(GetDesktopWindow(), &desktop);
    const bool empty = c.screen.right == 0;
    if (empty) {
      EXPECT_TRUE(EqualRect(&ScreenRect, &desktop));
    }
    EXPECT_EQ(rect.left, empty ? (desktop.right - 201) / 2 : c.x) << c.screen.right;
    EXPECT_EQ(rect.top, empty ? (desktop.bottom - 101) / 2 : c.y) << c.screen.right;
    EXPECT_EQ(rect.right - rect.left, c.width);
  }
  DestroyWindow(window);
}

}  // namespace
