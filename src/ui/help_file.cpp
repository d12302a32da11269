// Parsing and layout of Norvel's help text format (documented in help/FORMAT.md). Nothing here
// can fail: a malformed file still gives a usable, possibly empty, set of topics.
#include "ui/help_file.h"

#include <algorithm>
#include <map>

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Lower case for code page 1252: A-Z, the accented capitals and the four capitals above 0x80.
unsigned char FoldByte(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
  switch (c) {
    case 0x8A:
      return 0x9A;
    case 0x8C:
      return 0x9C;
    case 0x8E:
      return 0x9E;
    case 0x9F:
      return 0xFF;
    default:
      return c;
  }
}

std::string Fold(const std::string& text) {
  std::string folded(text);
  for (char& c : folded) c = static_cast<char>(FoldByte(static_cast<unsigned char>(c)));
  return folded;
}

std::string Trim(const std::string& text) {
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && IsBlank(text[first])) ++first;
  while (last > first && IsBlank(text[last - 1])) --last;
  return text.substr(first, last - first);
}

std::string TrimRight(const std::string& text) {
  std::size_t last = text.size();
  while (last > 0 && IsBlank(text[last - 1])) --last;
  return text.substr(0, last);
}

std::string Cut(const std::string& text) {
  return text.size() > kHelpTextLimit ? text.substr(0, kHelpTextLimit) : text;
}

// A whole token of decimal digits that fits in 32 bits.
bool ParseContextNumber(const std::string& token, unsigned* value) {
  if (token.empty() || token.size() > 10) return false;
  unsigned long long number = 0;
  for (char c : token) {
    if (!IsDigit(c)) return false;
    number = number * 10 + static_cast<unsigned>(c - '0');
  }
  if (number > 0xFFFFFFFFull) return false;
  *value = static_cast<unsigned>(number);
  return true;
}

std::vector<std::string> SplitTokens(const std::string& text) {
  std::vector<std::string> tokens;
  std::string token;
  for (char c : text) {
    if (IsBlank(c) || c == ',') {
      if (!token.empty()) tokens.push_back(token);
      token.clear();
    } else {
      token += c;
    }
  }
  if (!token.empty()) tokens.push_back(token);
  return tokens;
}

void AddContextId(HelpTopic& topic, unsigned id) {
  if (std::find(topic.contextIds.begin(), topic.contextIds.end(), id) == topic.contextIds.end())
    topic.contextIds.push_back(id);
}

// "<ids> | <title>", or without the bar: leading numbers, then the title.
void ParseTopicHeader(const std::string& rest, HelpTopic& topic) {
  const std::size_t bar = rest.find('|');
  std::string title;
  if (bar != std::string::npos) {
    for (const std::string& token : SplitTokens(rest.substr(0, bar))) {
      unsigned id = 0;
      if (ParseContextNumber(token, &id)) AddContextId(topic, id);
    }
    title = Trim(rest.substr(bar + 1));
  } else {
    std::size_t position = 0;
    for (;;) {
      while (position < rest.size() && (IsBlank(rest[position]) || rest[position] == ','))
        ++position;
      std::size_t end = position;
      while (end < rest.size() && !IsBlank(rest[end]) && rest[end] != ',') ++end;
      unsigned id = 0;
      if (end == position || !ParseContextNumber(rest.substr(position, end - position), &id)) break;
      AddContextId(topic, id);
      position = end;
    }
    title = Trim(rest.substr(position));
  }
  if (title.empty())
    title = topic.contextIds.empty() ? "Untitled topic"
                                     : "Topic " + std::to_string(topic.contextIds.front());
  topic.title = Cut(title);
}

void AddKeywords(HelpTopic& topic, const std::string& list) {
  std::size_t start = 0;
  while (start <= list.size()) {
    std::size_t end = list.find(';', start);
    if (end == std::string::npos) end = list.size();
    const std::string keyword = Cut(Trim(list.substr(start, end - start)));
    if (!keyword.empty()) {
      const std::string folded = Fold(keyword);
      const bool known = std::any_of(topic.keywords.begin(), topic.keywords.end(),
                                     [&](const std::string& k) { return Fold(k) == folded; });
      if (!known) topic.keywords.push_back(keyword);
    }
    start = end + 1;
  }
}

// The directive word after "@" (letters only, lower-cased) and the trimmed rest of the line.
// Empty when the line is no directive of the form "@word" followed by a blank or the end.
std::string DirectiveWord(const std::string& line, std::string* rest) {
  std::size_t end = 1;
  while (end < line.size() &&
         ((line[end] >= 'a' && line[end] <= 'z') || (line[end] >= 'A' && line[end] <= 'Z')))
    ++end;
  if (end == 1 || (end < line.size() && !IsBlank(line[end]))) return std::string();
  *rest = Trim(line.substr(end));
  return Fold(line.substr(1, end - 1));
}

void BuildKeywordIndex(HelpFile& file) {
  std::map<std::string, std::size_t> byFoldedText;
  for (std::size_t t = 0; t < file.topics.size(); ++t) {
    for (const std::string& keyword : file.topics[t].keywords) {
      const std::string folded = Fold(keyword);
      auto found = byFoldedText.find(folded);
      if (found == byFoldedText.end()) {
        byFoldedText.emplace(folded, file.keywords.size());
        file.keywords.push_back(HelpKeyword{keyword, {t}});
      } else {
        std::vector<std::size_t>& topics = file.keywords[found->second].topics;
        if (topics.back() != t) topics.push_back(t);
      }
    }
  }
  // A topic named after the keyword answers it best: such topics come first.
  for (HelpKeyword& keyword : file.keywords) {
    const std::string folded = Fold(keyword.text);
    std::stable_partition(keyword.topics.begin(), keyword.topics.end(), [&](std::size_t t) {
      return Fold(file.topics[t].title).find(folded) != std::string::npos;
    });
  }
  std::stable_sort(file.keywords.begin(), file.keywords.end(),
                   [](const HelpKeyword& a, const HelpKeyword& b) {
                     return CompareHelpText(a.text, b.text) < 0;
                   });
}

}  // namespace

int CompareHelpText(const std::string& a, const std::string& b) {
  const std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i) {
    const unsigned char x = FoldByte(static_cast<unsigned char>(a[i]));
    const unsigned char y = FoldByte(static_cast<unsigned char>(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

HelpFile ParseHelpText(const char* text, std::size_t length) {
  HelpFile file;
  bool titleSet = false;
  std::size_t chapter = kNoHelpTopic;
  if (text == nullptr) length = 0;

  std::size_t position = 0;
  while (position < length) {
    std::size_t end = position;
    while (end < length && text[end] != '\r' && text[end] != '\n') ++end;
    std::string line(text + position, end - position);
    std::replace(line.begin(), line.end(), '\0', ' ');
    position = end;
    if (position < length) {  // CR LF, LF or CR alone
      const bool crLf =
          text[position] == '\r' && position + 1 < length && text[position + 1] == '\n';
      position += crLf ? 2 : 1;
    }

    HelpTopic* current = file.topics.empty() ? nullptr : &file.topics.back();
    if (!line.empty() && line[0] == '@') {
      if (line.size() > 1 && line[1] == '#') continue;  // a comment
      std::string rest;
      const std::string word = DirectiveWord(line, &rest);
      if (word == "title") {
        if (!titleSet && !rest.empty()) {
          file.title = Cut(rest);
          titleSet = true;
        }
        continue;
      }
      if (word == "chapter") {
        chapter = kNoHelpTopic;
        if (!rest.empty()) {
          chapter = file.chapters.size();
          file.chapters.push_back(Cut(rest));
        }
        continue;
      }
      if (word == "topic") {
        file.topics.emplace_back();
        ParseTopicHeader(rest, file.topics.back());
        file.topics.back().chapter = chapter;
        continue;
      }
      if (word == "keywords" || word == "keyword") {
        if (current != nullptr) AddKeywords(*current, rest);
        continue;
      }
    }
    if (current != nullptr) current->body.push_back(line);  // the preamble is dropped
  }
  BuildKeywordIndex(file);
  return file;
}

std::size_t FindHelpTopic(const HelpFile& file, unsigned contextId) {
  for (std::size_t t = 0; t < file.topics.size(); ++t) {
    const std::vector<unsigned>& ids = file.topics[t].contextIds;
    if (std::find(ids.begin(), ids.end(), contextId) != ids.end()) return t;
  }
  return kNoHelpTopic;
}

std::vector<std::size_t> SearchHelpKeywords(const HelpFile& file, const std::string& key) {
  const std::string folded = Fold(Trim(key));
  std::vector<std::size_t> starting;
  std::vector<std::size_t> containing;
  for (std::size_t k = 0; k < file.keywords.size(); ++k) {
    const std::size_t at = Fold(file.keywords[k].text).find(folded);
    if (at == 0)
      starting.push_back(k);
    else if (at != std::string::npos)
      containing.push_back(k);
  }
  starting.insert(starting.end(), containing.begin(), containing.end());
  return starting;
}

namespace {

enum class LineKind { Paragraph, Blank, Section, Bullet, Table };

struct LaidLine {
  std::string text;
  LineKind kind;
};

bool StartsWithNoCase(const std::string& text, std::size_t at, const char* word) {
  for (std::size_t i = 0; word[i] != '\0'; ++i) {
    if (at + i >= text.size() ||
        FoldByte(static_cast<unsigned char>(text[at + i])) != static_cast<unsigned char>(word[i]))
      return false;
  }
  return true;
}

// Sorts the body lines into paragraphs and bullets (both continue on the plain lines that
// follow them), blank separators, sections, and lines kept as written.
std::vector<LaidLine> GroupBody(const std::vector<std::string>& body) {
  std::vector<LaidLine> lines;
  LaidLine pending{std::string(), LineKind::Paragraph};
  auto flush = [&] {
    if (!pending.text.empty()) lines.push_back(pending);
    pending = LaidLine{std::string(), LineKind::Paragraph};
  };
  for (const std::string& raw : body) {
    std::string line = TrimRight(raw);
    if (Trim(line).empty()) {
      flush();
      if (!lines.empty() && lines.back().kind != LineKind::Blank)
        lines.push_back({std::string(), LineKind::Blank});
      continue;
    }
    if (line.compare(0, 2, "@@") == 0) {
      line.erase(0, 1);  // an escaped "@": ordinary text from here on
    } else if (StartsWithNoCase(line, 0, "@section") && (line.size() == 8 || IsBlank(line[8]))) {
      flush();
      const std::string heading = Trim(line.substr(8));
      if (heading.empty()) continue;
      if (!lines.empty() && lines.back().kind != LineKind::Blank)  // a heading needs air
        lines.push_back({std::string(), LineKind::Blank});
      lines.push_back({heading, LineKind::Section});
      continue;
    } else if (line.compare(0, 2, "- ") == 0 || line.compare(0, 2, "* ") == 0) {
      flush();
      pending = LaidLine{std::string("\x95\t") + Trim(line.substr(2)), LineKind::Bullet};
      continue;
    } else if (IsBlank(line[0]) || line.find('\t') != std::string::npos) {
      flush();
      lines.push_back({line, LineKind::Table});
      continue;
    }
    if (!pending.text.empty()) pending.text += ' ';
    pending.text += Trim(line);
  }
  flush();
  while (!lines.empty() && lines.back().kind == LineKind::Blank) lines.pop_back();
  return lines;
}

// Appends `line` to the layout, turning "{see N}" and "{see N text}" into links.
void AppendWithLinks(const HelpFile& file, const std::string& line, HelpLayout& layout) {
  std::size_t i = 0;
  while (i < line.size()) {
    if (line[i] == '{' && StartsWithNoCase(line, i + 1, "see") && i + 4 < line.size() &&
        IsBlank(line[i + 4])) {
      std::size_t digits = i + 4;
      while (digits < line.size() && IsBlank(line[digits])) ++digits;
      std::size_t afterDigits = digits;
      while (afterDigits < line.size() && IsDigit(line[afterDigits])) ++afterDigits;
      unsigned id = 0;
      const bool number = ParseContextNumber(line.substr(digits, afterDigits - digits), &id);
      std::size_t close = std::string::npos;
      if (number && afterDigits < line.size()) {
        if (line[afterDigits] == '}')
          close = afterDigits;
        else if (IsBlank(line[afterDigits]))
          close = line.find_first_of("{}", afterDigits);  // a label holds no brace
        if (close != std::string::npos && line[close] != '}') close = std::string::npos;
      }
      if (close != std::string::npos) {
        const std::string label = Trim(line.substr(afterDigits, close - afterDigits));
        const std::size_t target = FindHelpTopic(file, id);
        std::string shown = label;
        if (shown.empty())
          shown =
              target != kNoHelpTopic ? file.topics[target].title : "topic " + std::to_string(id);
        if (target != kNoHelpTopic)
          layout.spans.push_back({layout.text.size(), shown.size(), HelpSpanKind::Link, id});
        layout.text += shown;
        i = close + 1;
        continue;
      }
    }
    layout.text += line[i];
    ++i;
  }
}

}  // namespace

HelpLayout LayOutHelpTopic(const HelpFile& file, std::size_t topic) {
  HelpLayout layout;
  if (topic >= file.topics.size()) return layout;
  const HelpTopic& source = file.topics[topic];
  layout.text = source.title;
  layout.spans.push_back({0, source.title.size(), HelpSpanKind::Heading, 0});

  const std::vector<LaidLine> lines = GroupBody(source.body);
  if (!lines.empty()) layout.text += "\n";
  for (const LaidLine& line : lines) {
    layout.text += "\n";
    const std::size_t start = layout.text.size();
    const std::size_t spanIndex = layout.spans.size();
    AppendWithLinks(file, line.text, layout);
    HelpSpanKind kind = HelpSpanKind::Link;
    switch (line.kind) {
      case LineKind::Section:
        kind = HelpSpanKind::Section;
        break;
      case LineKind::Bullet:
        kind = HelpSpanKind::Bullet;
        break;
      case LineKind::Table:
        kind = HelpSpanKind::Table;
        break;
      default:
        continue;  // paragraphs and blank lines need no span of their own
    }
    // The line's span goes before the links inside it, so the spans stay in text order.
    layout.spans.insert(layout.spans.begin() + static_cast<std::ptrdiff_t>(spanIndex),
                        HelpSpan{start, layout.text.size() - start, kind, 0});
  }
  return layout;
}

const HelpSpan* HelpLinkAt(const HelpLayout& layout, std::size_t position) {
  for (const HelpSpan& span : layout.spans) {
    if (span.kind == HelpSpanKind::Link && position >= span.start &&
        position < span.start + span.length)
      return &span;
  }
  return nullptr;
}
