// In-memory dialog templates: the bytes of the message dialog kinds and the writer's alignment,
// widening and overflow handling.
#include "harness/harness.h"

#include <string>
#include <vector>

#include "ui/dialog_template.h"

namespace {

struct ParsedItem {
  size_t offset = 0;
  DWORD style = 0, exStyle = 0;
  short x = 0, y = 0, cx = 0, cy = 0;
  WORD id = 0, classAtom = 0, creationData = 0xFFFF;
  std::string text;
};

struct ParsedTemplate {
  DWORD style = 0, exStyle = 0;
  WORD count = 0;
  short x = 0, y = 0, cx = 0, cy = 0;
  WORD menu = 0xFFFF, windowClass = 0xFFFF, pointSize = 0;
  std::string title, face;
  std::vector<ParsedItem> items;
  size_t end = 0;
  std::string error;  // empty when the block parsed cleanly
};

// Reads a template back word by word, checking what the format requires along the way:
// zero padding to DWORD boundaries, ordinal classes, texts widened from single bytes.
class TemplateReader {
 public:
  TemplateReader(const unsigned char* block, size_t size) : block_(block), size_(size) {}

  ParsedTemplate Parse(bool hasFont) {
    ParsedTemplate t;
    t.style = Dword();
    t.exStyle = Dword();
    t.count = Word();
    Rect(t.x, t.y, t.cx, t.cy);
    t.menu = Word();
    t.windowClass = Word();
    t.title = Text();
    if (hasFont) {
      t.pointSize = Word();
      t.face = Text();
    }
    for (WORD i = 0; i < t.count && t.error.empty(); ++i) {
      while (pos_ % 4 != 0) Expect(Word() == 0, "non-zero padding", t);
      ParsedItem item;
      item.offset = pos_;
      item.style = Dword();
      item.exStyle = Dword();
      Rect(item.x, item.y, item.cx, item.cy);
      item.id = Word();
      Expect(Word() == 0xFFFF, "class is not an ordinal", t);
      item.classAtom = Word();
      item.text = Text();
      item.creationData = Word();
      t.items.push_back(item);
    }
    t.end = pos_;
    Expect(!wide_, "character above 0xFF in a widened text", t);
    Expect(pos_ <= size_, "read past the end of the block", t);
    return t;
  }

 private:
  static void Expect(bool ok, const char* what, ParsedTemplate& t) {
    if (!ok && t.error.empty()) t.error = what;
  }
  WORD Word() {
    const WORD value =
        pos_ + 2 <= size_ ? static_cast<WORD>(block_[pos_] | block_[pos_ + 1] << 8) : 0;
    pos_ += 2;
    return value;
  }
  DWORD Dword() {
    const DWORD low = Word();
    return low | static_cast<DWORD>(Word()) << 16;
  }
  void Rect(short& x, short& y, short& cx, short& cy) {
    x = static_cast<short>(Word());
    y = static_cast<short>(Word());
    cx = static_cast<short>(Word());
    cy = static_cast<short>(Word());
  }
  std::string Text() {
    std::string text;
    for (WORD c = Word(); c != 0 && pos_ <= size_; c = Word()) {
      wide_ |= c > 0xFF;
      text += static_cast<char>(c);
    }
    return text;
  }

  const unsigned char* block_;
  size_t size_;
  size_t pos_ = 0;
  bool wide_ = false;
};

struct ExpectedItem {
  DWORD style;
  short x, y, cx, cy;
  WORD id;
  WORD classAtom;
  const char* text;
};

const ExpectedItem kIcon = {0x50000003, 8, 9, 18, 20, 100, 0x0082, " "};
const ExpectedItem kMessage = {0x50000000, 37, 8, 175, 50, 101, 0x0082, " "};
const ExpectedItem kOk = {0x50010001, 91, 65, 36, 14, 1, 0x0080, "OK"};

TEST(DialogTemplate, MessageKindsMatchTheirLayout) {
  const struct {
    MessageKind kind;
    std::vector<ExpectedItem> items;
  } kinds[] = {
      {MessageKind::Error, {kIcon, kMessage, kOk}},
      {MessageKind::Notice, {kIcon, kMessage, kOk}},
      {MessageKind::Question,
       {kIcon,
        kMessage,
        {0x50010001, 69, 65, 36, 14, 6, 0x0080, "&Yes"},
        {0x50010000, 115, 65, 36, 14, 7, 0x0080, "&No"}}},
      {MessageKind::SaveChanges,
       {kIcon,
        kMessage,
        {0x50010001, 46, 65, 36, 14, 6, 0x0080, "&Yes"},
        {0x50010000, 92, 65, 36, 14, 7, 0x0080, "&No"},
        {0x50010000, 138, 65, 36, 14, 2, 0x0080, "&Cancel"}}},
  };
  for (const auto& kind : kinds) {
    SCOPED_TRACE("kind " + std::to_string(static_cast<int>(kind.kind)));
    std::vector<unsigned char> block(kMessageTemplateSize, 0);
    const size_t used = WriteMessageTemplate(kind.kind, block.data(), block.size());
    ASSERT_GT(used, 0u);

    const ParsedTemplate t = TemplateReader(block.data(), block.size()).Parse(true);
    ASSERT_EQ(t.error, "");
    EXPECT_EQ(t.end, used);
    EXPECT_EQ(t.style, 0x90C800C2u);
    EXPECT_EQ(t.exStyle, 0u);
    EXPECT_EQ(std::vector<int>({t.x, t.y, t.cx, t.cy}), std::vector<int>({90, 70, 220, 85}));
    EXPECT_EQ(t.menu, 0);
    EXPECT_EQ(t.windowClass, 0);
    EXPECT_EQ(t.title, "DialogTmp");
    EXPECT_EQ(t.pointSize, 8);
    EXPECT_EQ(t.face, "MS Sans Serif");
    ASSERT_EQ(t.count, kind.items.size());
    // 18 header bytes, menu and class, widened title and face, point size: the first item
    // starts at 72.
    EXPECT_EQ(t.items[0].offset, 72u);
    for (size_t i = 0; i < kind.items.size(); ++i) {
      SCOPED_TRACE("item " + std::to_string(i));
      const ExpectedItem& want = kind.items[i];
      const ParsedItem& got = t.items[i];
      EXPECT_EQ(got.style, want.style);
      EXPECT_EQ(got.exStyle, 0u);
      EXPECT_EQ(std::vector<int>({got.x, got.y, got.cx, got.cy}),
                std::vector<int>({want.x, want.y, want.cx, want.cy}));
      EXPECT_EQ(got.id, want.id);
      EXPECT_EQ(got.classAtom, want.classAtom);
      EXPECT_EQ(got.text, want.text);
      EXPECT_EQ(got.creationData, 0);
    }
    for (size_t i = used; i < block.size(); ++i) ASSERT_EQ(block[i], 0) << "byte " << i;
  }
}

// Without DS_SETFONT no font is written; items are padded with zeros to DWORD boundaries; texts
// are widened byte by byte without sign extension; a null text is an empty one.
TEST(DialogTemplateBuilder, NoFontPaddingAndWidening) {
  std::vector<unsigned char> block(256, 0xCC);  // not zero: padding must be written
  DialogTemplateBuilder builder(block.data(), block.size());
  ASSERT_TRUE(builder.BeginDialog({WS_POPUP, 0, 1, 2, 3, 4, "\xE9t\xFF", 8, "ignored"}));
  ASSERT_TRUE(
      builder.AddItem({WS_CHILD, WS_EX_CLIENTEDGE, -1, 2, 3, 4, 65535, kEditClassAtom, nullptr}));
  ASSERT_TRUE(builder.AddItem({WS_CHILD, 0, 0, 0, 1, 1, 8, kButtonClassAtom, "\x80"}));
  // Header 22 + title 8 = 30, padded to 32; item 18 + class 4 + text 2 + data 2 = 26 -> 58,
  // padded to 60; item 18 + 4 + 4 + 2 = 28 -> 88.
  const size_t used = builder.End();
  EXPECT_EQ(used, 88u);
  const ParsedTemplate t = TemplateReader(block.data(), used).Parse(false);
  ASSERT_EQ(t.error, "");
  EXPECT_EQ(t.title, "\xE9t\xFF");
  ASSERT_EQ(t.count, 2);
  EXPECT_EQ(t.items[0].offset, 32u);
  EXPECT_EQ(t.items[0].exStyle, static_cast<DWORD>(WS_EX_CLIENTEDGE));
  EXPECT_EQ(t.items[0].x, -1);
  EXPECT_EQ(t.items[0].id, 65535);
  EXPECT_EQ(t.items[0].classAtom, 0x0081);
  EXPECT_EQ(t.items[0].text, "");
  EXPECT_EQ(t.items[1].offset, 60u);
  EXPECT_EQ(t.items[1].text, "\x80");
}

TEST(DialogTemplateBuilder, RunningOutOfRoomFailsWithoutWritingPastTheEnd) {
  std::vector<unsigned char> full(kMessageTemplateSize, 0);
  const size_t needed = WriteMessageTemplate(MessageKind::SaveChanges, full.data(), full.size());
  ASSERT_GT(needed, 0u);
  for (size_t capacity = 0; capacity < needed; capacity += 7) {
    std::vector<unsigned char> block(capacity + 16, 0xAB);
    EXPECT_EQ(WriteMessageTemplate(MessageKind::SaveChanges, block.data(), capacity), 0u)
        << "capacity " << capacity;
    for (size_t i = capacity; i < block.size(); ++i) ASSERT_EQ(block[i], 0xAB) << i;
  }
  std::vector<unsigned char> exact(needed, 0);
  EXPECT_EQ(WriteMessageTemplate(MessageKind::SaveChanges, exact.data(), exact.size()), needed);
  EXPECT_EQ(WriteMessageTemplate(MessageKind::Error, nullptr, 2048), 0u);
}

}  // namespace
