// The help text format: topics and their context numbers, keywords, malformed input, look-up,
// keyword search and the layout of a topic for display.
#include "ui/help_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string SpanText(const HelpLayout& layout, const HelpSpan& span) {
  return layout.text.substr(span.start, span.length);
}

std::vector<std::string> KeywordTexts(const HelpFile& file) {
  std::vector<std::string> texts;
  for (const HelpKeyword& keyword : file.keywords) texts.push_back(keyword.text);
  return texts;
}

std::vector<std::string> SearchTexts(const HelpFile& file, const std::string& key) {
  std::vector<std::string> texts;
  for (std::size_t k : SearchHelpKeywords(file, key)) texts.push_back(file.keywords[k].text);
  return texts;
}

TEST(HelpFileTest, TopicHeadersGiveContextNumbersAndTitles) {
  struct Case {
    const char* header;
    std::vector<unsigned> ids;
    const char* title;
  };
  const Case cases[] = {
      {"@topic 100 | Editor page", {100}, "Editor page"},
      {"@topic 100, 105 120 | Three numbers", {100, 105, 120}, "Three numbers"},
      {"@topic Tools page", {}, "Tools page"},
      {"@topic 2001 Odyssey | Film", {2001}, "Film"},
      {"@topic 77 |", {77}, "Topic 77"},
      {"@topic 12abc 5 | Bad token skipped", {5}, "Bad token skipped"},
      {"@topic 4294967296 | Too big", {}, "Too big"},
      {"@topic 9 9 009 | Repeated", {9}, "Repeated"},
      {"@topic 1 | a | b", {1}, "a | b"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.header);
    const HelpFile file = ParseHelpText(std::string(c.header) + "\nbody\n");
    ASSERT_EQ(file.topics.size(), 1u);
    EXPECT_EQ(file.topics[0].contextIds, c.ids);
    EXPECT_EQ(file.topics[0].title, c.title);
    EXPECT_EQ(file.topics[0].body, std::vector<std::string>{"body"});
  }
}

TEST(HelpFileTest, LinesDirectivesAndPreamble) {
  const char raw[] =
      "Anything before the first topic is a preamble\r\n"
      "@keywords lost; also lost\r\n"
      "@title  Norvel Help  \r\n"
      "@title Second title is ignored\r\n"
      "@topic 1 | First\r\n"
      "crlf line\r\n"
      "cr line\r"
      "lf line\n"
      "nul\0inside\n"
      "@# a comment line\n"
      "@@topic 9 | not a topic\n"
      "@topics 9 | unknown directive\n"
      "@unknown words\n"
      "@\n"
      "@topic 2 | Second\n"
      "last line without end";
  const HelpFile file = ParseHelpText(raw, sizeof(raw) - 1);
  EXPECT_EQ(file.title, "Norvel Help");
  ASSERT_EQ(file.topics.size(), 2u);
  const std::vector<std::string> firstBody = {"crlf line",
                                              "cr line",
                                              "lf line",
                                              "nul inside",
                                              "@@topic 9 | not a topic",
                                              "@topics 9 | unknown directive",
                                              "@unknown words",
                                              "@"};
  EXPECT_EQ(file.topics[0].body, firstBody);
  EXPECT_EQ(file.topics[1].body, std::vector<std::string>{"last line without end"});
  EXPECT_TRUE(file.keywords.empty()) << "keywords before the first topic belong to nothing";
}

TEST(HelpFileTest, EmptyAndDegenerateInputs) {
  const struct {
    const char* name;
    std::string text;
    std::size_t topics;
  } cases[] = {
      {"empty", "", 0},
      {"no topic", "@title Just a title\nsome text\n@keywords x\n", 0},
      {"topic without body", "@topic 5 | Bare", 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const HelpFile file = ParseHelpText(c.text.data(), c.text.size());
    EXPECT_EQ(file.topics.size(), c.topics);
    EXPECT_EQ(FindHelpTopic(file, 5), c.topics == 1 ? 0u : kNoHelpTopic);
    EXPECT_TRUE(LayOutHelpTopic(file, 99).text.empty());
    EXPECT_TRUE(LayOutHelpTopic(file, kNoHelpTopic).spans.empty());
  }
  const HelpFile none = ParseHelpText(nullptr, 1000);
  EXPECT_TRUE(none.topics.empty());
  EXPECT_EQ(none.title, kDefaultHelpTitle);
}

TEST(HelpFileTest, LongLinesAreCutOnlyInTitlesAndKeywords) {
  const std::string longText(100000, 'x');
  const HelpFile file = ParseHelpText("@title " + longText + "\n@topic 3 | " + longText +
                                      "\n@keywords " + longText + "; short\n" + longText + "\n");
  EXPECT_EQ(file.title.size(), kHelpTextLimit);
  ASSERT_EQ(file.topics.size(), 1u);
  EXPECT_EQ(file.topics[0].title.size(), kHelpTextLimit);
  ASSERT_EQ(file.topics[0].keywords.size(), 2u);
  EXPECT_EQ(file.topics[0].keywords[0].size(), kHelpTextLimit);
  const HelpLayout layout = LayOutHelpTopic(file, 0);
  EXPECT_EQ(layout.text.size(), kHelpTextLimit + 2 + longText.size());
}

TEST(HelpFileTest, DuplicateContextNumbersOpenTheFirstTopic) {
  const HelpFile file = ParseHelpText(
      "@topic 10 20 | A\n@topic 20 30 | B\n@topic 30 | C\n@topic | D\n@topic 40 | E\n");
  const struct {
    unsigned id;
    std::size_t topic;
  } cases[] = {{10, 0}, {20, 0}, {30, 1}, {40, 4}, {50, kNoHelpTopic}, {0, kNoHelpTopic}};
  for (const auto& c : cases) EXPECT_EQ(FindHelpTopic(file, c.id), c.topic) << c.id;
}

TEST(HelpFileTest, KeywordsAreMergedAndSortedWithoutRegardToCase) {
  const HelpFile file = ParseHelpText(
      "@topic 1 | One\n"
      "@keywords printing; Margins ;; ; PRINTING\n"
      "@keywords headers\n"
      "@topic 2 | Two\n"
      "@keyword Printing; apple; Zebra\n"
      "@topic 3 | Three\n"
      "@keywords \xC9"
      "dition; printing\n");
  EXPECT_EQ(file.topics[0].keywords, (std::vector<std::string>{"printing", "Margins", "headers"}));
  const std::vector<std::string> sorted = {"apple",
                                           "headers",
                                           "Margins",
                                           "printing",
                                           "Zebra",
                                           "\xC9"
                                           "dition"};
  EXPECT_EQ(KeywordTexts(file), sorted);
  const HelpKeyword& printing = file.keywords[3];
  EXPECT_EQ(printing.text, "printing") << "the first spelling is kept";
  EXPECT_EQ(printing.topics, (std::vector<std::size_t>{0, 1, 2}));
}

TEST(HelpFileTest, KeywordSearch) {
  const HelpFile file = ParseHelpText(
      "@topic 1 | A\n@keywords Find; find next; Replace; whole words; Sort; Case, match\n"
      "@topic 2 | B\n@keywords lower case; upper case; \xC9"
      "dition\n");
  const struct {
    const char* key;
    std::vector<std::string> found;
  } cases[] = {
      {"find", {"Find", "find next"}},
      {"case", {"Case, match", "lower case", "upper case"}},
      {"or", {"Sort", "whole words"}},
      {"\xE9"
       "di",
       {"\xC9"
        "dition"}},
      {"   ",
       {"Case, match", "Find", "find next", "lower case", "Replace", "Sort", "upper case",
        "whole words",
        "\xC9"
        "dition"}},
  };
  for (const auto& c : cases) EXPECT_EQ(SearchTexts(file, c.key), c.found) << c.key;
}

TEST(HelpFileTest, ChaptersGroupTheFollowingTopics) {
  const HelpFile file = ParseHelpText(
      "@topic 1 | Loose\n@chapter Menus\n@topic 2 | File\n@topic 3 | Edit\n"
      "@chapter Options\n@topic 4 | Editor page\n@chapter\n@topic 5 | Loose again\n");
  EXPECT_EQ(file.chapters, (std::vector<std::string>{"Menus", "Options"}));
  const std::size_t expected[] = {kNoHelpTopic, 0, 0, 1, kNoHelpTopic};
  ASSERT_EQ(file.topics.size(), 5u);
  for (std::size_t t = 0; t < 5; ++t) EXPECT_EQ(file.topics[t].chapter, expected[t]) << t;
}

TEST(HelpFileTest, LayoutJoinsParagraphsAndKeepsSpecialLines) {
  const HelpFile file = ParseHelpText(
      "@topic 1 | Title\n"
      "\n"
      "First line of a paragraph\n"
      "continues here.   \n"
      "\n"
      "\n"
      "@section Keys\n"
      "Ctrl+N\tNew\n"
      "  indented stays\n"
      "- first item\n"
      "continues the item\n"
      "*   second item\n"
      "\n"
      "@@- not a bullet\n"
      "@section More\n"
      "\n\n\n");
  const HelpLayout layout = LayOutHelpTopic(file, 0);
  EXPECT_EQ(layout.text,
            "Title\n"
            "\n"
            "First line of a paragraph continues here.\n"
            "\n"
            "Keys\n"
            "Ctrl+N\tNew\n"
            "  indented stays\n"
            "\x95\tfirst item continues the item\n"
            "\x95\tsecond item\n"
            "\n"
            "@- not a bullet\n"
            "\n"
            "More");
  const struct {
    HelpSpanKind kind;
    const char* text;
  } spans[] = {{HelpSpanKind::Heading, "Title"},
               {HelpSpanKind::Section, "Keys"},
               {HelpSpanKind::Table, "Ctrl+N\tNew"},
               {HelpSpanKind::Table, "  indented stays"},
               {HelpSpanKind::Bullet, "\x95\tfirst item continues the item"},
               {HelpSpanKind::Bullet, "\x95\tsecond item"},
               {HelpSpanKind::Section, "More"}};
  ASSERT_EQ(layout.spans.size(), std::size(spans));
  for (std::size_t i = 0; i < std::size(spans); ++i) {
    EXPECT_EQ(layout.spans[i].kind, spans[i].kind) << i;
    EXPECT_EQ(SpanText(layout, layout.spans[i]), spans[i].text) << i;
  }
}

TEST(HelpFileTest, LayoutTurnsReferencesIntoLinks) {
  const HelpFile file = ParseHelpText(
      "@topic 300 | Tools page\n"
      "@topic 1 | Links\n"
      "See {see 300} or {SEE  300 the tools} and {see 999}.\n"
      "Plain: {see} {see x} {see 300 {see 12 {see 300}\n"
      "- bullet with {see 300}\n");
  const HelpLayout layout = LayOutHelpTopic(file, 1);
  EXPECT_EQ(layout.text,
            "Links\n\n"
            "See Tools page or the tools and topic 999. Plain: {see} {see x} {see 300 {see 12 "
            "Tools page\n"
            "\x95\tbullet with Tools page");
  std::vector<std::string> links;
  for (const HelpSpan& span : layout.spans) {
    if (span.kind != HelpSpanKind::Link) continue;
    EXPECT_EQ(span.contextId, 300u);
    links.push_back(SpanText(layout, span));
  }
  EXPECT_EQ(links,
            (std::vector<std::string>{"Tools page", "the tools", "Tools page", "Tools page"}));
  // The bullet's own span comes before the link inside it.
  ASSERT_GE(layout.spans.size(), 2u);
  EXPECT_EQ(layout.spans[layout.spans.size() - 2].kind, HelpSpanKind::Bullet);
}

}  // namespace
