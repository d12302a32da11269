// The document window: its making, its window procedure, word wrap, title and context menu.
#include "document/doc_window.h"

#include <commctrl.h>
#include <richedit.h>

#include <cstdio>
#include <cstring>

#include "base/globals.h"
#include "document/edit_control.h"
#include "document/text_limits.h"
#include "resources/resource.h"
#include "ui/message_dialogs.h"
#include "ui/strings.h"
#include "ui/window_text.h"

namespace {

DocWindowCallbacks callbacks;

constexpr DWORD kStyleWithoutWrap = 0x5030B1C4;
constexpr DWORD kStyleWithWrap = 0x5020B144;
constexpr DWORD kEventMask = ENM_CHANGE | ENM_KEYEVENTS | ENM_MOUSEEVENTS;  // 0x30001

// A new control already filling the document's client area (text streamed into a control that
// has no size yet takes many times longer under Wine), hidden until its text is in: a visible
// control repaints while a large text arrives.
HWND CreateEditControl(HWND document, int wrap) {
  RECT client;
  GetClientRect(document, &client);
  HWND edit = CreateWindowExA(
      WS_EX_CLIENTEDGE, "RichEdit", "", (wrap ? kStyleWithWrap : kStyleWithoutWrap) & ~WS_VISIBLE,
      0, 0, client.right, client.bottom, document,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(kEditControlId)), AppInstance, nullptr);
  if (!edit) return nullptr;
  SetEditFont(edit, DisplayFont ? DisplayFont : static_cast<HFONT>(GetStockObject(ANSI_VAR_FONT)));
  SetEditTextLimit(edit, static_cast<LONG>(kEditTextLimit));
  return edit;
}

void FillClientArea(HWND document, HWND edit) {
  RECT client;
  GetClientRect(document, &client);
  MoveWindow(edit, 0, 0, client.right, client.bottom, TRUE);
}

AppOptionsRecord& DocOptions(HWND document) {
  auto* options = reinterpret_cast<AppOptionsRecord*>(GetWindowLongPtrA(document, GWLP_USERDATA));
  return options ? *options : AppOptions;
}

void OnEditNotification(HWND document, UINT code) {
  if (!ActiveDocWindow || GetDocWord(ActiveDocWindow, kViewingWord)) return;
  switch (code) {
    case EN_CHANGE:
      if (BulkOperation || GetDocWord(document, kModifiedWord)) return;
      MarkDocumentModified(document);
      break;
    case EN_ERRSPACE:
      ShowMessage(document, IDS_APPNAME, IDS_OUT_OF_MEMORY);
      break;
    case EN_MAXTEXT:
      MarkDocumentModified(document);
      ShowMessage(document, IDS_APPNAME, IDS_TEXT_FULL);
      break;
    default:
      break;  // focus changes only refresh the menus, which follows every message
  }
}

void OnMessageFilter(HWND document, const MSGFILTER* filter) {
  HWND edit = DocEditControl(document);
  switch (filter->msg) {
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
      UpdateLineIndicator(edit);
      break;
    case WM_RBUTTONDOWN: {
      UpdateLineIndicator(edit);
      POINT point = {static_cast<short>(LOWORD(filter->lParam)),
                     static_cast<short>(HIWORD(filter->lParam))};
      MapWindowPoints(edit, document, &point, 1);
      ShowContextMenu(document, point);
      break;
    }
    default:
      break;
  }
}

void OnSize(HWND document, WPARAM sizeType) {
  if (HWND edit = DocEditControl(document)) FillClientArea(document, edit);
  if (sizeType == SIZE_RESTORED) DocOptions(document).ZoomChildren = 0;
  if (sizeType == SIZE_MAXIMIZED) DocOptions(document).ZoomChildren = 1;
}

void OnActivate(HWND activated) {
  ActiveDocWindow = activated;
  UpdateLineIndicator(DocEditControl(activated));
}

LRESULT HandleDocMessage(HWND document, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      OnSize(document, wParam);
      break;
    case WM_SETFOCUS:
      if (HWND edit = DocEditControl(document)) SetFocus(edit);
      return 0;
    case WM_MDIACTIVATE:
      OnActivate(reinterpret_cast<HWND>(lParam));
      return 0;
    case WM_CLOSE:
      if (callbacks.close) callbacks.close(document, DocOptions(document));
      return 0;
    case WM_DESTROY:
      if (ActiveDocWindow == document) ActiveDocWindow = nullptr;
      break;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (header->idFrom == kEditControlId && header->code == EN_MSGFILTER) {
        OnMessageFilter(document, reinterpret_cast<const MSGFILTER*>(lParam));
        return 0;  // the event is never swallowed
      }
      break;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == kEditControlId && lParam) {
        OnEditNotification(document, HIWORD(wParam));
        return 0;
      }
      if (callbacks.command && callbacks.command(document, LOWORD(wParam), DocOptions(document))) {
        return 0;
      }
      break;
    default:
      break;
  }
  return DefMDIChildProcA(document, message, wParam, lParam);
}

// Renames the maximised document, whose name the frame's caption shows as "<frame> - [<name>]".
// The system's way (WM_SETTEXT to the document) paints the frame's caption and menu bar, then
// lays the frame out and paints them again: under Wine that is most of what a save or the first
// typed character costs. Here the document takes its text alone, the Window menu its new entry,
// and the frame its own text back, which it combines with the new name and paints once. False
// (nothing done) when the caption is not the combination expected, e.g. cut short.
bool RenameMaximized(HWND document, const char* name) {
  HWND client = GetParent(document);
  HWND frame = client ? GetParent(client) : nullptr;
  if (!frame || !IsZoomed(document)) return false;
  char old[kPathCapacity + 1];
  char caption[2 * kPathCapacity + 8];
  GetWindowTextA(document, old, sizeof old);
  GetWindowTextA(frame, caption, sizeof caption);
  char suffix[kPathCapacity + 8];
  std::snprintf(suffix, sizeof suffix, " - [%s]", old);
  const size_t captionLength = std::strlen(caption);
  const size_t suffixLength = std::strlen(suffix);
  if (captionLength <= suffixLength ||
      std::strcmp(caption + captionLength - suffixLength, suffix) != 0) {
    return false;
  }
  caption[captionLength - suffixLength] = '\0';
  DefWindowProcA(document, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name));
  SendMessageA(client, WM_MDIREFRESHMENU, 0, 0);
  SetWindowTextA(frame, caption);
  return true;
}

}  // namespace

void SetDocWindowCallbacks(const DocWindowCallbacks& handlers) {
  callbacks = handlers;
}

LRESULT CALLBACK DocWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = HandleDocMessage(window, message, wParam, lParam);
  if (callbacks.afterMessage) callbacks.afterMessage(DocOptions(window));
  return result;
}

HWND MakeDocWindow(HWND owner, const char* path, AppOptionsRecord& options) {
  MDICREATESTRUCTA create = {};
  create.szClass = MAKEINTATOM(kDocWindowClass);
  create.szTitle = "";
  create.hOwner = AppInstance;
  create.x = create.y = create.cx = create.cy = CW_USEDEFAULT;
  create.style = options.ZoomChildren ? WS_MAXIMIZE : 0;
  HWND document = reinterpret_cast<HWND>(
      SendMessageA(MdiClient, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create)));
  if (!document) {
    ShowMessage(owner, IDS_APPNAME, 60007, static_cast<int>(GetLastError()));
    return nullptr;
  }
  SetWindowLongPtrA(document, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&options));

  if (path && *path) {
    SetWindowTextById(document, IDS_TITLE_FORMAT, path);
  } else {
    SetWindowTextById(document, IDS_UNTITLED, ++UntitledCounter);
  }

  SetDocWord(document, kEditWord, 0);
  SetDocWord(document, kModifiedWord, 0);
  SetDocWord(document, kWrapWord, options.WordWrap ? 1 : 0);
  SetDocWord(document, kViewingWord, 0);
  SetDocWord(document, kSavedWord, 0);
  SetDocWord(document, kLineFormatWord, 0);

  HWND edit = CreateEditControl(document, options.WordWrap);
  if (!edit) {
    DestroyDocWindow(document);
    ShowMessage(owner, IDS_APPNAME, IDS_EDIT_CREATE_FAILED);
    return nullptr;
  }
  ApplyEditBackground(edit, options.LtGray);
  SetDocWord(document, kEditWord, static_cast<LONG>(reinterpret_cast<LONG_PTR>(edit)));
  return document;
}

void ShowDocWindow(HWND document) {
  HWND edit = DocEditControl(document);
  ShowWindow(document, SW_SHOW);
  ShowWindow(edit, SW_SHOW);
  SendMessageA(edit, EM_SETEVENTMASK, 0, kEventMask);
  SetEditSelection(edit, 0, 0);
  UpdateLineIndicator(edit);
}

void DestroyDocWindow(HWND document) {
  SendMessageA(MdiClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(document), 0);
}

namespace {

// A new, hidden control for the document, read-only and coloured as `oldEdit`; null after the
// message that it could not be made.
HWND MakeReplacement(HWND document, HWND oldEdit, int wrap, int ltGray) {
  HWND edit = CreateEditControl(document, wrap);
  if (!edit) {
    ShowMessage(document, IDS_APPNAME, IDS_EDIT_CREATE_FAILED);
    return nullptr;
  }
  const bool readOnly = oldEdit && (GetWindowLongA(oldEdit, GWL_STYLE) & ES_READONLY);
  SendMessageA(edit, EM_SETREADONLY, readOnly ? TRUE : FALSE, 0);
  ApplyEditBackground(edit, ltGray);
  return edit;
}

// `edit` becomes the document's control in the place of `oldEdit`, which goes (destroying a
// control is fast; emptying a large text first would take seconds).
void PutInPlace(HWND document, HWND oldEdit, HWND edit) {
  SetDocWord(document, kEditWord, static_cast<LONG>(reinterpret_cast<LONG_PTR>(edit)));
  if (oldEdit) DestroyWindow(oldEdit);
}

void ShowReplacement(HWND edit, bool focus) {
  ShowWindow(edit, SW_SHOW);
  SendMessageA(edit, EM_SETEVENTMASK, 0, kEventMask);
  if (focus) SetFocus(edit);
}

}  // namespace

HWND ReplaceEditControl(HWND document, int wrap, const char* text, size_t length, int ltGray) {
  HWND oldEdit = DocEditControl(document);
  const BOOL wasBulk = BulkOperation;
  BulkOperation = TRUE;
  // The new control is made before the old one goes: when it cannot be made, the document
  // keeps its control and its text. The text to show is the caller's copy, so the old control
  // then goes before the new one fills (a large text in each at once costs memory and time).
  HWND edit = MakeReplacement(document, oldEdit, wrap, ltGray);
  if (edit) {
    const bool hadFocus = oldEdit && GetFocus() == oldEdit;
    PutInPlace(document, oldEdit, edit);
    SetEditText(edit, text, length);
    ShowReplacement(edit, hadFocus);
  }
  BulkOperation = wasBulk;
  return edit;
}

int FillReplacementEditControl(HWND document, const char* text, size_t length, int ltGray,
                               StreamProgress progress, void* context) {
  HWND oldEdit = DocEditControl(document);
  HWND edit = MakeReplacement(document, oldEdit, GetDocWord(document, kWrapWord), ltGray);
  if (!edit) return -1;
  if (!SetEditText(edit, text, length, progress, context)) {
    DestroyWindow(edit);
    return 0;
  }
  const BOOL wasBulk = BulkOperation;
  BulkOperation = TRUE;
  const bool hadFocus = oldEdit && GetFocus() == oldEdit;
  PutInPlace(document, oldEdit, edit);
  ShowReplacement(edit, hadFocus);
  BulkOperation = wasBulk;
  return 1;
}

int ToggleWordWrap(HWND document, int wrap, AppOptionsRecord& options) {
  HWND oldEdit = DocEditControl(document);
  if (!oldEdit) return 0;
  DWORD length = 0;
  GlobalBlock text = GetEditorText(oldEdit, &length);
  if (!text) return 0;
  HWND edit = ReplaceEditControl(document, wrap, text.data(), length, options.LtGray);
  text.Reset();
  if (!edit) return 0;
  if (callbacks.layoutFrame) callbacks.layoutFrame();
  SetDocWord(document, kWrapWord, wrap ? 1 : 0);
  SetEditSelection(edit, 0, 0);
  UpdateLineIndicator(edit);
  return 1;
}

void MarkDocumentModified(HWND document) {
  SetDocWord(document, kModifiedWord, 1);
  SetDocumentTitle(document, nullptr, 1);
}

int SetDocumentTitle(HWND document, const char* name, int modified) {
  char title[kPathCapacity];
  if (name) {
    lstrcpynA(title, name, sizeof title);
  } else {
    GetDocumentName(document, title);
  }
  char decorated[kPathCapacity + 1];
  std::snprintf(decorated, sizeof decorated, modified ? "%s*" : "%s", title);
  // The same text again would still repaint the caption, and a maximised frame's menu bar.
  char shown[kPathCapacity + 1];
  GetWindowTextA(document, shown, sizeof shown);
  if (std::strcmp(shown, decorated) == 0) return TRUE;
  if (RenameMaximized(document, decorated)) return TRUE;
  return SetWindowTextA(document, decorated);
}

void GetDocumentName(HWND document, char (&name)[256]) {
  name[0] = '\0';
  if (document) GetWindowTextA(document, name, sizeof name);
  const size_t length = std::strlen(name);
  if (length > 0 && name[length - 1] == '*') name[length - 1] = '\0';
}

void UpdateLineIndicator(HWND edit) {
  if (!StatusBar) return;
  char text[32];
  std::snprintf(text, sizeof text, "Ln %d", LineOfCharacter(edit, -1) + 1);
  SendMessageA(StatusBar, SB_SETTEXTA, 1, reinterpret_cast<LPARAM>(text));
}

void ShowContextMenu(HWND document, POINT point) {
  HMENU menu = LoadMenuA(AppInstance, MAKEINTRESOURCEA(IDR_CONTEXTMENU));
  if (!menu) return;
  HMENU popup = GetSubMenu(menu, 0);
  HWND edit = DocEditControl(document);
  LONG start = 0, end = 0;
  GetEditSelection(edit, &start, &end);
  const bool R = GetDocWord(document, kViewingWord) != 0;
  const bool S = start != end;
  const bool F = FindReplaceDialog != nullptr;
  const AppOptionsRecord& options = DocOptions(document);
  const bool stamps = options.ShowDate || options.ShowTime;
  struct Rule {
    UINT id;
    bool enabled;
  };
  const Rule rules[] = {
      {IDM_UNDO, !R},
      {IDM_PASTE, !R},
      {IDM_DELETE, !R},
      {IDM_CUT, S && !R},
      {IDM_COPY, S},
      {IDM_SELECTALL, true},
      {IDM_CLOSE, true},
      {IDM_SAVESELECTION, S},
      {IDM_INSERTFILE, !R},
      {IDM_INSERTDATE, !R && stamps},
      {IDM_FIND, !F},
      {IDM_REPLACE, !R && !F},
      {IDM_SORT, S && !R},
      {IDM_LOWERCASE, S && !R},
      {IDM_UPPERCASE, S && !R},
  };
  for (const Rule& rule : rules) {
    EnableMenuItem(popup, rule.id, MF_BYCOMMAND | (rule.enabled ? MF_ENABLED : MF_GRAYED));
  }
  ClientToScreen(document, &point);
  TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x + 10, point.y, 0, FrameWindow,
                 nullptr);
  DestroyMenu(menu);
}
