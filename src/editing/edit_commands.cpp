// The Edit menu's commands on a document's edit control: undo, the clipboard, delete, select
// all, case and character-set conversion, and Go To Line.
#include "editing/edit_commands.h"

#include <richedit.h>

#include <cstring>
#include <string>

#include "base/globals.h"
#include "document/doc_window.h"
#include "document/edit_control.h"
#include "resources/resource.h"
#include "settings/placement.h"
#include "ui/message_dialogs.h"
#include "ui/status.h"
#include "ui/window_text.h"

namespace {

// The control of a document whose text may change; null while the document is only viewed,
// so a key that reaches a command (Ctrl+V) cannot change it either.
HWND EditableControl(HWND document) {
  return GetDocWord(document, kViewingWord) ? nullptr : DocEditControl(document);
}

// Paste and the case conversion replace the selection for good: Undo does not take them back.
void ReplaceSelectionForGood(HWND edit, const char* text) {
  SendMessageA(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text));
}

int SendAndFocus(HWND edit, UINT message) {
  if (!edit) return 0;
  SendMessageA(edit, message, 0, 0);
  SetFocus(edit);
  return 1;
}

// A fresh control sends no change notice, so a conversion that fills one marks the document as
// the notice would have: once, unless a bulk operation is running.
void MarkChanged(HWND document) {
  if (BulkOperation || GetDocWord(document, kModifiedWord)) return;
  SetDocWord(document, kModifiedWord, 1);
  SetDocumentTitle(document, nullptr, 1);
}

// Only the 26 ASCII letters change, whatever the locale says about bytes 128 to 255.
int ConvertAsciiCase(char* text, size_t length, bool upper) {
  int count = 0;
  for (size_t i = 0; i < length; ++i) {
    const char c = text[i];
    if (upper && c >= 'a' && c <= 'z') {
      text[i] = static_cast<char>(c - 'a' + 'A');
      ++count;
    } else if (!upper && c >= 'A' && c <= 'Z') {
      text[i] = static_cast<char>(c - 'A' + 'a');
      ++count;
    }
  }
  return count;
}

// What the Go To dialog works on while it runs.
struct GoToRequest {
  int lineCount;
  int chosenLine;  // on entry the caret's 0-based line; on OK the 1-based number entered
  PlacementRecord* placement;
};

// The number in the line field. A text that is not a plain number, or a number past
// 2,147,483,647, reads as 0, which no document has as a line.
int ReadLineNumber(HWND dialog) {
  HWND field = GetDlgItem(dialog, IDC_GOTO_LINE);
  std::string text(static_cast<size_t>(GetWindowTextLengthA(field)) + 1, '\0');
  text.resize(static_cast<size_t>(GetWindowTextA(field, &text[0], static_cast<int>(text.size()))));
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return 0;
  const size_t last = text.find_last_not_of(' ');
  long long number = 0;
  for (size_t i = first; i <= last; ++i) {
    if (text[i] < '0' || text[i] > '9') return 0;
    number = number * 10 + (text[i] - '0');
    if (number > 0x7FFFFFFF) return 0;
  }
  return static_cast<int>(number);
}

void OnGoToInit(HWND dialog, GoToRequest& request) {
  SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(&request));
  SetDlgItemInt(dialog, IDC_GOTO_LINE, static_cast<UINT>(request.chosenLine + 1), FALSE);
  SetDlgItemTextById(dialog, IDC_GOTO_HINT, IDS_GOTO_HINT, request.lineCount);
  MoveToPlacement(dialog, *request.placement, HWND_NOTOPMOST);
}

void OnGoToOk(HWND dialog, GoToRequest& request) {
  const int number = ReadLineNumber(dialog);
  if (number < 1 || number > request.lineCount) {
    ShowMessage(dialog, IDS_APPNAME, IDS_BAD_LINE_NUMBER, number, request.lineCount);
    HWND field = GetDlgItem(dialog, IDC_GOTO_LINE);
    SetFocus(field);
    SendMessageA(field, EM_SETSEL, 0, -1);
    return;
  }
  request.chosenLine = number;
  StoreWindowPlacement(dialog, *request.placement);
  EndDialog(dialog, 1);
}

INT_PTR CALLBACK GoToDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    OnGoToInit(dialog, *reinterpret_cast<GoToRequest*>(lParam));
    return TRUE;
  }
  auto* request = reinterpret_cast<GoToRequest*>(GetWindowLongPtrA(dialog, DWLP_USER));
  if (message != WM_COMMAND || !request) return FALSE;
  switch (LOWORD(wParam)) {
    case IDOK:
      OnGoToOk(dialog, *request);
      return TRUE;
    case IDCANCEL:
      StoreWindowPlacement(dialog, *request->placement);
      EndDialog(dialog, 0);
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

int UndoEdit(HWND document) {
  return SendAndFocus(EditableControl(document), EM_UNDO);
}

int InsertMacroText(HWND document, const char* text) {
  HWND edit = EditableControl(document);
  if (!edit) return BeepAndFail();
  return ReplaceEditSelection(edit, text);
}

int CutSelection(HWND document) {
  return SendAndFocus(EditableControl(document), WM_CUT);
}

int CopySelection(HWND document) {
  return SendAndFocus(DocEditControl(document), WM_COPY);
}

int PasteText(HWND document) {
  HWND edit = EditableControl(document);
  if (!edit || !OpenClipboard(document)) return 0;
  // Plain text only; a block is read no further than its own size, terminated or not.
  if (HANDLE data = IsClipboardFormatAvailable(CF_TEXT) ? GetClipboardData(CF_TEXT) : nullptr) {
    if (const auto* text = static_cast<const char*>(GlobalLock(data))) {
      const size_t size = GlobalSize(data);
      const std::string pasted(text, strnlen(text, size));
      GlobalUnlock(data);
      ReplaceSelectionForGood(edit, pasted.c_str());
      UpdateLineIndicator(edit);
      SetFocus(edit);
    }
  }
  CloseClipboard();
  return 1;
}

int DeleteSelection(HWND document) {
  HWND edit = EditableControl(document);
  if (!edit) return 0;
  const LONG length = static_cast<LONG>(SendMessageA(edit, WM_GETTEXTLENGTH, 0, 0));
  LONG start = 0, end = 0;
  GetEditSelection(edit, &start, &end);
  SetFocus(edit);
  if (start != end) return SendAndFocus(edit, WM_CLEAR);
  if (start >= length) return 0;
  // A line end goes as one: the CR LF pair, never half of it.
  const bool lineEnd = CharacterAt(edit, start) == '\r' && CharacterAt(edit, start + 1) == '\n';
  SetEditSelection(edit, start, start + (lineEnd ? 2 : 1));
  UpdateLineIndicator(edit);
  return SendAndFocus(edit, WM_CLEAR);
}

int SelectAll(HWND document) {
  HWND edit = DocEditControl(document);
  if (!SetEditSelection(edit, 0, -1)) return 0;
  UpdateLineIndicator(edit);
  return 1;
}

int ConvertCase(HWND document, int upper) {
  HWND edit = EditableControl(document);
  LONG start = 0, end = 0;
  if (!GetEditSelection(edit, &start, &end) || start == end) return 0;
  DWORD length = 0;
  GlobalBlock text = GetEditorText(edit, &length);
  if (!text) return 0;
  // A selection of everything may reach past the text (the closing paragraph mark).
  const LONG last = end < static_cast<LONG>(length) ? end : static_cast<LONG>(length);
  if (start >= last) return 0;
  char* selected = text.data() + start;
  text.data()[last] = '\0';
  const int count = ConvertAsciiCase(selected, static_cast<size_t>(last - start), upper != 0);
  if (count == 0) return 0;  // nothing to change: the document is left alone, without a word
  ReplaceSelectionForGood(edit, selected);
  SetEditSelection(edit, start, end);
  UpdateLineIndicator(edit);
  SetStatus(IDS_CONVERTED_CASE, count, count == 1 ? "" : "s", upper ? "upper" : "lower");
  return count;
}

int ConvertCharacterSet(HWND document, int toOem, const AppOptionsRecord& options) {
  HWND edit = EditableControl(document);
  LONG start = 0, end = 0;
  if (!GetEditSelection(edit, &start, &end)) return 0;
  DWORD length = 0;
  GlobalBlock text = GetEditorText(edit, &length);
  if (!text) return 0;
  // The whole text, whatever is selected; both conversions keep the length.
  if (toOem) {
    CharToOemA(text.data(), text.data());
  } else {
    OemToCharA(text.data(), text.data());
  }
  // Replacing a large text inside its control takes seconds under Wine; a new control takes the
  // converted text at the cost of one load. When it cannot be made the old one keeps the text.
  HWND converted = ReplaceEditControl(document, GetDocWord(document, kWrapWord), text.data(),
                                      length, options.LtGray);
  text.Reset();
  if (!converted) return 0;
  SetEditSelection(converted, start, end);
  UpdateLineIndicator(converted);
  MarkChanged(document);
  SetStatus(IDS_CONVERTED_CHARSET, toOem ? "OEM" : "ANSI");
  return 1;
}

int GoToLine(HWND document, AppOptionsRecord& options) {
  HWND edit = DocEditControl(document);
  if (!edit) return 0;
  SetStatus(IDM_GOTOLINE);
  GoToRequest request = {static_cast<int>(SendMessageA(edit, EM_GETLINECOUNT, 0, 0)),
                         LineOfCharacter(edit, -1), &options.GoTo};
  CloseSplash();
  const INT_PTR chosen = DialogBoxParamA(AppInstance, MAKEINTRESOURCEA(IDD_GOTOLINE), document,
                                         GoToDialogProc, reinterpret_cast<LPARAM>(&request));
  if (chosen == -1) return ShowError(60004, "Go To Line", static_cast<int>(GetLastError()));
  if (chosen != 1) return 0;
  SetStatus(IDS_GOTO_SELECTED, request.chosenLine);
  const LONG start = static_cast<LONG>(SendMessageA(edit, EM_LINEINDEX, request.chosenLine - 1, 0));
  SetEditSelection(edit, start, start);
  UpdateLineIndicator(edit);
  return 1;
}
