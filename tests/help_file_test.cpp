// The help text format: topics and their context numbers, keywords, malformed input, look-up,
// keyword search and the layout of a topic for display.
#include "ui/help_file.h"

#include <gtest/gtest.h>

#include <cstdint>
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
      {"@topic 300 Tools page", {300}, "Tools page"},
      {"@topic 300,301 Two without a bar", {300, 301}, "Two without a bar"},
      {"@topic Tools page", {}, "Tools page"},
      {"@topic 2001 Odyssey | Film", {2001}, "Film"},
      {"@topic 2001: A Space Odyssey", {}, "2001: A Space Odyssey"},
      {"@topic |", {}, "Untitled topic"},
      {"@topic", {}, "Untitled topic"},
      {"@topic 77 |", {77}, "Topic 77"},
      {"@topic 12abc 5 | Bad token skipped", {5}, "Bad token skipped"},
      {"@topic 4294967296 | Too big", {}, "Too big"},
      {"@topic 4294967295 | Largest", {4294967295u}, "Largest"},
      {"@topic 0 | Zero", {0}, "Zero"},
      {"@topic 9 9 009 | Repeated", {9}, "Repeated"},
      {"@TOPIC 5 | Upper-case directive", {5}, "Upper-case directive"},
      {"@topic\t7\t|\tTabs ", {7}, "Tabs"},
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
      {"only newlines", "\r\n\n\r\r", 0},
      {"only NUL bytes", std::string(64, '\0'), 0},
      {"no topic", "@title Just a title\nsome text\n@keywords x\n", 0},
      {"topic without body", "@topic 5 | Bare", 1},
      {"many empty topics", "@topic\n@topic\n@topic\n", 3},
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

TEST(HelpFileTest, TopicsNamedAfterTheirKeywordComeFirst) {
  const HelpFile file = ParseHelpText(
      "@topic 1 | Edit menu\n@keywords find; sort\n"
      "@topic 2 | Options\n@keywords FIND; tray\n"
      "@topic 3 | Find and Replace\n@keywords Find\n"
      "@topic 4 | Tray icon\n@keywords tray\n"
      "@topic 5 | Finding files\n@keywords find\n");
  const struct {
    const char* keyword;
    std::vector<std::size_t> topics;
  } cases[] = {{"find", {2, 4, 0, 1}}, {"sort", {0}}, {"tray", {3, 1}}};
  ASSERT_EQ(file.keywords.size(), std::size(cases));
  for (std::size_t k = 0; k < std::size(cases); ++k) {
    EXPECT_EQ(file.keywords[k].text, cases[k].keyword);
    EXPECT_EQ(file.keywords[k].topics, cases[k].topics) << cases[k].keyword;
  }
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
      {"FIND", {"Find", "find next"}},
      {"  find next  ", {"find next"}},
      {"case", {"Case, match", "lower case", "upper case"}},
      {"or", {"Sort", "whole words"}},
      {"\xE9"
       "di",
       {"\xC9"
        "dition"}},
      {"zzz", {}},
      {"",
       {"Case, match", "Find", "find next", "lower case", "Replace", "Sort", "upper case",
        "whole words",
        "\xC9"
        "dition"}},
      {"   ",
       {"Case, match", "Find", "find next", "lower case", "Replace", "Sort", "upper case",
        "whole words",
        "\xC9"
        "dition"}},
  };
  for (const auto& c : cases) EXPECT_EQ(SearchTexts(file, c.key), c.found) << c.key;
}

TEST(HelpFileTest, CompareHelpTextIgnoresCase) {
  const struct {
    const char* a;
    const char* b;
    int sign;
  } cases[] = {{"abc", "ABC", 0}, {"abc", "abd", -1},  {"B", "a", 1},     {"ab", "abc", -1},
               {"", "", 0},       {"\xC0", "\xE0", 0}, {"z", "\xE0", -1}, {"[", "a", -1}};
  for (const auto& c : cases) {
    const int result = CompareHelpText(c.a, c.b);
    EXPECT_EQ((result > 0) - (result < 0), c.sign) << c.a << " / " << c.b;
  }
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

  const std::size_t first = layout.text.find("Tools page");
  ASSERT_NE(HelpLinkAt(layout, first), nullptr);
  EXPECT_EQ(HelpLinkAt(layout, first + 9)->contextId, 300u);
  EXPECT_EQ(HelpLinkAt(layout, first + 10), nullptr);
  EXPECT_EQ(HelpLinkAt(layout, 0), nullptr) << "the heading is no link";
}

// Random mixes of the format's pieces and raw bytes: parsing and layout never crash, and what
// they produce stays inside its bounds.
TEST(HelpFileTest, RandomInputKeepsItsInvariants) {
  const char* pieces[] = {
      "@topic ", "@keywords ", "@title ", "@chapter ",  "@section ",   "@@", "@#",  "|",  ";",
      ",",       "{see ",      "}",       "{see 1}",    "- ",          "\t", " ",   "\r", "\n",
      "\r\n",    "1",          "42",      "4294967295", "99999999999", "x",  "\xC9"};
  std::uint32_t random = 12345;
  auto next = [&random] {
    random = random * 1664525u + 1013904223u;
    return random >> 8;
  };
  for (int round = 0; round < 300; ++round) {
    std::string text;
    const int count = static_cast<int>(next() % 200);
    for (int i = 0; i < count; ++i) {
      if (next() % 8 == 0)
        text += static_cast<char>(next() & 0xFF);
      else
        text += pieces[next() % std::size(pieces)];
    }
    const HelpFile file = ParseHelpText(text.data(), text.size());
    for (std::size_t t = 0; t < file.topics.size(); ++t) {
      const HelpTopic& topic = file.topics[t];
      ASSERT_FALSE(topic.title.empty());
      ASSERT_LE(topic.title.size(), kHelpTextLimit);
      ASSERT_TRUE(topic.chapter == kNoHelpTopic || topic.chapter < file.chapters.size());
      const HelpLayout layout = LayOutHelpTopic(file, t);
      std::size_t previous = 0;
      for (const HelpSpan& span : layout.spans) {
        ASSERT_LE(span.start + span.length, layout.text.size());
        ASSERT_GE(span.start, previous);
        previous = span.start;
        if (span.kind == HelpSpanKind::Link) {
          ASSERT_NE(FindHelpTopic(file, span.contextId), kNoHelpTopic);
        }
      }
      ASSERT_EQ(layout.text.find('\r'), std::string::npos);
    }
    for (const HelpKeyword& keyword : file.keywords) {
      ASSERT_FALSE(keyword.text.empty());
      ASSERT_FALSE(keyword.topics.empty());
    }
  }
}

}  // namespace
