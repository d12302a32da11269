// In-memory dialog templates: a writer for the standard (not extended) template format, and the
// layout of the program's message dialogs.
#pragma once
#include <windows.h>

#include <cstddef>

#include "ui/global_block.h"

// Predefined window class atoms of dialog items.
constexpr WORD kButtonClassAtom = 0x0080;
constexpr WORD kEditClassAtom = 0x0081;
constexpr WORD kStaticClassAtom = 0x0082;
constexpr WORD kListBoxClassAtom = 0x0083;
constexpr WORD kScrollBarClassAtom = 0x0084;
constexpr WORD kComboBoxClassAtom = 0x0085;
// The id of an item the dialog never looks up (labels, lines, pictures).
constexpr WORD kUnaddressedId = 0xFFFF;

struct DialogHeader {
  DWORD style;
  DWORD exStyle;
  short x, y, cx, cy;  // dialog units
  const char* title;
  WORD pointSize;  // written with the face only when `style` has DS_SETFONT
  const char* face;
};

struct DialogItem {
  DWORD style;
  DWORD exStyle;
  short x, y, cx, cy;  // dialog units
  WORD id;
  WORD classAtom;    // one of the k...ClassAtom values
  const char* text;  // null is written as an empty text
};

// Writes a standard dialog template into a caller's zero-filled block: one header, then items,
// each on a 4-byte boundary of the block, texts widened byte by byte with their terminator, no
// menu, the default dialog class and an empty creation-data word per item. The header's item
// count follows the items added. Running out of room makes every later call fail.
class DialogTemplateBuilder {
 public:
  DialogTemplateBuilder(void* block, size_t capacity);

  int BeginDialog(const DialogHeader& header);
  int AddItem(const DialogItem& item);
  // Bytes used; 0 when anything did not fit or no dialog was begun.
  size_t End() const { return failed_ || !begun_ ? 0 : used_; }

 private:
  int Align4();
  int PutWord(WORD value);
  int PutDword(DWORD value);
  int PutText(const char* text);

  unsigned char* block_;
  size_t capacity_;
  size_t used_ = 0;
  bool begun_ = false;
  bool failed_ = false;
};

// The message dialogs, by kind.
enum class MessageKind { Error = 0, Notice = 1, Question = 2, SaveChanges = 3 };

constexpr size_t kMessageTemplateSize = 2048;
constexpr int kMessageIconId = 100;  // static control showing the kind's icon
constexpr int kMessageTextId = 101;  // static control holding the message
constexpr DWORD kMessageDialogStyle = 0x90C800C2;
// Icon resources of the kinds: error, notice, question and the document icon of "File Modified".
constexpr int kErrorIconId = 5500;
constexpr int kNoticeIconId = 5300;
constexpr int kQuestionIconId = 5400;
constexpr int kDocumentIconId = 1002;

// Writes the template of a message dialog kind; returns the bytes used, 0 when it did not fit.
size_t WriteMessageTemplate(MessageKind kind, void* block, size_t capacity);
// Allocates the 2048-byte block and writes the kind's template into it; empty on no memory.
GlobalBlock BuildMessageTemplate(MessageKind kind);
