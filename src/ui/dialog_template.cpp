// In-memory dialog templates: the template writer and the message
// dialog layouts (an icon, a message and one to three buttons in a 220 x 85 box).
#include "ui/dialog_template.h"

namespace {

constexpr size_t kItemCountOffset = 8;  // after the style and the extended style

struct ButtonSpec {
  short x;
  WORD id;
  const char* text;
};

struct MessageLayout {
  const ButtonSpec* buttons;
  int buttonCount;
};

constexpr ButtonSpec kOkButton[] = {{91, IDOK, "OK"}};
constexpr ButtonSpec kYesNoButtons[] = {{69, IDYES, "&Yes"}, {115, IDNO, "&No"}};
constexpr ButtonSpec kYesNoCancelButtons[] = {
    {46, IDYES, "&Yes"}, {92, IDNO, "&No"}, {138, IDCANCEL, "&Cancel"}};

MessageLayout LayoutOf(MessageKind kind) {
  switch (kind) {
    case MessageKind::Question:
      return {kYesNoButtons, 2};
    case MessageKind::SaveChanges:
      return {kYesNoCancelButtons, 3};
    case MessageKind::Error:
    case MessageKind::Notice:
      break;
  }
  return {kOkButton, 1};
}

}  // namespace

DialogTemplateBuilder::DialogTemplateBuilder(void* block, size_t capacity)
    : block_(static_cast<unsigned char*>(block)), capacity_(block ? capacity : 0) {}

int DialogTemplateBuilder::PutWord(WORD value) {
  if (failed_ || capacity_ - used_ < sizeof value) {
    failed_ = true;
    return 0;
  }
  block_[used_++] = static_cast<unsigned char>(value & 0xFF);
  block_[used_++] = static_cast<unsigned char>(value >> 8);
  return 1;
}

int DialogTemplateBuilder::PutDword(DWORD value) {
  return PutWord(static_cast<WORD>(value & 0xFFFF)) && PutWord(static_cast<WORD>(value >> 16));
}

// The dialogs are ANSI: each byte becomes one 16-bit character, as the system expects of
// text written by a program that never converts code pages.
int DialogTemplateBuilder::PutText(const char* text) {
  if (text) {
    for (const char* p = text; *p; ++p) {
      if (!PutWord(static_cast<unsigned char>(*p))) return 0;
    }
  }
  return PutWord(0);
}

int DialogTemplateBuilder::Align4() {
  while (used_ % 4 != 0) {
    if (!PutWord(0)) return 0;
  }
  return 1;
}

int DialogTemplateBuilder::BeginDialog(const DialogHeader& header) {
  if (begun_) failed_ = true;
  begun_ = true;
  return PutDword(header.style) && PutDword(header.exStyle) && PutWord(0) &&
         PutWord(static_cast<WORD>(header.x)) && PutWord(static_cast<WORD>(header.y)) &&
         PutWord(static_cast<WORD>(header.cx)) && PutWord(static_cast<WORD>(header.cy)) &&
         PutWord(0) /* no menu */ && PutWord(0) /* default class */ && PutText(header.title) &&
         ((header.style & DS_SETFONT) == 0 || (PutWord(header.pointSize) && PutText(header.face)));
}

int DialogTemplateBuilder::AddItem(const DialogItem& item) {
  if (!begun_) failed_ = true;
  if (!(Align4() && PutDword(item.style) && PutDword(item.exStyle) &&
        PutWord(static_cast<WORD>(item.x)) && PutWord(static_cast<WORD>(item.y)) &&
        PutWord(static_cast<WORD>(item.cx)) && PutWord(static_cast<WORD>(item.cy)) &&
        PutWord(item.id) && PutWord(0xFFFF) && PutWord(item.classAtom) && PutText(item.text) &&
        PutWord(0) /* no creation data */)) {
    return 0;
  }
  const WORD count =
      static_cast<WORD>(block_[kItemCountOffset] | block_[kItemCountOffset + 1] << 8);
  const WORD next = static_cast<WORD>(count + 1);
  block_[kItemCountOffset] = static_cast<unsigned char>(next & 0xFF);
  block_[kItemCountOffset + 1] = static_cast<unsigned char>(next >> 8);
  return 1;
}

size_t WriteMessageTemplate(MessageKind kind, void* block, size_t capacity) {
  DialogTemplateBuilder builder(block, capacity);
  builder.BeginDialog({kMessageDialogStyle, 0, 90, 70, 220, 85, "DialogTmp", 8, "MS Sans Serif"});
  builder.AddItem(
      {WS_CHILD | WS_VISIBLE | SS_ICON, 0, 8, 9, 18, 20, kMessageIconId, kStaticClassAtom, " "});
  builder.AddItem(
      {WS_CHILD | WS_VISIBLE | SS_LEFT, 0, 37, 8, 175, 50, kMessageTextId, kStaticClassAtom, " "});
  const MessageLayout layout = LayoutOf(kind);
  for (int i = 0; i < layout.buttonCount; ++i) {
    const ButtonSpec& button = layout.buttons[i];
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | (i == 0 ? BS_DEFPUSHBUTTON : 0);
    builder.AddItem({style, 0, button.x, 65, 36, 14, button.id, kButtonClassAtom, button.text});
  }
  return builder.End();
}

GlobalBlock BuildMessageTemplate(MessageKind kind) {
  GlobalBlock memory = GlobalBlock::Allocate(kMessageTemplateSize);
  if (memory && !WriteMessageTemplate(kind, memory.data(), memory.size())) memory.Reset();
  return memory;
}
