// The help file's text format (help/FORMAT.md): parsing into topics, look-up by context number,
// keyword search and the layout of one topic for display. Pure text logic, no window and no
// Windows header, so it is tested directly.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

constexpr std::size_t kNoHelpTopic = static_cast<std::size_t>(-1);
constexpr std::size_t kHelpTextLimit = 255;  // titles and keywords are cut to this length
constexpr const char* kDefaultHelpTitle = "Norvel Help";

struct HelpTopic {
  std::vector<unsigned> contextIds;    // in the order written; may be empty
  std::string title;                   // never empty
  std::vector<std::string> keywords;   // as written, duplicates dropped
  std::vector<std::string> body;       // raw body lines, laid out by LayOutHelpTopic
  std::size_t chapter = kNoHelpTopic;  // index into HelpFile::chapters, or none
};

struct HelpKeyword {
  std::string text;  // the first spelling met in the file
  // Topic indices, each once: those whose title contains the keyword first, then the others,
  // each group in file order.
  std::vector<std::size_t> topics;
};

struct HelpFile {
  std::string title = kDefaultHelpTitle;
  std::vector<std::string> chapters;
  std::vector<HelpTopic> topics;      // file order: the order of the contents
  std::vector<HelpKeyword> keywords;  // sorted without regard to case
};

// Parses help text of `length` bytes (NUL bytes allowed). Never fails: whatever is not
// understood becomes body text or is skipped, as the format describes.
HelpFile ParseHelpText(const char* text, std::size_t length);
inline HelpFile ParseHelpText(const std::string& text) {
  return ParseHelpText(text.data(), text.size());
}

// The first topic that carries `contextId`, or kNoHelpTopic.
std::size_t FindHelpTopic(const HelpFile& file, unsigned contextId);

// Indices into file.keywords that contain `key` without regard to case: those that start with
// it first, then the others, each group in index order. A blank key matches every keyword.
std::vector<std::size_t> SearchHelpKeywords(const HelpFile& file, const std::string& key);

// Case-insensitive comparison for ANSI text (A-Z and the accented capitals of code page 1252).
int CompareHelpText(const std::string& a, const std::string& b);

// One topic laid out for display: lines separated by "\n" (one character each, so offsets
// match a rich-edit control's character positions) and the ranges that need formatting.
enum class HelpSpanKind { Heading, Section, Bullet, Table, Link };

struct HelpSpan {
  std::size_t start = 0;
  std::size_t length = 0;
  HelpSpanKind kind = HelpSpanKind::Link;
  unsigned contextId = 0;  // Link only: the topic it opens
};

struct HelpLayout {
  std::string text;
  std::vector<HelpSpan> spans;  // in text order
};

HelpLayout LayOutHelpTopic(const HelpFile& file, std::size_t topic);

// The link at character position `position` of a layout, or null.
const HelpSpan* HelpLinkAt(const HelpLayout& layout, std::size_t position);
