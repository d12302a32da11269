// The help window with the real help file: context numbers, contents, keyword search, and the
// messages for a missing file, an unknown topic and an unknown help item.
#include "harness/harness.h"
#include "temp_folder.h"

#include <functional>
#include <string>

#include "base/file_io.h"
#include "base/globals.h"
#include "ui/help.h"
#include "ui/help_file.h"
#include "ui/help_window.h"

namespace {

std::string Text(int id) {
  char text[4096] = "";
  GetWindowTextA(GetDlgItem(HelpWindow(), id), text, sizeof text);
  return text;
}
std::string ShownTitle() {
  const std::string text = Text(kHelpTextId);
  return text.substr(0, text.find_first_of("\r\n"));
}

class HelpTest : public testing::Test {
 protected:
  void SetUp() override {
    char exe[MAX_PATH] = "";  // build\tests\norvel_tests.exe; the help file is beside norvel.exe
    GetModuleFileNameA(nullptr, exe, sizeof exe);
    std::string path = exe;
    path = path.substr(0, path.rfind('\\', path.rfind('\\') - 1)) + "\\norvel.hlp";
    text_ = TempFolder::Read(path);
    ASSERT_NE(text_, "<missing>") << path;
    lstrcpynA(HelpPath, path.c_str(), sizeof HelpPath);
  }
  void TearDown() override {
    if (HelpWindow()) DestroyWindow(HelpWindow());
    PumpMessages();
  }
  std::string text_;
};

TEST_F(HelpTest, TopicsOpenByContextNumberAndKeyword) {
  ASSERT_EQ(UserHelp(nullptr, 901, nullptr), 1);
  PumpMessages();
  HWND window = HelpWindow();
  EXPECT_EQ(ShownTitle(), "Welcome to Norvel");
  const HelpFile file = ParseHelpText(text_);
  EXPECT_EQ(SendDlgItemMessageA(window, kHelpContentsId, TVM_GETCOUNT, 0, 0),
            static_cast<LRESULT>(file.topics.size() + file.chapters.size()));
  ShowWindow(window, SW_MINIMIZE);
  const std::pair<UINT, const char*> topics[] = {{100, "Editor options"},
                                                 {120, "SysEdit options"},
                                                 {550, "Customizing the toolbar"},
                                                 {1000, "Macros options"},
                                                 {300, "Tools options"}};
  for (const auto& [id, title] : topics) {
    ASSERT_EQ(ContextHelp(nullptr, id), 1);
    EXPECT_EQ(HelpWindow(), window) << "one window, reused";
    EXPECT_FALSE(IsIconic(window));
    EXPECT_EQ(ShownTitle(), title);
  }
  ASSERT_EQ(UserHelp(nullptr, 902, "  BACKUP"), 1);  // the keyword search
  EXPECT_EQ(ShownTitle(), "Line ends and backup copies");
}

TEST_F(HelpTest, FailuresAreReportedOnceAndOpenNoWindow) {
  const std::string present = HelpPath;
  const std::string missing = present + ".absent";
  const struct {
    bool missingFile;
    std::function<int()> call;
    const char* title;
    std::string text;
  } cases[] = {
      {true, [] { return UserHelp(nullptr, 902, "find"); }, "Error",
       "File: " + missing + "\r\rFile not found."},
      {true, [] { return ContextHelp(nullptr, 100); }, "Norvel",
       "Help Topic ID: 100\r\rTopic not found in help file.\rCode: 2"},
      {false, [] { return ContextHelp(nullptr, 7); }, "Norvel",
       "Help Topic ID: 7\r\rTopic not found in help file.\rCode: 1168"},
      {false, [] { return UserHelp(nullptr, 904, "find"); }, "Error",
       "UserHelp(item)\r\rInvalid help item specified (item:904)"},
      {false,  // the help file is read through the program's file seam
       [] {
         InjectFileFailure(FileStep::Read, ERROR_ACCESS_DENIED);
         return UserHelp(nullptr, 902, "find");
       },
       "File I/O Error",
       "File: " + present + "\r\rError detected reading data from this disk file\r\rCode 5"},
  };
  for (const auto& c : cases) {
    lstrcpynA(HelpPath, (c.missingFile ? missing : present).c_str(), sizeof HelpPath);
    DialogAnswerer answerer;
    answerer.PressButton(IDOK);
    EXPECT_EQ(c.call(), 0);
    EXPECT_EQ(answerer.Last().title, c.title);
    EXPECT_EQ(answerer.Last().ControlText(101), c.text);
    EXPECT_EQ(HelpWindow(), nullptr);
  }
  // How to use help needs no file.
  EXPECT_EQ(UserHelp(nullptr, 903, nullptr), 1);
  EXPECT_EQ(ShownTitle(), "How to Use Help");
}

}  // namespace
