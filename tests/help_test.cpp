// The help commands with the real help file: every context number opens its topic, the
// contents and the keyword index, links and Back, and the messages for a missing file, an
// unknown topic and an unknown help item.
#include "harness/harness.h"
#include "temp_folder.h"

#include <functional>
#include <string>
#include <vector>

#include "base/globals.h"
#include "ui/help.h"
#include "ui/help_file.h"
#include "ui/help_window.h"

namespace {

constexpr int kMessageText = 101;  // the text control of the program's message dialogs

std::string Folder(const std::string& path) {
  return path.substr(0, path.find_last_of('\\'));
}

// The help file of the source tree: the build copies it beside norvel.exe (the folder above the
// tests); the source folder lies above the build folder.
std::string SourceHelpFile() {
  char exe[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, exe, sizeof exe);
  const std::string tests = Folder(exe);
  const std::string build = Folder(tests);
  for (const std::string& candidate :
       {Folder(build) + "\\help\\norvel.hlp", build + "\\norvel.hlp"}) {
    if (TempFolder::Read(candidate) != "<missing>") return candidate;
  }
  return std::string();
}

std::string WindowText(HWND window) {
  std::vector<char> text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 2, '\0');
  GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
  return text.data();
}

std::string FirstLine(HWND window) {
  const std::string text = WindowText(window);
  return text.substr(0, text.find_first_of("\r\n"));
}

HWND Control(int id) {
  return GetDlgItem(HelpWindow(), id);
}

std::string ShownTitle() {
  return FirstLine(Control(kHelpTextId));
}

std::string FirstListText(HWND list) {
  char text[256] = "";
  if (SendMessageA(list, LB_GETTEXTLEN, 0, 0) >= static_cast<LRESULT>(sizeof text)) return "";
  SendMessageA(list, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(text));
  return text;
}

BOOL CALLBACK CountHelpWindow(HWND window, LPARAM count) {
  char name[64] = "";
  GetClassNameA(window, name, sizeof name);
  if (lstrcmpA(name, kHelpWindowClass) == 0) ++*reinterpret_cast<int*>(count);
  return TRUE;
}

int HelpWindowCount() {
  int count = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountHelpWindow, reinterpret_cast<LPARAM>(&count));
  return count;
}

// Queues an OK for the next dialog, reading what it shows once it is fully up.
void ReadAndConfirm(DialogAnswerer& answerer, DialogRecord* shown) {
  answerer.Run(
      [shown](HWND dialog, DialogAnswerer&) {
        *shown = DialogAnswerer::Read(dialog);
        DialogAnswerer::Click(dialog, IDOK);
      },
      "read, then OK");
}

class HelpTest : public testing::Test {
 protected:
  void SetUp() override {
    lstrcpynA(savedHelpPath_, HelpPath, sizeof savedHelpPath_);
    const std::string source = SourceHelpFile();
    ASSERT_FALSE(source.empty()) << "help\\norvel.hlp not found above the test program";
    helpText_ = TempFolder::Read(source);
    UseHelpFile("norvel.hlp", helpText_);
  }
  void TearDown() override {
    if (HelpWindow()) DestroyWindow(HelpWindow());
    PumpMessages();
    EXPECT_EQ(HelpWindowCount(), 0);
    lstrcpynA(HelpPath, savedHelpPath_, sizeof HelpPath);
  }
  // Writes `text` as the help file `name` in the test folder and makes it the help path.
  void UseHelpFile(const std::string& name, const std::string& text) {
    lstrcpynA(HelpPath, folder_.Write(name, text).c_str(), sizeof HelpPath);
  }

  TempFolder folder_;
  std::string helpText_;
  char savedHelpPath_[256] = "";
};

TEST_F(HelpTest, EveryContextNumberOpensItsTopicInOneWindow) {
  const struct {
    UINT id;
    const char* title;
  } cases[] = {
      {100, "Editor options"},
      {105, "Time Stamp options"},
      {120, "SysEdit options"},
      {200, "Explorer options and shell integration"},
      {300, "Tools options"},
      {500, "Filters options"},
      {550, "Customizing the toolbar"},
      {800, "Version information"},
      {900, "Page Setup"},
      {1000, "Macros options"},
      {903, "How to Use Help"},
  };
  // Contents first: the tree of loose topics and chapters, the first topic shown.
  ASSERT_EQ(UserHelp(nullptr, 901, nullptr), 1);
  PumpMessages();
  HWND first = HelpWindow();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(SendMessageA(Control(kHelpTabsId), TCM_GETCURSEL, 0, 0), 0);
  EXPECT_TRUE(IsWindowVisible(Control(kHelpContentsId)));
  EXPECT_EQ(ShownTitle(), "Welcome to Norvel");
  const HelpFile file = ParseHelpText(helpText_);
  EXPECT_EQ(SendMessageA(Control(kHelpContentsId), TVM_GETCOUNT, 0, 0),
            static_cast<LRESULT>(file.topics.size() + file.chapters.size()));
  ShowWindow(first, SW_MINIMIZE);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.id);
    ASSERT_EQ(ContextHelp(nullptr, c.id), 1);
    PumpMessages();
    EXPECT_EQ(HelpWindow(), first) << "the open window is reused";
    EXPECT_TRUE(IsWindowVisible(first));
    EXPECT_FALSE(IsIconic(first));
    EXPECT_EQ(WindowText(first), "Norvel Help");
    EXPECT_EQ(ShownTitle(), c.title);
  }
  EXPECT_EQ(HelpWindowCount(), 1);
}

TEST_F(HelpTest, KeywordSearchFindsTopics) {
  const struct {
    const char* key;
    const char* keyword;  // the first keyword listed
    const char* topic;    // the topic shown
  } cases[] = {
      {"BACKUP", "backup", "Line ends and backup copies"},
      {"  tray", "tray", "Tray icon and Always on Top"},
      {"find", "Find", "Find and Replace"},
      {"command tail", "command tail", "Tools menu"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.key);
    ASSERT_EQ(UserHelp(nullptr, 902, c.key), 1);
    PumpMessages();
    EXPECT_EQ(SendMessageA(Control(kHelpTabsId), TCM_GETCURSEL, 0, 0), 1);
    EXPECT_TRUE(IsWindowVisible(Control(kHelpKeywordListId)));
    EXPECT_EQ(WindowText(Control(kHelpKeywordEditId)), c.key);
    EXPECT_EQ(FirstListText(Control(kHelpKeywordListId)), c.keyword);
    EXPECT_EQ(FirstListText(Control(kHelpFoundListId)), c.topic);
    EXPECT_EQ(ShownTitle(), c.topic);
  }
}

TEST_F(HelpTest, LinksOpenTheirTopicAndBackReturns) {
  ASSERT_EQ(UserHelp(nullptr, 901, nullptr), 1);
  PumpMessages();
  HWND text = Control(kHelpTextId);
  const HelpFile file = ParseHelpText(helpText_);
  const HelpLayout layout = LayOutHelpTopic(file, 0);
  const HelpSpan* link = nullptr;
  for (const HelpSpan& span : layout.spans) {
    if (!link && span.kind == HelpSpanKind::Link) link = &span;
  }
  ASSERT_NE(link, nullptr);

  // A click on it opens the topic it names.
  POINTL at{};
  SendMessageA(text, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&at),
               static_cast<LPARAM>(link->start + 1));
  const LPARAM point = MAKELPARAM(at.x + 2, at.y + 3);
  SendMessageA(text, WM_LBUTTONDOWN, MK_LBUTTON, point);
  SendMessageA(text, WM_LBUTTONUP, 0, point);
  PumpMessages();
  const std::size_t target = FindHelpTopic(file, link->contextId);
  ASSERT_NE(target, kNoHelpTopic);
  EXPECT_EQ(ShownTitle(), file.topics[target].title);
  EXPECT_EQ(HelpWindowTopic(), target);

  ASSERT_EQ(ContextHelp(nullptr, 300), 1);
  EXPECT_EQ(ShownTitle(), "Tools options");
  SendMessageA(Control(kHelpBackId), BM_CLICK, 0, 0);
  EXPECT_EQ(ShownTitle(), file.topics[target].title);
  SendMessageA(Control(kHelpBackId), BM_CLICK, 0, 0);
  EXPECT_EQ(ShownTitle(), "Welcome to Norvel");
  EXPECT_FALSE(IsWindowEnabled(Control(kHelpBackId)));
}

// A missing file, an unknown context number and an unknown help item: each is reported once
// and opens no window.
TEST_F(HelpTest, FailuresAreReported) {
  const std::string missing = folder_.File("absent.hlp");
  const std::string notFound = "File: " + missing + "\r\rFile not found.";
  const std::string unknown = "\r\rTopic not found in help file.\rCode: ";
  const struct {
    const char* name;
    bool missingFile;
    std::function<int()> call;
    const char* title;
    std::string text;
  } cases[] = {
      {"contents", true, [] { return UserHelp(nullptr, 901, nullptr); }, "Error", notFound},
      {"search", true, [] { return UserHelp(nullptr, 902, "find"); }, "Error", notFound},
      {"context", true, [] { return ContextHelp(nullptr, 100); }, "Norvel",
       "Help Topic ID: 100" + unknown + "2"},
      {"unknown 7", false, [] { return ContextHelp(nullptr, 7); }, "Norvel",
       "Help Topic ID: 7" + unknown + "1168"},
      {"unknown largest", false, [] { return ContextHelp(nullptr, 4294967295u); }, "Norvel",
       "Help Topic ID: 4294967295" + unknown + "1168"},
      {"item 0", false, [] { return UserHelp(nullptr, 0, "find"); }, "Error",
       "UserHelp(item)\r\rInvalid help item specified (item:0)"},
      {"item 904", false, [] { return UserHelp(nullptr, 904, "find"); }, "Error",
       "UserHelp(item)\r\rInvalid help item specified (item:904)"},
  };
  const std::string present = HelpPath;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    lstrcpynA(HelpPath, c.missingFile ? missing.c_str() : present.c_str(), sizeof HelpPath);
    DialogAnswerer answerer;
    DialogRecord shown;
    ReadAndConfirm(answerer, &shown);
    EXPECT_EQ(c.call(), 0);
    ASSERT_EQ(answerer.Count(), 1u);
    EXPECT_EQ(shown.title, c.title);
    EXPECT_EQ(shown.ControlText(kMessageText), c.text);
    EXPECT_EQ(HelpWindow(), nullptr);
  }

  // How to use help needs no file: the help system brings that topic itself.
  lstrcpynA(HelpPath, missing.c_str(), sizeof HelpPath);
  DialogAnswerer none;
  EXPECT_EQ(UserHelp(nullptr, 903, nullptr), 1);
  EXPECT_EQ(none.Count(), 0u);
  EXPECT_EQ(ShownTitle(), "How to Use Help");
}

TEST_F(HelpTest, MalformedHelpFilesStillOpen) {
  std::string garbage(5000, 'x');
  garbage += std::string(10, '\0') + "\r\r\n@topic\n@keywords ;;;\n@topic 12abc | \n" +
             std::string(70000, '@') + "\n{see 1";
  UseHelpFile("garbage.hlp", garbage);
  ASSERT_EQ(UserHelp(nullptr, 901, nullptr), 1);
  PumpMessages();
  // The two topics and the built-in one on how to use help.
  EXPECT_EQ(SendMessageA(Control(kHelpContentsId), TVM_GETCOUNT, 0, 0), 3);
  ASSERT_EQ(UserHelp(nullptr, 903, nullptr), 1);
  EXPECT_EQ(ShownTitle(), "How to Use Help");
}

}  // namespace
