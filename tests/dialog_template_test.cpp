// In-memory dialog templates: the bytes of the message dialog kinds, the writer's alignment,
// widening and overflow handling, and the global block that holds a template.
#include "harness/harness.h"

#include <cstring>
#include <string>
#include <vector>

#include "ui/dialog_template.h"

namespace {

// A template read back word by word, checking what the format requires along the way.
struct ParsedItem {
  size_t offset = 0;
  DWORD style = 0, exStyle = 0;
  short x = 0, y = 0, cx = 0, cy = 0;
  WORD id = 0;
  WORD classAtom = 0;
  std::string text;
  WORD creationData = 0xFFFF;
};

struct ParsedTemplate {
  DWORD style = 0, exStyle = 0;
  WORD count = 0;
  short x = 0, y = 0, cx = 0, cy = 0;
  WORD menu = 0xFFFF, windowClass = 0xFFFF;
  std::string title;
  WORD pointSize = 0;
  std::string face;
  std::vector<ParsedItem> items;
  size_t end = 0;
  std::string error;  // empty when the block parsed cleanly
};

class TemplateReader {
 public:
  TemplateReader(const unsigned char* block, size_t size) : block_(block), size_(size) {}

  ParsedTemplate Parse(bool hasFont) {
    ParsedTemplate t;
    t.style = Dword();
    t.exStyle = Dword();
    t.count = Word();
    t.x = static_cast<short>(Word());
    t.y = static_cast<short>(Word());
    t.cx = static_cast<short>(Word());
    t.cy = static_cast<short>(Word());
    t.menu = Word();
    t.windowClass = Word();
    t.title = Text();
    if (hasFont) {
      t.pointSize = Word();
      t.face = Text();
    }
    for (WORD i = 0; i < t.count && error_.empty(); ++i) {
      while (pos_ % 4 != 0) {
        if (Word() != 0) error_ = "non-zero padding before item " + std::to_string(i);
      }
      ParsedItem item;
      item.offset = pos_;
      item.style = Dword();
      item.exStyle = Dword();
      item.x = static_cast<short>(Word());
      item.y = static_cast<short>(Word());
      item.cx = static_cast<short>(Word());
      item.cy = static_cast<short>(Word());
      item.id = Word();
      if (Word() != 0xFFFF) error_ = "class of item " + std::to_string(i) + " is not an ordinal";
      item.classAtom = Word();
      item.text = Text();
      item.creationData = Word();
      t.items.push_back(item);
    }
    t.end = pos_;
    t.error = error_;
    return t;
  }

 private:
  WORD Word() {
    if (pos_ + 2 > size_) {
      error_ = "read past the end of the block";
      return 0;
    }
    const WORD value = static_cast<WORD>(block_[pos_] | block_[pos_ + 1] << 8);
    pos_ += 2;
    return value;
  }
  DWORD Dword() {
    const DWORD low = Word();
    return low | static_cast<DWORD>(Word()) << 16;
  }
  // A widened text: every character must fit in one byte, as the writer widens bytes.
  std::string Text() {
    std::string text;
    for (;;) {
      const WORD c = Word();
      if (c == 0 || !error_.empty()) break;
      if (c > 0xFF) error_ = "character above 0xFF in a widened text";
      text += static_cast<char>(c);
    }
    return text;
  }

  const unsigned char* block_;
  size_t size_;
  size_t pos_ = 0;
  std::string error_;
};

struct ExpectedItem {
  DWORD style;
  short x, y, cx, cy;
  WORD id;
  WORD classAtom;
  const char* text;
};

struct KindCase {
  MessageKind kind;
  std::vector<ExpectedItem> items;
};

const ExpectedItem kIcon = {0x50000003, 8, 9, 18, 20, 100, 0x0082, " "};
const ExpectedItem kMessage = {0x50000000, 37, 8, 175, 50, 101, 0x0082, " "};

const KindCase kKinds[] = {
    {MessageKind::Error, {kIcon, kMessage, {0x50010001, 91, 65, 36, 14, 1, 0x0080, "OK"}}},
    {MessageKind::Notice, {kIcon, kMessage, {0x50010001, 91, 65, 36, 14, 1, 0x0080, "OK"}}},
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

TEST(DialogTemplate, MessageKindsMatchTheirLayout) {
  for (const KindCase& kind : kKinds) {
    SCOPED_TRACE("kind " + std::to_string(static_cast<int>(kind.kind)));
    std::vector<unsigned char> block(kMessageTemplateSize, 0);
    const size_t used = WriteMessageTemplate(kind.kind, block.data(), block.size());
    ASSERT_GT(used, 0u);

    const ParsedTemplate t = TemplateReader(block.data(), block.size()).Parse(true);
    ASSERT_EQ(t.error, "");
    EXPECT_EQ(t.end, used);
    EXPECT_EQ(t.style, 0x90C800C2u);
    EXPECT_EQ(t.exStyle, 0u);
    EXPECT_EQ(t.x, 90);
    EXPECT_EQ(t.y, 70);
    EXPECT_EQ(t.cx, 220);
    EXPECT_EQ(t.cy, 85);
    EXPECT_EQ(t.menu, 0);
    EXPECT_EQ(t.windowClass, 0);
    EXPECT_EQ(t.title, "DialogTmp");
    EXPECT_EQ(t.pointSize, 8);
    EXPECT_EQ(t.face, "MS Sans Serif");
    ASSERT_EQ(t.count, kind.items.size());
    for (size_t i = 0; i < kind.items.size(); ++i) {
      SCOPED_TRACE("item " + std::to_string(i));
      const ExpectedItem& want = kind.items[i];
      const ParsedItem& got = t.items[i];
      EXPECT_EQ(got.offset % 4, 0u);
      EXPECT_EQ(got.style, want.style);
      EXPECT_EQ(got.exStyle, 0u);
      EXPECT_EQ(got.x, want.x);
      EXPECT_EQ(got.y, want.y);
      EXPECT_EQ(got.cx, want.cx);
      EXPECT_EQ(got.cy, want.cy);
      EXPECT_EQ(got.id, want.id);
      EXPECT_EQ(got.classAtom, want.classAtom);
      EXPECT_EQ(got.text, want.text);
      EXPECT_EQ(got.creationData, 0);
    }
    // Nothing is written past the template.
    for (size_t i = used; i < block.size(); ++i) ASSERT_EQ(block[i], 0) << "byte " << i;
  }
}

// The first item's offset pins the header size: 18 bytes, menu and class words, the widened
// title and face with terminators, the point size, then padding to a 4-byte boundary.
TEST(DialogTemplate, HeaderBytesAndFirstItemOffset) {
  std::vector<unsigned char> block(kMessageTemplateSize, 0);
  ASSERT_GT(WriteMessageTemplate(MessageKind::Error, block.data(), block.size()), 0u);
  const unsigned char header[] = {0xC2, 0x00, 0xC8, 0x90, 0, 0,  0, 0, 3, 0, 90,
                                  0,    70,   0,    220,  0, 85, 0, 0, 0, 0, 0};
  EXPECT_EQ(0, memcmp(block.data(), header, sizeof header));
  const size_t headerSize = 18 + 4 + 2 * (9 + 1) + 2 + 2 * (13 + 1);  // 72
  const ParsedTemplate t = TemplateReader(block.data(), block.size()).Parse(true);
  ASSERT_EQ(t.error, "");
  ASSERT_FALSE(t.items.empty());
  EXPECT_EQ(t.items[0].offset, (headerSize + 3) / 4 * 4);
  // "D" of the title widened: 'D', 0.
  EXPECT_EQ(block[22], 'D');
  EXPECT_EQ(block[23], 0);
}

TEST(DialogTemplateBuilder, WidensBytesWithoutSignExtension) {
  std::vector<unsigned char> block(256, 0);
  DialogTemplateBuilder builder(block.data(), block.size());
  ASSERT_TRUE(builder.BeginDialog({WS_POPUP | DS_SETFONT, 0, 0, 0, 10, 10, "\xE9t\xFF", 9, "A"}));
  ASSERT_TRUE(
      builder.AddItem({WS_CHILD, WS_EX_CLIENTEDGE, -1, 2, 3, 4, 65535, kEditClassAtom, "\x80"}));
  ASSERT_GT(builder.End(), 0u);
  const ParsedTemplate t = TemplateReader(block.data(), block.size()).Parse(true);
  ASSERT_EQ(t.error, "");
  EXPECT_EQ(t.title, "\xE9t\xFF");
  EXPECT_EQ(t.pointSize, 9);
  EXPECT_EQ(t.face, "A");
  ASSERT_EQ(t.count, 1);
  EXPECT_EQ(t.items[0].exStyle, static_cast<DWORD>(WS_EX_CLIENTEDGE));
  EXPECT_EQ(t.items[0].x, -1);
  EXPECT_EQ(t.items[0].id, 65535);
  EXPECT_EQ(t.items[0].classAtom, 0x0081);
  EXPECT_EQ(t.items[0].text, "\x80");
}

TEST(DialogTemplateBuilder, NoFontWithoutSetFontAndEmptyTexts) {
  std::vector<unsigned char> block(256, 0xCC);  // not zero: padding must be written
  DialogTemplateBuilder builder(block.data(), block.size());
  ASSERT_TRUE(builder.BeginDialog({WS_POPUP, 0, 1, 2, 3, 4, "", 8, "ignored"}));
  ASSERT_TRUE(builder.AddItem({WS_CHILD, 0, 0, 0, 1, 1, 7, kStaticClassAtom, nullptr}));
  ASSERT_TRUE(builder.AddItem({WS_CHILD, 0, 0, 0, 1, 1, 8, kButtonClassAtom, "ab"}));
  const size_t used = builder.End();
  // Header 18 + menu, class, empty title = 24; item 18 + class 4 + empty text 2 + data 2 = 26,
  // padded to 52; second item 18 + 4 + 6 + 2 = 30 -> 82.
  EXPECT_EQ(used, 82u);
  const ParsedTemplate t = TemplateReader(block.data(), used).Parse(false);
  ASSERT_EQ(t.error, "");
  EXPECT_EQ(t.end, used);
  ASSERT_EQ(t.count, 2);
  EXPECT_EQ(t.title, "");
  EXPECT_EQ(t.items[0].offset, 24u);
  EXPECT_EQ(t.items[0].text, "");
  EXPECT_EQ(t.items[1].offset, 52u);
  EXPECT_EQ(t.items[1].text, "ab");
}

TEST(DialogTemplateBuilder, RunningOutOfRoomFailsWithoutWritingPastTheEnd) {
  // Every capacity short of the full template fails, and never touches the guard bytes.
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

TEST(DialogTemplateBuilder, ItemsBeforeTheHeaderFail) {
  std::vector<unsigned char> block(256, 0);
  DialogTemplateBuilder builder(block.data(), block.size());
  builder.AddItem({WS_CHILD, 0, 0, 0, 1, 1, 7, kStaticClassAtom, "x"});
  EXPECT_EQ(builder.End(), 0u);
}

TEST(GlobalBlock, MessageBlockIsMovableZeroFilledAndFreed) {
  GlobalBlock memory = BuildMessageTemplate(MessageKind::Question);
  ASSERT_TRUE(memory);
  EXPECT_EQ(memory.size(), kMessageTemplateSize);
  HGLOBAL handle = memory.handle();
  ASSERT_NE(handle, nullptr);
  EXPECT_GE(GlobalSize(handle), kMessageTemplateSize);
  // A movable block's handle is not its address, and it stays locked while owned.
  EXPECT_NE(static_cast<void*>(handle), static_cast<void*>(memory.data()));
  EXPECT_EQ(GlobalFlags(handle) & GMEM_LOCKCOUNT, 1u);
  const auto* bytes = reinterpret_cast<const unsigned char*>(memory.data());
  EXPECT_EQ(bytes[kMessageTemplateSize - 1], 0);

  GlobalBlock moved = std::move(memory);
  EXPECT_FALSE(memory);
  EXPECT_EQ(moved.handle(), handle);
  moved.Reset();
  EXPECT_FALSE(moved);
  EXPECT_EQ(GlobalFlags(handle), GMEM_INVALID_HANDLE);
}

TEST(GlobalBlock, AllocationFailureSeam) {
  FailNextGlobalAllocations(2);
  EXPECT_FALSE(GlobalBlock::Allocate(16));
  EXPECT_FALSE(BuildMessageTemplate(MessageKind::Error));
  EXPECT_TRUE(GlobalBlock::Allocate(16));  // only the next two failed
}

}  // namespace
