// Operations on a document's rich-edit control.
#include "document/edit_control.h"

#include <richedit.h>

#include <cstring>

#include "document/doc_words.h"
#include "resources/resource.h"
#include "ui/message_dialogs.h"

HWND DocEditControl(HWND document) {
  // Window words are 32 bits; window handles fit in them on 64-bit Windows too.
  return reinterpret_cast<HWND>(static_cast<LONG_PTR>(GetDocWord(document, kEditWord)));
}

int ApplyEditBackground(HWND edit, int ltGray) {
  if (!edit) return 0;
  if (ltGray) {
    SendMessageA(edit, EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(GetSysColor(COLOR_BTNFACE)));
  } else {
    SendMessageA(edit, EM_SETBKGNDCOLOR, 1, 0);
  }
  return 1;
}

int GetEditSelection(HWND edit, LONG* start, LONG* end) {
  if (!edit) return 0;
  CHARRANGE range = {};
  SendMessageA(edit, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
  if (start) *start = range.cpMin;
  if (end) *end = range.cpMax;
  return 1;
}

int SetEditSelection(HWND edit, LONG start, LONG end) {
  if (!edit) return 0;
  CHARRANGE range = {start, end};
  SendMessageA(edit, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
  SendMessageA(edit, EM_SCROLLCARET, 0, 0);
  SetFocus(edit);
  return 1;
}

int CopyLeadingText(HWND edit, char* buffer, LONG count) {
  if (!edit) return 0;
  TEXTRANGEA range = {{0, count}, buffer};
  SendMessageA(edit, EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range));
  return 1;
}

LONG CopyTextRange(HWND edit, LONG start, LONG end, char* buffer) {
  if (!edit) return 0;
  TEXTRANGEA range = {{start, end}, buffer};
  return static_cast<LONG>(SendMessageA(edit, EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range)));
}

int CharacterAt(HWND edit, LONG position) {
  if (!edit) return 0;
  char text[2] = "";
  TEXTRANGEA range = {{position, position + 1}, text};
  SendMessageA(edit, EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range));
  return static_cast<unsigned char>(text[0]);
}

int LineOfCharacter(HWND edit, LONG index) {
  if (!edit) return 0;
  // For -1 the plain request gives the caret's line (or the selection start's).
  if (index < 0)
    return static_cast<int>(SendMessageA(edit, EM_LINEFROMCHAR, static_cast<WPARAM>(-1), 0));
  return static_cast<int>(SendMessageA(edit, EM_EXLINEFROMCHAR, 0, index));
}

int SetEditTextLimit(HWND edit, LONG limit) {
  if (!edit) return 0;
  SendMessageA(edit, EM_EXLIMITTEXT, 0, limit);
  return 1;
}

int ReplaceEditSelection(HWND edit, const char* text) {
  if (!edit) return 0;
  SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
  return 1;
}

LRESULT SetEditFont(HWND edit, HFONT font) {
  if (!edit) return 0;
  return SendMessageA(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

namespace {

struct StreamSource {
  const char* next;
  size_t left;
  size_t length;
  StreamProgress progress;
  void* context;
  int percent;  // last share reported
};

DWORD CALLBACK ReadStreamSource(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* given) {
  auto* source = reinterpret_cast<StreamSource*>(cookie);
  const size_t count = source->left < static_cast<size_t>(wanted) ? source->left : wanted;
  std::memcpy(buffer, source->next, count);
  source->next += count;
  source->left -= count;
  *given = static_cast<LONG>(count);
  if (source->progress && source->length > 0) {
    const int percent = static_cast<int>((source->length - source->left) * 100 / source->length);
    if (percent > source->percent) {
      source->percent = percent;
      if (!source->progress(source->context, percent)) return 1;
    }
  }
  return 0;
}

}  // namespace

int SetEditText(HWND edit, const char* text, size_t length, StreamProgress progress,
                void* context) {
  if (!edit) return 0;
  // A text that grew past the limit when its line ends became CR LF is kept whole: the limit
  // of this control is raised just as far as the text needs.
  const LRESULT limit = SendMessageA(edit, EM_GETLIMITTEXT, 0, 0);
  if (limit >= 0 && length >= static_cast<size_t>(limit)) {
    SendMessageA(edit, EM_EXLIMITTEXT, 0, static_cast<LPARAM>(length + 1));
  }
  StreamSource source = {text, length, length, progress, context, 0};
  EDITSTREAM stream = {reinterpret_cast<DWORD_PTR>(&source), 0, ReadStreamSource};
  SendMessageA(edit, EM_STREAMIN, SF_TEXT, reinterpret_cast<LPARAM>(&stream));
  return stream.dwError == 0;
}

namespace {

struct StreamTarget {
  char* next;
  size_t room;  // bytes left before the terminator's place
};

DWORD CALLBACK WriteStreamTarget(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* taken) {
  auto* target = reinterpret_cast<StreamTarget*>(cookie);
  // More text than the control reported: stop rather than write past the block.
  if (count < 0 || static_cast<size_t>(count) > target->room) return 1;
  std::memcpy(target->next, buffer, static_cast<size_t>(count));
  target->next += count;
  target->room -= static_cast<size_t>(count);
  *taken = count;
  return 0;
}

}  // namespace

GlobalBlock GetEditorText(HWND edit, DWORD* length) {
  *length = 0;
  const LRESULT textLength = edit ? SendMessageA(edit, WM_GETTEXTLENGTH, 0, 0) : 0;
  const size_t size = static_cast<size_t>(textLength > 0 ? textLength : 0) + 16;
  GlobalBlock text = GlobalBlock::Allocate(size);
  if (!text) {
    ShowMessage(GetParent(edit), IDS_APPNAME, 60008, "text buffer", static_cast<int>(size));
    return text;
  }
  if (textLength > 0) {
    // Streaming out is the control's quickest way to give its whole text under Wine, ahead of
    // one text-range request and WM_GETTEXT.
    StreamTarget target = {text.data(), size - 1};
    EDITSTREAM stream = {reinterpret_cast<DWORD_PTR>(&target), 0, WriteStreamTarget};
    SendMessageA(edit, EM_STREAMOUT, SF_TEXT, reinterpret_cast<LPARAM>(&stream));
    const size_t streamed = static_cast<size_t>(target.next - text.data());
    if (stream.dwError == 0 && streamed == static_cast<size_t>(textLength)) {
      *length = static_cast<DWORD>(streamed);
    } else {
      // The stream gave another count than the control reported (line ends written some
      // other way): the text-range request, which counts as the control does.
      TEXTRANGEA range = {{0, static_cast<LONG>(textLength)}, text.data()};
      const LRESULT copied =
          SendMessageA(edit, EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range));
      *length = static_cast<DWORD>(copied > 0 ? copied : 0);
    }
    text.data()[*length] = '\0';
  }
  return text;
}
