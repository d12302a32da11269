// The help window (class "NorvelHelpClass"): its controls and their layout, the contents tree,
// the keyword index, and the topic text with its headings and links. The program's message
// loop knows nothing of this window, so a message hook gives it the dialog keyboard (Tab,
// Enter, Escape, mnemonics) the way a modeless dialog gets it.
#include "ui/help_window.h"

#include <commctrl.h>
#include <richedit.h>

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "base/globals.h"
#include "ui/help_text_view.h"
#include "ui/message_dialogs.h"

namespace {

constexpr int kMinimumWidth = 460;
constexpr int kMinimumHeight = 320;
constexpr LPARAM kChapterItem = 0x40000000;    // tree item data: this flag plus a chapter index
constexpr UINT kOpenLinkMessage = WM_APP + 1;  // wParam: the context number of a clicked link

// A font this window made; stock fonts are never owned.
class OwnedFont {
 public:
  OwnedFont() = default;
  explicit OwnedFont(HFONT font) : font_(font) {}
  ~OwnedFont() { Reset(); }
  OwnedFont(OwnedFont&& other) noexcept : font_(std::exchange(other.font_, nullptr)) {}
  OwnedFont& operator=(OwnedFont&& other) noexcept {
    if (this != &other) {
      Reset();
      font_ = std::exchange(other.font_, nullptr);
    }
    return *this;
  }
  OwnedFont(const OwnedFont&) = delete;
  OwnedFont& operator=(const OwnedFont&) = delete;
  HFONT Get() const { return font_; }

 private:
  void Reset() {
    if (font_) DeleteObject(font_);
    font_ = nullptr;
  }
  HFONT font_ = nullptr;
};

struct HelpWindowState {
  HWND window = nullptr;
  HelpFile file;
  HelpLayout layout;  // of the topic shown
  std::size_t current = kNoHelpTopic;
  std::vector<std::size_t> history;   // topics shown before, for Back
  std::vector<HTREEITEM> topicItems;  // the contents item of each topic
  HelpPane pane = HelpPane::Contents;
  bool filling = false;  // the program itself is changing selections: not the user's choice
  HWND lastFocus = nullptr;

  HWND tabs = nullptr, contents = nullptr, keywordLabel = nullptr, keywordEdit = nullptr,
       keywordList = nullptr, foundLabel = nullptr, foundList = nullptr, display = nullptr,
       back = nullptr, text = nullptr;
  bool richText = false;

  OwnedFont ownedFont;
  HFONT font = nullptr;     // the controls' font: the system's message font, or the GUI font
  HelpTextStyle textStyle;  // the topic text: the controls' face, a shade larger
  int fontHeight = 16;
  int charWidth = 7;
};

HWND g_window = nullptr;
HHOOK g_keyboardHook = nullptr;

HelpWindowState* StateOf(HWND window) {
  return reinterpret_cast<HelpWindowState*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

HINSTANCE ModuleInstance() {
  return AppInstance ? AppInstance : GetModuleHandleA(nullptr);
}

// ---- fonts and metrics -------------------------------------------------------------------

void ChooseFonts(HelpWindowState& state) {
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof metrics;
  if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
    state.ownedFont = OwnedFont(CreateFontIndirectA(&metrics.lfMessageFont));
  }
  state.font = state.ownedFont.Get() ? state.ownedFont.Get()
                                     : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  LOGFONTA logFont{};
  GetObjectA(state.font, sizeof logFont, &logFont);
  lstrcpynA(state.textStyle.faceName, logFont.lfFaceName, LF_FACESIZE);
  state.textStyle.charSet = logFont.lfCharSet;

  HDC dc = GetDC(nullptr);
  if (!dc) return;
  HGDIOBJ old = SelectObject(dc, state.font);
  TEXTMETRICA metricsOfText{};
  if (GetTextMetricsA(dc, &metricsOfText)) {
    state.fontHeight = metricsOfText.tmHeight;
    state.charWidth = std::max<int>(metricsOfText.tmAveCharWidth, 4);
  }
  const int dpi = GetDeviceCaps(dc, LOGPIXELSY) > 0 ? GetDeviceCaps(dc, LOGPIXELSY) : 96;
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  const int points = logFont.lfHeight < 0 ? MulDiv(-logFont.lfHeight, 72, dpi)
                                          : MulDiv(logFont.lfHeight, 72, dpi) - 1;
  state.textStyle.bodyPoints = std::min(std::max(points + 1, 9), 14);
}

// ---- controls ----------------------------------------------------------------------------

HWND AddControl(HelpWindowState& state, DWORD exStyle, const char* className, const char* text,
                DWORD style, int id) {
  HWND control = CreateWindowExA(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0,
                                 0, state.window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 ModuleInstance(), nullptr);
  if (control) SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(state.font), FALSE);
  return control;
}

bool CreateControls(HelpWindowState& state) {
  state.tabs = AddControl(state, 0, WC_TABCONTROLA, "", WS_CLIPSIBLINGS | WS_TABSTOP, kHelpTabsId);
  state.contents = AddControl(state, WS_EX_CLIENTEDGE, WC_TREEVIEWA, "",
                              WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT |
                                  TVS_SHOWSELALWAYS | TVS_DISABLEDRAGDROP | TVS_NOHSCROLL,
                              kHelpContentsId);
  state.keywordLabel =
      AddControl(state, 0, "STATIC", "Type a &keyword:", SS_LEFT, kHelpKeywordLabelId);
  state.keywordEdit = AddControl(state, WS_EX_CLIENTEDGE, "EDIT", "", WS_TABSTOP | ES_AUTOHSCROLL,
                                 kHelpKeywordEditId);
  state.keywordList =
      AddControl(state, WS_EX_CLIENTEDGE, "LISTBOX", "",
                 WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, kHelpKeywordListId);
  state.foundLabel = AddControl(state, 0, "STATIC", "Topics &found:", SS_LEFT, kHelpFoundLabelId);
  state.foundList =
      AddControl(state, WS_EX_CLIENTEDGE, "LISTBOX", "",
                 WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, kHelpFoundListId);
  state.display =
      AddControl(state, 0, "BUTTON", "&Display", WS_TABSTOP | BS_DEFPUSHBUTTON, kHelpDisplayId);
  state.back = AddControl(state, 0, "BUTTON", "&Back", WS_TABSTOP | BS_PUSHBUTTON, kHelpBackId);
  state.text = CreateHelpTextView(state.window, kHelpTextId, state.font, &state.richText);

  if (!state.tabs || !state.contents || !state.keywordLabel || !state.keywordEdit ||
      !state.keywordList || !state.foundLabel || !state.foundList || !state.display ||
      !state.back || !state.text)
    return false;

  // The tab control lies under the lists it frames; it comes last in the Tab order.
  SetWindowPos(state.tabs, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  TCITEMA item{};
  item.mask = TCIF_TEXT;
  item.pszText = const_cast<char*>("Contents");
  SendMessageA(state.tabs, TCM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  item.pszText = const_cast<char*>("Index");
  SendMessageA(state.tabs, TCM_INSERTITEMA, 1, reinterpret_cast<LPARAM>(&item));

  SendMessageA(state.keywordEdit, EM_LIMITTEXT, kHelpTextLimit, 0);
  return true;
}

void LayOut(HelpWindowState& state) {
  RECT client;
  GetClientRect(state.window, &client);
  const int width = client.right;
  const int height = client.bottom;
  const int margin = std::max(7, state.fontHeight / 2);
  const int buttonHeight = std::max(23, state.fontHeight + 10);
  const int buttonWidth = std::max(75, state.charWidth * 12);
  const int editHeight = state.fontHeight + 8;
  const int leftWidth = std::min(std::max(width * 36 / 100, 220), 340);

  const int tabsHeight = std::max(0, height - 3 * margin - buttonHeight);
  MoveWindow(state.tabs, margin, margin, leftWidth, tabsHeight, TRUE);
  RECT inner = {margin, margin, margin + leftWidth, margin + tabsHeight};
  SendMessageA(state.tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&inner));
  InflateRect(&inner, -2, -2);
  const int innerWidth = std::max<int>(0, inner.right - inner.left);
  const int innerHeight = std::max<int>(0, inner.bottom - inner.top);
  MoveWindow(state.contents, inner.left, inner.top, innerWidth, innerHeight, TRUE);

  // Index pane: label, box, keyword list (the larger share), label, topic list.
  int y = inner.top + 2;
  MoveWindow(state.keywordLabel, inner.left, y, innerWidth, state.fontHeight, TRUE);
  y += state.fontHeight + 3;
  MoveWindow(state.keywordEdit, inner.left, y, innerWidth, editHeight, TRUE);
  y += editHeight + 6;
  const int listsHeight = std::max(0, static_cast<int>(inner.bottom) - y - state.fontHeight - 9);
  const int keywordsHeight = listsHeight * 6 / 10;
  MoveWindow(state.keywordList, inner.left, y, innerWidth, keywordsHeight, TRUE);
  y += keywordsHeight + 6;
  MoveWindow(state.foundLabel, inner.left, y, innerWidth, state.fontHeight, TRUE);
  y += state.fontHeight + 3;
  MoveWindow(state.foundList, inner.left, y, innerWidth,
             std::max(0, static_cast<int>(inner.bottom) - y), TRUE);

  const int buttonTop = height - margin - buttonHeight;
  MoveWindow(state.display, margin, buttonTop, buttonWidth, buttonHeight, TRUE);
  MoveWindow(state.back, margin + buttonWidth + margin, buttonTop, buttonWidth, buttonHeight, TRUE);

  const int textLeft = margin + leftWidth + margin;
  MoveWindow(state.text, textLeft, margin, std::max(0, width - textLeft - margin),
             std::max(0, height - 2 * margin), TRUE);
}

void SetPane(HelpWindowState& state, HelpPane pane, bool moveFocus) {
  state.pane = pane;
  const bool index = pane == HelpPane::Index;
  SendMessageA(state.tabs, TCM_SETCURSEL, index ? 1 : 0, 0);
  ShowWindow(state.contents, index ? SW_HIDE : SW_SHOW);
  for (HWND control : {state.keywordLabel, state.keywordEdit, state.keywordList, state.foundLabel,
                       state.foundList})
    ShowWindow(control, index ? SW_SHOW : SW_HIDE);
  if (moveFocus) SetFocus(index ? state.keywordEdit : state.contents);
}

// ---- the topic text ----------------------------------------------------------------------

void SelectInContents(HelpWindowState& state, std::size_t topic) {
  if (topic >= state.topicItems.size() || !state.topicItems[topic]) return;
  state.filling = true;
  SendMessageA(state.contents, TVM_SELECTITEM, TVGN_CARET,
               reinterpret_cast<LPARAM>(state.topicItems[topic]));
  SendMessageA(state.contents, TVM_ENSUREVISIBLE, 0,
               reinterpret_cast<LPARAM>(state.topicItems[topic]));
  state.filling = false;
}

void ShowTopic(HelpWindowState& state, std::size_t topic, bool remember, bool selectInContents) {
  if (topic >= state.file.topics.size()) return;
  if (remember && state.current != kNoHelpTopic && state.current != topic)
    state.history.push_back(state.current);
  state.current = topic;
  state.layout = LayOutHelpTopic(state.file, topic);
  ShowHelpLayout(state.text, state.richText, state.layout, state.textStyle);
  if (selectInContents) SelectInContents(state, topic);
  EnableWindow(state.back, !state.history.empty());
}

void GoBack(HelpWindowState& state) {
  while (!state.history.empty()) {
    const std::size_t topic = state.history.back();
    state.history.pop_back();
    if (topic < state.file.topics.size()) {
      ShowTopic(state, topic, false, true);
      return;
    }
  }
  EnableWindow(state.back, FALSE);
}

// ---- contents and index ------------------------------------------------------------------

HTREEITEM InsertItem(HWND tree, HTREEITEM parent, const std::string& text, LPARAM data, bool bold) {
  TVINSERTSTRUCTA insert{};
  insert.hParent = parent;
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_STATE;
  insert.item.pszText = const_cast<char*>(text.c_str());
  insert.item.lParam = data;
  insert.item.state = bold ? TVIS_BOLD : 0;
  insert.item.stateMask = TVIS_BOLD;
  return reinterpret_cast<HTREEITEM>(
      SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
}

void FillContents(HelpWindowState& state) {
  state.filling = true;
  SendMessageA(state.contents, WM_SETREDRAW, FALSE, 0);
  SendMessageA(state.contents, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
  std::vector<HTREEITEM> chapterItems(state.file.chapters.size(), nullptr);
  state.topicItems.assign(state.file.topics.size(), nullptr);
  for (std::size_t t = 0; t < state.file.topics.size(); ++t) {
    const HelpTopic& topic = state.file.topics[t];
    HTREEITEM parent = TVI_ROOT;
    if (topic.chapter < chapterItems.size()) {
      HTREEITEM& chapter = chapterItems[topic.chapter];
      if (!chapter)
        chapter = InsertItem(state.contents, TVI_ROOT, state.file.chapters[topic.chapter],
                             kChapterItem | static_cast<LPARAM>(topic.chapter), true);
      if (chapter) parent = chapter;
    }
    state.topicItems[t] =
        InsertItem(state.contents, parent, topic.title, static_cast<LPARAM>(t), false);
  }
  for (HTREEITEM chapter : chapterItems) {
    if (chapter)
      SendMessageA(state.contents, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(chapter));
  }
  SendMessageA(state.contents, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(state.contents, nullptr, TRUE);
  state.filling = false;
}

// The topic a contents entry stands for: the topic itself, or a chapter's first topic.
std::size_t TopicOfContentsData(const HelpWindowState& state, LPARAM data) {
  if (!(data & kChapterItem)) return static_cast<std::size_t>(data);
  const std::size_t chapter = static_cast<std::size_t>(data & ~kChapterItem);
  for (std::size_t t = 0; t < state.file.topics.size(); ++t) {
    if (state.file.topics[t].chapter == chapter) return t;
  }
  return kNoHelpTopic;
}

void FillFound(HelpWindowState& state, std::size_t keyword) {
  SendMessageA(state.foundList, LB_RESETCONTENT, 0, 0);
  if (keyword >= state.file.keywords.size()) return;
  for (std::size_t topic : state.file.keywords[keyword].topics) {
    const LRESULT row =
        SendMessageA(state.foundList, LB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(state.file.topics[topic].title.c_str()));
    if (row >= 0) SendMessageA(state.foundList, LB_SETITEMDATA, row, static_cast<LPARAM>(topic));
  }
  SendMessageA(state.foundList, LB_SETCURSEL, 0, 0);
}

// Lists the keywords that match the keyword box; returns the first one, or kNoHelpTopic.
std::size_t FillKeywords(HelpWindowState& state) {
  char key[kHelpTextLimit + 1] = "";
  GetWindowTextA(state.keywordEdit, key, sizeof key);
  const std::vector<std::size_t> matches = SearchHelpKeywords(state.file, key);
  state.filling = true;
  SendMessageA(state.keywordList, WM_SETREDRAW, FALSE, 0);
  SendMessageA(state.keywordList, LB_RESETCONTENT, 0, 0);
  for (std::size_t keyword : matches) {
    const LRESULT row =
        SendMessageA(state.keywordList, LB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(state.file.keywords[keyword].text.c_str()));
    if (row >= 0)
      SendMessageA(state.keywordList, LB_SETITEMDATA, row, static_cast<LPARAM>(keyword));
  }
  SendMessageA(state.keywordList, LB_SETCURSEL, 0, 0);
  SendMessageA(state.keywordList, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(state.keywordList, nullptr, TRUE);
  const std::size_t first = matches.empty() ? kNoHelpTopic : matches.front();
  FillFound(state, first);
  state.filling = false;
  return first;
}

std::size_t SelectedData(HWND list) {
  const LRESULT row = SendMessageA(list, LB_GETCURSEL, 0, 0);
  if (row == LB_ERR) return kNoHelpTopic;
  return static_cast<std::size_t>(SendMessageA(list, LB_GETITEMDATA, row, 0));
}

void KeywordChosen(HelpWindowState& state) {
  const std::size_t keyword = SelectedData(state.keywordList);
  FillFound(state, keyword);
  const std::size_t topic = SelectedData(state.foundList);
  if (topic != kNoHelpTopic) ShowTopic(state, topic, true, true);
}

// "Display" and Enter: open what the visible pane has selected.
void DisplaySelection(HelpWindowState& state) {
  std::size_t topic = kNoHelpTopic;
  if (state.pane == HelpPane::Contents) {
    TVITEMA item{};
    item.mask = TVIF_PARAM;
    item.hItem =
        reinterpret_cast<HTREEITEM>(SendMessageA(state.contents, TVM_GETNEXTITEM, TVGN_CARET, 0));
    if (item.hItem &&
        SendMessageA(state.contents, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)))
      topic = TopicOfContentsData(state, item.lParam);
    if (topic != kNoHelpTopic) ShowTopic(state, topic, true, false);
  } else {
    topic = SelectedData(state.foundList);
    if (topic != kNoHelpTopic) ShowTopic(state, topic, true, true);
  }
  if (topic == kNoHelpTopic) MessageBeep(MB_OK);
}

bool SameTopics(const HelpFile& a, const HelpFile& b) {
  if (a.topics.size() != b.topics.size()) return false;
  for (std::size_t t = 0; t < a.topics.size(); ++t) {
    if (a.topics[t].title != b.topics[t].title) return false;
  }
  return true;
}

// ---- message handlers --------------------------------------------------------------------

LRESULT OnCreate(HelpWindowState& state) {
  ChooseFonts(state);
  if (!CreateControls(state)) return -1;
  SetPane(state, HelpPane::Contents, false);
  EnableWindow(state.back, FALSE);
  return 0;
}

void OnCommand(HelpWindowState& state, int id, int code) {
  switch (id) {
    case IDCANCEL:  // Escape
      PostMessageA(state.window, WM_CLOSE, 0, 0);
      break;
    case IDOK:  // Enter, wherever the focus is
    case kHelpDisplayId:
      if (id == IDOK || code == BN_CLICKED) DisplaySelection(state);
      break;
    case kHelpBackId:
      if (code == BN_CLICKED) GoBack(state);
      break;
    case kHelpKeywordEditId:
      if (code == EN_CHANGE && !state.filling) FillKeywords(state);
      break;
    case kHelpKeywordListId:
      if ((code == LBN_SELCHANGE || code == LBN_DBLCLK) && !state.filling) KeywordChosen(state);
      break;
    case kHelpFoundListId:
      if ((code == LBN_SELCHANGE || code == LBN_DBLCLK) && !state.filling) {
        const std::size_t topic = SelectedData(state.foundList);
        if (topic != kNoHelpTopic) ShowTopic(state, topic, true, true);
      }
      break;
    default:
      break;
  }
}

LRESULT OnNotify(HelpWindowState& state, const NMHDR& header) {
  if (header.idFrom == kHelpTabsId && header.code == TCN_SELCHANGE) {
    const LRESULT tab = SendMessageA(state.tabs, TCM_GETCURSEL, 0, 0);
    SetPane(state, tab == 1 ? HelpPane::Index : HelpPane::Contents, false);
  } else if (header.idFrom == kHelpContentsId && header.code == TVN_SELCHANGEDA && !state.filling) {
    const auto& change = reinterpret_cast<const NMTREEVIEWA&>(header);
    // The selection stays where the user put it, also on a chapter.
    ShowTopic(state, TopicOfContentsData(state, change.itemNew.lParam), true, false);
  } else if (header.idFrom == kHelpTextId && header.code == EN_LINK) {
    const auto& link = reinterpret_cast<const ENLINK&>(header);
    if (link.msg == WM_LBUTTONUP) {
      const HelpSpan* span = HelpLinkAt(state.layout, static_cast<std::size_t>(link.chrg.cpMin));
      // Posted: the control is still inside its own mouse handling and must not lose its text.
      if (span) PostMessageA(state.window, kOpenLinkMessage, span->contextId, 0);
    }
  }
  return 0;
}

void OnActivate(HelpWindowState& state, bool active) {
  if (!active) {
    HWND focus = GetFocus();
    if (focus && IsChild(state.window, focus)) state.lastFocus = focus;
    return;
  }
  HWND target = state.lastFocus;
  if (!target || !IsWindow(target) || !IsWindowVisible(target))
    target = state.pane == HelpPane::Index ? state.keywordEdit : state.contents;
  SetFocus(target);
}

// The labels of the index stand on the tab control's body, whose look (plain or themed) only
// the tab control knows: it paints itself behind them, and they draw their text on top.
LRESULT OnStaticColour(HelpWindowState& state, HDC dc, HWND control) {
  if (control == state.text) {  // the plain edit fallback shows its read-only text on white
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
  }
  if (control != state.keywordLabel && control != state.foundLabel)
    return DefWindowProcA(state.window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                          reinterpret_cast<LPARAM>(control));
  POINT origin = {0, 0};
  MapWindowPoints(control, state.tabs, &origin, 1);
  POINT previous;
  OffsetViewportOrgEx(dc, -origin.x, -origin.y, &previous);
  SendMessageA(state.tabs, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  SetViewportOrgEx(dc, previous.x, previous.y, nullptr);
  SetBkMode(dc, TRANSPARENT);
  return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
}

LRESULT CALLBACK KeyboardHook(int code, WPARAM wParam, LPARAM lParam) {
  HHOOK hook = g_keyboardHook;
  if (code == HC_ACTION && wParam == PM_REMOVE && g_window) {
    MSG* message = reinterpret_cast<MSG*>(lParam);
    if (message->message >= WM_KEYFIRST && message->message <= WM_KEYLAST &&
        (message->hwnd == g_window || IsChild(g_window, message->hwnd))) {
      HelpWindowState* state = StateOf(g_window);
      const bool control = GetKeyState(VK_CONTROL) < 0;
      if (state && message->message == WM_KEYDOWN && control &&
          (message->wParam == VK_TAB || message->wParam == VK_PRIOR ||
           message->wParam == VK_NEXT)) {
        SetPane(*state, state->pane == HelpPane::Index ? HelpPane::Contents : HelpPane::Index,
                true);
        message->message = WM_NULL;
      } else if (IsDialogMessageA(g_window, message)) {
        message->message = WM_NULL;  // handled: the program's loop and accelerators see nothing
      }
    }
  }
  return CallNextHookEx(hook, code, wParam, lParam);
}

LRESULT CALLBACK HelpWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    auto* owner = static_cast<std::unique_ptr<HelpWindowState>*>(create->lpCreateParams);
    HelpWindowState* state = owner->release();
    state->window = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
    return DefWindowProcA(window, message, wParam, lParam);
  }
  HelpWindowState* state = StateOf(window);
  if (!state) return DefWindowProcA(window, message, wParam, lParam);

  switch (message) {
    case WM_CREATE:
      return OnCreate(*state);
    case WM_SIZE:
      if (wParam != SIZE_MINIMIZED) LayOut(*state);
      return 0;
    case WM_GETMINMAXINFO:
      reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {kMinimumWidth, kMinimumHeight};
      return 0;
    case WM_COMMAND:
      OnCommand(*state, LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_NOTIFY:
      return OnNotify(*state, *reinterpret_cast<const NMHDR*>(lParam));
    case DM_GETDEFID:  // Enter presses the focused button, else Display
      return MAKELRESULT(GetFocus() == state->back ? kHelpBackId : kHelpDisplayId, DC_HASDEFID);
    case WM_ACTIVATE:
      OnActivate(*state, LOWORD(wParam) != WA_INACTIVE);
      return 0;
    case WM_CTLCOLORSTATIC:
      return OnStaticColour(*state, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case kOpenLinkMessage:
      ShowTopic(*state, FindHelpTopic(state->file, static_cast<unsigned>(wParam)), true, true);
      return 0;
    case WM_CLOSE:
      DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      if (g_window == window) {
        if (g_keyboardHook) UnhookWindowsHookEx(g_keyboardHook);
        g_keyboardHook = nullptr;
        g_window = nullptr;
      }
      return 0;
    case WM_NCDESTROY:
      SetWindowLongPtrA(window, GWLP_USERDATA, 0);
      delete state;
      return DefWindowProcA(window, message, wParam, lParam);
    default:
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

bool RegisterHelpClass() {
  WNDCLASSEXA existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExA(ModuleInstance(), kHelpWindowClass, &existing)) return true;
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = HelpWindowProc;
  windowClass.hInstance = ModuleInstance();
  windowClass.hIcon = LoadIconA(ModuleInstance(), MAKEINTRESOURCEA(1000));
  if (!windowClass.hIcon) windowClass.hIcon = LoadIconA(nullptr, MAKEINTRESOURCEA(32514));
  windowClass.hIconSm = static_cast<HICON>(LoadImageA(ModuleInstance(), MAKEINTRESOURCEA(1001),
                                                      IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                      GetSystemMetrics(SM_CYSMICON), 0));
  windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kHelpWindowClass;
  return RegisterClassExA(&windowClass) != 0;
}

HWND CreateHelpWindow(HWND owner, const std::string& title) {
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_TAB_CLASSES | ICC_TREEVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  if (!RegisterHelpClass()) {
    ShowError(60003, kHelpWindowClass, static_cast<int>(GetLastError()));
    return nullptr;
  }
  RECT work = {0, 0, 800, 600};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  const int workWidth = work.right - work.left;
  const int workHeight = work.bottom - work.top;
  const int width = std::max(kMinimumWidth, std::min(780, workWidth * 9 / 10));
  const int height = std::max(kMinimumHeight, std::min(620, workHeight * 9 / 10));
  // At the right of the screen, where it covers least of the program it explains.
  const int x = work.left + std::max(0, workWidth - width - 16);
  const int y = work.top + std::max(0, (workHeight - height) / 2);

  HWND root = owner ? GetAncestor(owner, GA_ROOT) : nullptr;
  auto state = std::make_unique<HelpWindowState>();
  HWND window = CreateWindowExA(WS_EX_CONTROLPARENT, kHelpWindowClass, title.c_str(),
                                WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, x, y, width, height, root,
                                nullptr, ModuleInstance(), &state);
  if (!window) {
    ShowError(60004, title.c_str(), static_cast<int>(GetLastError()));
    return nullptr;
  }
  g_window = window;
  g_keyboardHook = SetWindowsHookExA(WH_GETMESSAGE, KeyboardHook, nullptr, GetCurrentThreadId());
  return window;
}

}  // namespace

HWND ShowHelpWindow(HWND owner, HelpFile file, const HelpRequest& request) {
  if (!g_window && !CreateHelpWindow(owner, file.title)) return nullptr;
  HelpWindowState& state = *StateOf(g_window);

  const bool sameTopics = SameTopics(state.file, file) && !state.topicItems.empty();
  state.file = std::move(file);
  if (!sameTopics) {
    state.history.clear();
    state.current = kNoHelpTopic;
    FillContents(state);
  }
  SetWindowTextA(state.window, state.file.title.c_str());

  std::size_t topic = request.topic;
  if (request.pane == HelpPane::Index) {
    const std::string key = request.searchKey ? request.searchKey : "";
    state.filling = true;
    SetWindowTextA(state.keywordEdit, key.substr(0, kHelpTextLimit).c_str());
    state.filling = false;
    const std::size_t first = FillKeywords(state);
    const bool blank = key.find_first_not_of(" \t") == std::string::npos;
    if (topic == kNoHelpTopic && !blank && first != kNoHelpTopic)
      topic = state.file.keywords[first].topics.front();
  } else {
    FillKeywords(state);
  }
  SetPane(state, request.pane, false);
  if (topic >= state.file.topics.size())
    topic = state.current < state.file.topics.size() ? state.current : 0;
  if (topic < state.file.topics.size()) {
    ShowTopic(state, topic, true, true);
  } else {
    state.layout = HelpLayout();
    ShowHelpLayout(state.text, state.richText, state.layout, state.textStyle);
  }

  ShowWindow(state.window, IsIconic(state.window) ? SW_RESTORE : SW_SHOW);
  SetForegroundWindow(state.window);
  state.lastFocus = request.pane == HelpPane::Index ? state.keywordEdit : state.contents;
  SetFocus(state.lastFocus);
  if (request.pane == HelpPane::Index) SendMessageA(state.keywordEdit, EM_SETSEL, 0, -1);
  return state.window;
}

HWND HelpWindow() {
  return g_window;
}

std::size_t HelpWindowTopic() {
  const HelpWindowState* state = g_window ? StateOf(g_window) : nullptr;
  return state ? state->current : kNoHelpTopic;
}
