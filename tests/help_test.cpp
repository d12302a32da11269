// Help: the help text format (context numbers, keywords and their search, chapters, the layout of
// a topic) and the help window with the real help file, with the messages for a missing file, an
// unknown topic and an unknown help item.
#include "harness/harness.h"
#include "temp_folder.h"

#include <functional>
#include <string>
#include <vector>

#include "base/file_io.h"
#include "base/globals.h"
#include "ui/help.h"
#include "ui/help_file.h"
#include "ui/help_window.h"

namespace {

TEST(HelpFile, TopicHeadersChaptersAndKeywords) {
  const struct {
    const char* header;
    std::vector<unsigned> ids;
    const char* title;
  } cases[] = {
      {"@topic 100, 105 120 | Three numbers", {100, 105, 120}, "Three numbers"},
      {"@topic Tools page", {}, "Tools page"},
      {"@topic 77 |", {77}, "Topic 77"},
      {"@topic 12abc 5 | Bad token skipped", {5}, "Bad token skipped"},
      {"@topic 4294967296 | Too big", {}, "Too big"},
      {"@topic 9 9 009 | Repeated", {9}, "Repeated"},
      {"@topic 1 | a | b", {1}, "a | b"},
  };
  for (const auto& c : cases) {
    const HelpFile file = ParseHelpText(std::string(c.header) + "\r\nbody\n");
    ASSERT_EQ(file.topics.size(), 1u) << c.header;
    EXPECT_EQ(file.topics[0].contextIds, c.ids) << c.header;
    EXPECT_EQ(file.topics[0].title, c.title);
  }
  HelpFile file = ParseHelpText(
      "@keywords lost\n@title  Mine  \n@topic 10 20 | A\n@topic 20 30 | B\n@chapter Menus\n"
      "@topic | C\n@chapter\n@topic 40 | D\n" +
      std::string(300, 'x'));
  EXPECT_EQ(file.title, "Mine");
  EXPECT_TRUE(file.keywords.empty());
  EXPECT_EQ(file.topics[3].body, std::vector<std::string>{std::string(300, 'x')});
  const std::size_t chapters[] = {kNoHelpTopic, kNoHelpTopic, 0, kNoHelpTopic};
  for (std::size_t t = 0; t < 4; ++t) EXPECT_EQ(file.topics[t].chapter, chapters[t]) << t;
  const std::pair<unsigned, std::size_t> found[] = {{20, 0}, {30, 1}, {40, 3}, {0, kNoHelpTopic}};
  for (const auto& [id, topic] : found) EXPECT_EQ(FindHelpTopic(file, id), topic) << id;

  // Keywords: merged whatever their case, sorted without regard to it, searched from the start
  // of a keyword first.
  file = ParseHelpText(
      "@topic 1 | A\n@keywords Find; find next; Replace; Sort;; Case, match\n"
      "@topic 2 | B\n@keywords lower case; FIND; \xC9tude\n");
  std::string sorted;
  for (const HelpKeyword& keyword : file.keywords) sorted += keyword.text + "|";
  EXPECT_EQ(sorted, "Case, match|Find|find next|lower case|Replace|Sort|\xC9tude|");
  EXPECT_EQ(file.keywords[1].topics, (std::vector<std::size_t>{0, 1}));
  const struct {
    const char* key;
    std::vector<std::size_t> found;
  } searches[] = {{"find", {1, 2}},
                  {"case", {0, 3}},
                  {"or", {5}},
                  {"\xE9t", {6}},
                  {"  ", {0, 1, 2, 3, 4, 5, 6}}};
  for (const auto& s : searches) EXPECT_EQ(SearchHelpKeywords(file, s.key), s.found) << s.key;
}

TEST(HelpFile, LayoutJoinsParagraphsAndMarksHeadingsBulletsAndLinks) {
  const HelpFile file = ParseHelpText(
      "@topic 300 | Tools page\n@topic 1 | Title\n\nFirst line\ncontinues {see 300}.  \n\n\n"
      "@section Keys\nCtrl+N\tNew\n- item {SEE  300 the tools}\ngoes on\n\n@@- no bullet {see "
      "9}\n");
  const HelpLayout layout = LayOutHelpTopic(file, 1);
  EXPECT_EQ(layout.text,
            "Title\n\nFirst line continues Tools page.\n\nKeys\nCtrl+N\tNew\n"
            "\x95\titem the tools goes on\n\n@- no bullet topic 9");
  const std::pair<HelpSpanKind, const char*> spans[] = {
      {HelpSpanKind::Heading, "Title"},
      {HelpSpanKind::Link, "Tools page"},
      {HelpSpanKind::Section, "Keys"},
      {HelpSpanKind::Table, "Ctrl+N\tNew"},
      {HelpSpanKind::Bullet, "\x95\titem the tools goes on"},
      {HelpSpanKind::Link, "the tools"}};
  ASSERT_EQ(layout.spans.size(), std::size(spans));
  for (std::size_t i = 0; i < std::size(spans); ++i) {
    EXPECT_EQ(layout.spans[i].kind, spans[i].first) << i;
    EXPECT_EQ(layout.text.substr(layout.spans[i].start, layout.spans[i].length), spans[i].second);
  }
  EXPECT_EQ(layout.spans[5].contextId, 300u);
  EXPECT_TRUE(LayOutHelpTopic(file, 9).text.empty());
  EXPECT_TRUE(ParseHelpText(nullptr, 100).topics.empty());
}

std::string ShownTitle() {
  char text[4096] = "";
  GetWindowTextA(GetDlgItem(HelpWindow(), kHelpTextId), text, sizeof text);
  return std::string(text).substr(0, std::string(text).find_first_of("\r\n"));
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
