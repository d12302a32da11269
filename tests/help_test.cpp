// Help: the help text format (context numbers, keywords and their search) and the help window with
// the real help file, with the messages for a missing file, an unknown topic and an unknown help
// item.
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

TEST(HelpFile, TopicHeadersAndKeywords) {
  const struct {
    const char* header;
    std::vector<unsigned> ids;
    const char* title;
  } cases[] = {
      {"@topic 100, 105 120 | Three numbers", {100, 105, 120}, "Three numbers"},
      {"@topic Tools page", {}, "Tools page"},
      {"@topic 12abc 5 | Bad token skipped", {5}, "Bad token skipped"},
      {"@topic 4294967296 | Too big", {}, "Too big"},
  };
  for (const auto& c : cases) {
    const HelpFile file = ParseHelpText(std::string(c.header) + "\r\nbody\n");
    ASSERT_EQ(file.topics.size(), 1u) << c.header;
    EXPECT_EQ(file.topics[0].contextIds, c.ids) << c.header;
    EXPECT_EQ(file.topics[0].title, c.title);
  }
  const std::string body(300, 'x');
  HelpFile file = ParseHelpText(
      "@keywords lost\n@topic 10 20 | A\n@topic 20 30 | B\n@topic | C\n@topic 40 | D\n" + body);
  EXPECT_TRUE(file.keywords.empty());
  EXPECT_EQ(file.topics[3].body, std::vector<std::string>{body});
  const std::pair<unsigned, std::size_t> found[] = {{20, 0}, {30, 1}, {40, 3}, {0, kNoHelpTopic}};
  for (const auto& [id, topic] : found) EXPECT_EQ(FindHelpTopic(file, id), topic) << id;
  EXPECT_TRUE(LayOutHelpTopic(file, 9).text.empty());  // no such topic
  EXPECT_TRUE(ParseHelpText(nullptr, 100).topics.empty());

  // Keywords: merged whatever their case, sorted without regard to it, searched from the start
  // of a keyword first.
  file = ParseHelpText(
      "@topic 1 | A\n@keywords Find; find next; Replace; Sort;; Case, match\n"
      "@topic 2 | B\n@keywords lower case; FIND; \xC9tude\n");
  std::string sorted;
  for (const HelpKeyword& keyword : file.keywords) sorted += keyword.text + "|";
  EXPECT_EQ(sorted, "Case, match|Find|find next|lower case|Replace|Sort|\xC9tude|");
  EXPECT_EQ(file.keywords[1].topics, (std::vector<std::size_t>{0, 1}));
  const std::pair<const char*, std::vector<std::size_t>> searches[] = {
      {"find", {1, 2}}, {"or", {5}}, {"\xE9t", {6}}, {"  ", {0, 1, 2, 3, 4, 5, 6}}};
  for (const auto& [key, hits] : searches) EXPECT_EQ(SearchHelpKeywords(file, key), hits) << key;
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
    ASSERT_NE(TempFolder::Read(path), "<missing>") << path;
    lstrcpynA(HelpPath, path.c_str(), sizeof HelpPath);
  }
  void TearDown() override {
    if (HelpWindow()) DestroyWindow(HelpWindow());
    PumpMessages();
  }
};

TEST_F(HelpTest, TopicsOpenByNumberAndKeywordAndFailuresOpenNoWindow) {
  ASSERT_EQ(UserHelp(nullptr, 901, nullptr), 1);
  PumpMessages();
  HWND window = HelpWindow();
  EXPECT_EQ(ShownTitle(), "Welcome to Norvel");
  ShowWindow(window, SW_MINIMIZE);
  ASSERT_EQ(ContextHelp(nullptr, 1000), 1);
  EXPECT_EQ(HelpWindow(), window) << "one window, reused";
  EXPECT_FALSE(IsIconic(window));
  EXPECT_EQ(ShownTitle(), "Macros options");
  ASSERT_EQ(UserHelp(nullptr, 902, "  BACKUP"), 1);  // the keyword search
  EXPECT_EQ(ShownTitle(), "Line ends and backup copies");
  DestroyWindow(HelpWindow());

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
