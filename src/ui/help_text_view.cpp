// The help window's topic pane: creating the read-only text control and showing a laid-out
// topic in it with character and paragraph formats.
#include "ui/help_text_view.h"

#include <commctrl.h>
#include <richedit.h>

#include <initializer_list>
#include <string>

#include "base/globals.h"

namespace {

constexpr UINT_PTR kTextSubclassId = 1;

// Every paragraph keeps this much white space from the control's edges (twips); indents and
// tab stops are given from that margin. Paragraph indents, unlike control margins, look the
// same in every rich edit version.
constexpr LONG kPageMargin = 150;

bool LoadRichEdit() {
  // Rich edit 2.0 (not the documents' 1.0 control): it draws links and reports clicks on them.
  static HMODULE library = LoadLibraryA("riched20.dll");
  return library != nullptr;
}

// The pane leaves Tab, Enter and Escape to the dialog keyboard: they move the focus or close
// the window. Arrows still scroll it.
LRESULT CALLBACK TextViewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                              DWORD_PTR) {
  if (message == WM_GETDLGCODE) return DLGC_WANTARROWS;
  if (message == WM_NCDESTROY) RemoveWindowSubclass(window, TextViewProc, kTextSubclassId);
  return DefSubclassProc(window, message, wParam, lParam);
}

CHARFORMAT2A BaseCharFormat(const HelpTextStyle& style) {
  CHARFORMAT2A format{};
  format.cbSize = sizeof format;
  format.dwMask = CFM_FACE | CFM_SIZE | CFM_CHARSET | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE |
                  CFM_COLOR | CFM_LINK;
  format.dwEffects = CFE_AUTOCOLOR;
  format.yHeight = style.bodyPoints * 20;
  format.bCharSet = style.charSet;
  lstrcpynA(format.szFaceName, style.faceName, LF_FACESIZE);
  return format;
}

PARAFORMAT ParagraphFormat(LONG startIndent, LONG offset, std::initializer_list<LONG> tabs) {
  PARAFORMAT format{};
  format.cbSize = sizeof format;
  format.dwMask = PFM_STARTINDENT | PFM_OFFSET | PFM_RIGHTINDENT | PFM_TABSTOPS;
  format.dxStartIndent = kPageMargin + startIndent;
  format.dxRightIndent = kPageMargin;
  format.dxOffset = offset;
  for (LONG tab : tabs) {
    if (format.cTabCount < MAX_TAB_STOPS) format.rgxTabs[format.cTabCount++] = kPageMargin + tab;
  }
  return format;
}

// Formats the characters from `start` to `end` (-1: the end of the text).
void FormatRange(HWND text, LONG start, LONG end, CHARFORMAT2A* chars, PARAFORMAT* paragraph) {
  CHARRANGE range = {start, end};
  SendMessageA(text, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
  if (chars) SendMessageA(text, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(chars));
  if (paragraph) SendMessageA(text, EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(paragraph));
}

void FormatSpans(HWND text, const HelpLayout& layout, const HelpTextStyle& style) {
  CHARFORMAT2A base = BaseCharFormat(style);
  SendMessageA(text, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&base));
  PARAFORMAT plain = ParagraphFormat(0, 0, {});
  FormatRange(text, 0, -1, nullptr, &plain);
  for (const HelpSpan& span : layout.spans) {
    const LONG start = static_cast<LONG>(span.start);
    const LONG end = static_cast<LONG>(span.start + span.length);
    CHARFORMAT2A chars = base;
    switch (span.kind) {
      case HelpSpanKind::Heading:
        chars.dwEffects = CFE_BOLD;
        chars.crTextColor = RGB(0, 51, 153);
        chars.yHeight = (style.bodyPoints + 5) * 20;
        FormatRange(text, start, end, &chars, nullptr);
        break;
      case HelpSpanKind::Section:
        chars.dwEffects = CFE_BOLD | CFE_AUTOCOLOR;
        chars.yHeight = (style.bodyPoints + 1) * 20;
        FormatRange(text, start, end, &chars, nullptr);
        break;
      case HelpSpanKind::Link:
        chars.dwEffects = CFE_LINK | CFE_UNDERLINE;
        chars.crTextColor = GetSysColor(COLOR_HOTLIGHT);
        FormatRange(text, start, end, &chars, nullptr);
        break;
      case HelpSpanKind::Bullet: {  // the bullet, a tab, and wrapped lines under the text
        PARAFORMAT bullet = ParagraphFormat(180, 240, {420});
        FormatRange(text, start, end, nullptr, &bullet);
        break;
      }
      case HelpSpanKind::Table: {  // two columns; a long second column wraps under itself
        PARAFORMAT table = ParagraphFormat(180, 2100, {2280, 4560, 6840});
        FormatRange(text, start, end, nullptr, &table);
        break;
      }
    }
  }
}

}  // namespace

HWND CreateHelpTextView(HWND parent, int id, HFONT font, bool* richText) {
  const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_READONLY;
  HMENU menuId = reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
  HINSTANCE instance = AppInstance ? AppInstance : GetModuleHandleA(nullptr);
  HWND view = nullptr;
  *richText = false;
  if (LoadRichEdit()) {
    view = CreateWindowExA(WS_EX_CLIENTEDGE, RICHEDIT_CLASSA, "", style, 0, 0, 0, 0, parent, menuId,
                           instance, nullptr);
    *richText = view != nullptr;
  }
  if (!view)
    view = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", style, 0, 0, 0, 0, parent, menuId,
                           instance, nullptr);
  if (!view) return nullptr;
  SendMessageA(view, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  SetWindowSubclass(view, TextViewProc, kTextSubclassId, 0);
  if (*richText) {
    SendMessageA(view, EM_SETEVENTMASK, 0, ENM_LINK);
    SendMessageA(view, EM_AUTOURLDETECT, FALSE, 0);
  }
  return view;
}

void ShowHelpLayout(HWND view, bool richText, const HelpLayout& layout,
                    const HelpTextStyle& style) {
  std::string shown;
  shown.reserve(layout.text.size() + layout.text.size() / 16);
  for (char c : layout.text) {
    if (c == '\n') shown += '\r';  // rich edit 2.0 counts CR LF as one position, as the layout
    shown += c;
  }
  SendMessageA(view, WM_SETREDRAW, FALSE, 0);
  SetWindowTextA(view, shown.c_str());
  if (richText) FormatSpans(view, layout, style);
  SendMessageA(view, EM_SETSEL, 0, 0);
  SendMessageA(view, WM_VSCROLL, SB_TOP, 0);
  SendMessageA(view, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(view, nullptr, TRUE);
}
