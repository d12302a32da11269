// The help text format: topics and their context numbers, keywords and their search, chapters,
// and the layout of a topic with its headings, bullets and links.
#include "ui/help_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(HelpFile, TopicHeadersGiveContextNumbersAndTitles) {
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
  const HelpFile file = ParseHelpText(
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
}

TEST(HelpFile, KeywordsAreMergedSortedAndSearched) {
  const HelpFile file = ParseHelpText(
      "@topic 1 | A\n@keywords Find; find next; Replace; Sort;; Case, match\n"
      "@topic 2 | B\n@keywords lower case; FIND; \xC9"
      "dition\n");
  std::vector<std::string> sorted;
  for (const HelpKeyword& keyword : file.keywords) sorted.push_back(keyword.text);
  EXPECT_EQ(sorted, (std::vector<std::string>{"Case, match", "Find", "find next", "lower case",
                                              "Replace", "Sort",
                                              "\xC9"
                                              "dition"}));
  EXPECT_EQ(file.keywords[1].topics, (std::vector<std::size_t>{0, 1}));
  const struct {
    const char* key;
    std::vector<std::size_t> found;
  } searches[] = {{"find", {1, 2}},
                  {"case", {0, 3}},
                  {"or", {5}},
                  {"\xE9"
                   "di",
                   {6}},
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

}  // namespace
