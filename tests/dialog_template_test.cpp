// In-memory dialog templates: the exact bytes of a message dialog, widening without sign
// extension, and running out of room without writing past the end.
#include "harness/harness.h"

#include <string>
#include <vector>

#include "files/file_properties.h"
#include "ui/dialog_template.h"

namespace {

// A standard template written out by hand, word by word.
struct Bytes {
  std::vector<unsigned char> data;
  Bytes& W(unsigned v) {
    data.push_back(v & 0xFF);
    data.push_back(v >> 8 & 0xFF);
    return *this;
  }
  Bytes& D(unsigned v) { return W(v & 0xFFFF).W(v >> 16); }
  Bytes& T(const std::string& text) {
    for (unsigned char c : text) W(c);
    return W(0);
  }
  Bytes& Item(unsigned style, short x, short y, short cx, short cy, int id, int atom,
              const char* text) {
    while (data.size() % 4) W(0);
    return D(style).D(0).W(x).W(y).W(cx).W(cy).W(id).W(0xFFFF).W(atom).T(text).W(0);
  }
};

TEST(DialogTemplate, QuestionDialogBytes) {
  Bytes want;
  want.D(0x90C800C2)
      .D(0)
      .W(4)
      .W(90)
      .W(70)
      .W(220)
      .W(85)
      .W(0)
      .W(0)
      .T("DialogTmp")
      .W(8)
      .T("MS Sans Serif");
  want.Item(0x50000003, 8, 9, 18, 20, 100, 0x82, " ")
      .Item(0x50000000, 37, 8, 175, 50, 101, 0x82, " ")
      .Item(0x50010001, 69, 65, 36, 14, IDYES, 0x80, "&Yes")
      .Item(0x50010000, 115, 65, 36, 14, IDNO, 0x80, "&No");
  std::vector<unsigned char> block(kMessageTemplateSize, 0);
  ASSERT_EQ(WriteMessageTemplate(MessageKind::Question, block.data(), block.size()),
            want.data.size());
  block.resize(want.data.size());
  EXPECT_EQ(block, want.data);

  std::vector<unsigned char> small(64, 0xCC);
  DialogTemplateBuilder builder(small.data(), small.size());
  ASSERT_TRUE(builder.BeginDialog({WS_POPUP, 0, 1, 2, 3, 4, "\xE9t", 8, "ignored"}));
  ASSERT_TRUE(builder.AddItem({WS_CHILD, 0, 0, 0, 1, 1, 8, kButtonClassAtom, nullptr}));
  Bytes plain;  // no DS_SETFONT: no font; a null text is an empty one
  plain.D(WS_POPUP).D(0).W(1).W(1).W(2).W(3).W(4).W(0).W(0).T("\xE9t");
  plain.Item(WS_CHILD, 0, 0, 1, 1, 8, 0x80, "");
  ASSERT_EQ(builder.End(), plain.data.size());
  small.resize(plain.data.size());
  EXPECT_EQ(small, plain.data);
}

TEST(DialogTemplate, RunningOutOfRoomFailsWithoutWritingPastTheEnd) {
  std::vector<unsigned char> full(kMessageTemplateSize, 0);
  const size_t needed = WriteMessageTemplate(MessageKind::SaveChanges, full.data(), full.size());
  ASSERT_GT(needed, 0u);
  for (size_t capacity = 0; capacity < needed; capacity += 7) {
    std::vector<unsigned char> block(capacity + 16, 0xAB);
    EXPECT_EQ(WriteMessageTemplate(MessageKind::SaveChanges, block.data(), capacity), 0u);
    for (size_t i = capacity; i < block.size(); ++i) ASSERT_EQ(block[i], 0xAB) << i;
  }
  EXPECT_EQ(WriteMessageTemplate(MessageKind::SaveChanges, full.data(), needed), needed);
}

TEST(DialogTemplate, FilePropertiesBytes) {
  Bytes want;
  want.D(0x90C000C0).D(0).W(23).W(40).W(50).W(225).W(165).W(0).W(0).T(" File Properties");
  want.W(8).T("MS Sans Serif");
  want.Item(0x50000003, 11, 8, 18, 20, 100, 0x82, "");
  const char* labels[] = {"File:", "Type:", "Location:", "Size:", "Mode:",
                          "MS DOS:", "Created:", "Modified:", "Accessed:"};
  const short rows[] = {10, 20, 40, 60, 70, 90, 105, 115, 125};
  const int ids[] = {101, 102, 103, 104, 105, 109, 106, 107, 108};
  const short lines[][2] = {{6, 35}, {5, 83}};  // before Location and MS DOS
  for (int i = 0; i < 9; ++i) {
    if (i == 2 || i == 5) want.Item(0x50001010, lines[i / 5][0], lines[i / 5][1], 214, 1, 0xFFFF, 0x82, "");
    const short x = i < 2 ? 34 : 17, cx = i < 2 ? 18 : 35, cy = i == 2 ? 16 : 8;
    want.Item(0x50000002, x, rows[i], cx, 8, 0xFFFF, 0x82, labels[i])
        .Item(0x50000000, 60, rows[i], 150, cy, ids[i], 0x82, "");
  }
  want.Item(0x50001010, 5, 138, 214, 1, 0xFFFF, 0x82, "").Item(0x50000000, 165, 145, 40, 14, IDOK, 0x80, "OK");
  std::vector<unsigned char> block(kPropertiesTemplateSize, 0);
  ASSERT_EQ(WritePropertiesTemplate(block.data(), block.size()), want.data.size());
  block.resize(want.data.size());
  EXPECT_EQ(block, want.data);
}

}  // namespace
