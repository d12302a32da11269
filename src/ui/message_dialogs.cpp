// The program's own message dialogs: errors, notices, yes/no questions and the save-changes
// question, each a small modal dialog from an in-memory template, centred and kept on top.
#include "ui/message_dialogs.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "base/globals.h"
#include "ui/center_window.h"
#include "resources/resource.h"
#include "ui/dialog_template.h"
#include "ui/strings.h"

BOOL BeepFlag = 1;

namespace {

void SystemBeep(UINT type) {
  MessageBeep(type);
}

BeepFunction g_beep = SystemBeep;

// What one dialog shows; it lives on the caller's stack while the dialog runs.
struct PendingDialog {
  MessageKind kind;
  const char* title;
  const char* text;
  int defaultIsYes;
};

void FormatMessageText(char (&text)[kMessageCapacity], const char* format, va_list args) {
  if (!format || vsnprintf(text, sizeof text, format, args) < 0) text[0] = '\0';
}

// "Name(Context): rest" becomes "Name(Context)", an empty line, then the rest.
void MakeHeadingLine(char* text) {
  if (char* mark = strstr(text, "): ")) {
    mark[1] = '\r';
    mark[2] = '\r';
  }
}

int IconOf(MessageKind kind) {
  switch (kind) {
    case MessageKind::Error:
      return kErrorIconId;
    case MessageKind::Notice:
      return kNoticeIconId;
    case MessageKind::Question:
      return kQuestionIconId;
    case MessageKind::SaveChanges:
      return kDocumentIconId;
  }
  return kNoticeIconId;
}

BOOL OnInitDialog(HWND dialog, const PendingDialog* pending) {
  SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(pending));
  HICON icon = LoadIconA(ResourceModule(), MAKEINTRESOURCEA(IconOf(pending->kind)));
  SendDlgItemMessageA(dialog, kMessageIconId, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);

  RECT rect;
  GetWindowRect(dialog, &rect);
  const POINT origin = CenteredPosition(rect.right - rect.left, rect.bottom - rect.top);
  // Not activated yet: the dialog becomes active when it is shown, with its texts in place.
  SetWindowPos(dialog, nullptr, origin.x, origin.y, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  SetWindowTextA(dialog, pending->kind == MessageKind::Error ? "Error" : pending->title);
  SetWindowPos(dialog, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SetDlgItemTextA(dialog, kMessageTextId, pending->text);
  if (pending->kind != MessageKind::Question) return TRUE;  // the system focuses the first button

  const int defaultId = pending->defaultIsYes ? IDYES : IDNO;
  const int otherId = pending->defaultIsYes ? IDNO : IDYES;
  HWND defaultButton = GetDlgItem(dialog, defaultId);
  SendMessageA(defaultButton, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
  SendDlgItemMessageA(dialog, otherId, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
  SendMessageA(dialog, DM_SETDEFID, defaultId, 0);
  SetFocus(defaultButton);
  return FALSE;
}

// Kinds 0 and 1 end with 1 (OK) or 0; kind 2 with IDYES or 0; kind 3 with the button's id.
BOOL OnCommand(HWND dialog, int id) {
  const auto* pending =
      reinterpret_cast<const PendingDialog*>(GetWindowLongPtrA(dialog, DWLP_USER));
  if (!pending) return FALSE;
  switch (pending->kind) {
    case MessageKind::Error:
    case MessageKind::Notice:
      if (id != IDOK && id != IDCANCEL) return FALSE;
      EndDialog(dialog, id == IDOK ? 1 : 0);
      return TRUE;
    case MessageKind::Question:
      if (id == IDOK) id = pending->defaultIsYes ? IDYES : IDNO;
      if (id != IDYES && id != IDNO && id != IDCANCEL) return FALSE;
      EndDialog(dialog, id == IDYES ? IDYES : 0);
      return TRUE;
    case MessageKind::SaveChanges:
      if (id == IDOK) id = IDYES;
      if (id != IDYES && id != IDNO && id != IDCANCEL) return FALSE;
      EndDialog(dialog, id);
      return TRUE;
  }
  return FALSE;
}

INT_PTR CALLBACK MessageDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      return OnInitDialog(dialog, reinterpret_cast<const PendingDialog*>(lParam));
    case WM_COMMAND:
      return OnCommand(dialog, LOWORD(wParam));
    default:
      return FALSE;
  }
}

// Shows one message dialog; -1 when it could not be shown.
INT_PTR RunMessageDialog(HWND owner, const PendingDialog& pending) {
  if (owner && !IsWindow(owner)) owner = nullptr;
  CloseSplash();
  if (BeepFlag) Beep(MB_ICONASTERISK);
  GlobalBlock memory = BuildMessageTemplate(pending.kind);
  if (!memory) {
    MessageBoxA(owner, "Cannot allocate memory for dialog box template", "Error", MB_ICONSTOP);
    return -1;
  }
  const INT_PTR result =
      DialogBoxIndirectParamA(ResourceModule(), reinterpret_cast<LPCDLGTEMPLATEA>(memory.data()),
                              owner, MessageDialogProc, reinterpret_cast<LPARAM>(&pending));
  memory.Reset();
  if (owner) UpdateWindow(owner);
  return result;
}

int VShowErrorText(const char* format, va_list args) {
  char text[kMessageCapacity];
  FormatMessageText(text, format, args);
  MakeHeadingLine(text);
  RunMessageDialog(FrameWindow, {MessageKind::Error, "Error", text, 0});
  return 0;
}

int VShowMessageText(HWND owner, const char* title, const char* format, va_list args) {
  char text[kMessageCapacity];
  FormatMessageText(text, format, args);
  RunMessageDialog(owner, {MessageKind::Notice, title ? title : "", text, 0});
  return 0;
}

int VAskYesNoText(HWND owner, int defaultIsYes, const char* title, const char* format,
                  va_list args) {
  char text[kMessageCapacity];
  FormatMessageText(text, format, args);
  const PendingDialog pending{MessageKind::Question, title ? title : "", text, defaultIsYes != 0};
  return RunMessageDialog(owner, pending) == IDYES ? 1 : 0;
}

}  // namespace

int ShowErrorText(const char* format, ...) {
  va_list args;
  va_start(args, format);
  VShowErrorText(format, args);
  va_end(args);
  return 0;
}

int ShowError(UINT messageId, ...) {
  char format[kStringCapacity];
  if (!GetString(format, messageId)) return 0;
  va_list args;
  va_start(args, messageId);
  VShowErrorText(format, args);
  va_end(args);
  return 0;
}

int ShowMessageText(HWND owner, const char* title, const char* format, ...) {
  va_list args;
  va_start(args, format);
  VShowMessageText(owner, title, format, args);
  va_end(args);
  return 0;
}

int ShowMessage(HWND owner, UINT titleId, UINT messageId, ...) {
  char title[kStringCapacity];
  char format[kStringCapacity];
  if (!GetString(title, titleId) || !GetString(format, messageId)) return 0;
  va_list args;
  va_start(args, messageId);
  VShowMessageText(owner, title, format, args);
  va_end(args);
  return 0;
}

int AskYesNoText(HWND owner, int defaultIsYes, const char* title, const char* format, ...) {
  va_list args;
  va_start(args, format);
  const int answer = VAskYesNoText(owner, defaultIsYes, title, format, args);
  va_end(args);
  return answer;
}

int AskYesNo(HWND owner, int defaultIsYes, UINT titleId, UINT messageId, ...) {
  char title[kStringCapacity];
  char format[kStringCapacity];
  if (!GetString(title, titleId) || !GetString(format, messageId)) return 0;
  va_list args;
  va_start(args, messageId);
  const int answer = VAskYesNoText(owner, defaultIsYes, title, format, args);
  va_end(args);
  return answer;
}

int AskSaveChanges(HWND owner, const char* format, ...) {
  char text[kMessageCapacity];
  va_list args;
  va_start(args, format);
  FormatMessageText(text, format, args);
  va_end(args);
  const INT_PTR answer =
      RunMessageDialog(owner, {MessageKind::SaveChanges, "File Modified", text, 0});
  // A question that could not be shown counts as Cancel: the document and its edits stay.
  return answer == IDYES || answer == IDNO ? static_cast<int>(answer) : IDCANCEL;
}

int GetString(char* buffer, UINT id) {
  if (!buffer) return 0;
  const int length = LookUpString(buffer, id);
  if (length > 0) return length;
  const int code = static_cast<int>(GetLastError());
  ShowErrorText("GetString(LoadString): Cannot load string resource (ID:%u)\r\rCode %d", id, code);
  return 0;
}

int ShowPathTooLong(HWND owner, const std::string& path) {
  // The whole path would not fit the message box: its start and its end say which one it is.
  constexpr size_t kHead = 30;
  constexpr size_t kTail = 50;
  const std::string shown = path.size() <= kHead + kTail + 3
                                ? path
                                : path.substr(0, kHead) + "..." + path.substr(path.size() - kTail);
  return ShowMessage(owner, IDS_APPNAME, IDS_PATH_TOO_LONG, shown.c_str());
}

int BeepAndFail() {
  Beep(MB_ICONASTERISK);
  return 0;
}

void SetBeepFunction(BeepFunction beep) {
  g_beep = beep ? beep : SystemBeep;
}

void Beep(UINT type) {
  g_beep(type);
}
