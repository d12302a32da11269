// Texts by id in the status line, and GetString's failure beside the message table.
#include "harness/harness.h"

#include <string>

#include "base/globals.h"
#include "ui/message_dialogs.h"
#include "ui/status.h"
#include "ui/strings.h"

namespace {

TEST(StatusLine, PartZeroWithoutBordersCutAndQuietWhenHidden) {
  HWND frame = CreateWindowExA(0, "Static", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 200,
                               nullptr, nullptr, nullptr, nullptr);
  HWND bar = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, frame,
                             nullptr, nullptr, nullptr);
  int edges[] = {300, -1};
  SendMessageA(bar, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(edges));
  FrameWindow = frame;
  StatusBar = bar;
  const auto part0 = [bar](UINT* type = nullptr) {
    char text[512] = "";
    const LRESULT result = SendMessageA(bar, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text));
    if (type) *type = HIWORD(result);
    return std::string(text);
  };
  SetStatus(60087, "ab", "xab", 2, "s");
  UINT type = 0;
  EXPECT_EQ(part0(&type), "Replaced 'ab' with 'xab' 2 times");
  EXPECT_EQ(type & SBT_NOBORDERS, static_cast<UINT>(SBT_NOBORDERS));
  SetStatus(60088, "%s%d%n");  // a search text is shown as typed
  EXPECT_EQ(part0(), "Cannot find '%s%d%n'");
  const std::string name(400, 'n');
  SetStatus(60073, name.c_str());
  EXPECT_EQ(part0(), ("Reading " + name).substr(0, 255));

  // Ids beside the message table are looked up in the resources, where there are none.
  for (UINT id : {59999u, 60108u}) {
    DialogAnswerer answerer;
    answerer.PressButton(IDOK);
    SetStatus(id);
    EXPECT_EQ(answerer.Last().title, "Error");
    EXPECT_EQ(answerer.Last().ControlText(101).rfind(
                  "GetString(LoadString)\r\rCannot load string resource (ID:" + std::to_string(id) +
                      ")\r\rCode ",
                  0),
              0u);
    EXPECT_EQ(part0(), ("Reading " + name).substr(0, 255));
  }
  ShowWindow(bar, SW_HIDE);
  SetStatus(59999);  // hidden: nothing is looked up, so no dialog
  ShowWindow(bar, SW_SHOW);
  SetStatus(60066);
  EXPECT_EQ(part0(), "Options saved");
  FrameWindow = StatusBar = nullptr;
  DestroyWindow(frame);
}

}  // namespace
