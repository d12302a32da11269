// The system error codes window.
#include "windows/error_codes.h"

#include <commctrl.h>

#include "base/globals.h"
#include "resources/resource.h"
#include "settings/placement.h"
#include "ui/center_window.h"
#include "ui/message_dialogs.h"
#include "ui/window_class.h"
#include "windows/error_line.h"

namespace {

constexpr const char* kErrorsClass = "MSErrorsClass";
constexpr const char* kErrorsTitle = "MS Windows 95/NT Error Codes";
constexpr int kListId = 100;
constexpr LONG kDefaultWidth = 350;
constexpr LONG kDefaultHeight = 200;
constexpr int kProgressBlock = (kLastErrorCode + 1) / 100;

struct ErrorsState {
  HWND window = nullptr;
  HWND list = nullptr;
  PlacementRecord* placement = nullptr;
  bool loading = false;  // from creation until the list is full
};
ErrorsState errors;

HFONT StockFont() {
  return static_cast<HFONT>(GetStockObject(ANSI_VAR_FONT));
}

INT_PTR CALLBACK ProgressDialogProc(HWND dialog, UINT message, WPARAM, LPARAM) {
  if (message != WM_INITDIALOG) return FALSE;
  HWND bar = GetDlgItem(dialog, IDC_ERRORS_PROGRESS);
  SendMessageA(bar, PBM_SETRANGE32, 0, kLastErrorCode + 1);
  SendMessageA(bar, PBM_SETSTEP, 1, 0);
  SendMessageA(bar, PBM_SETPOS, 0, 0);
  CenterWindow(dialog);
  SetWindowPos(dialog, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  return TRUE;
}

LRESULT OnCreate(HWND window, const CREATESTRUCTA* create) {
  errors.window = window;
  errors.loading = true;
  errors.placement = static_cast<PlacementRecord*>(create->lpCreateParams);
  errors.list =
      CreateWindowExA(0, "ListBox", nullptr,
                      WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_VSCROLL | LBS_HASSTRINGS |
                          LBS_USETABSTOPS | LBS_NOINTEGRALHEIGHT,
                      0, 0, 0, 0, window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kListId)),
                      AppInstance, nullptr);
  if (!errors.list) return -1;
  SendMessageA(errors.list, WM_SETFONT, reinterpret_cast<WPARAM>(StockFont()), FALSE);
  int tabStops[2] = {25, 60};
  SendMessageA(errors.list, LB_SETTABSTOPS, 2, reinterpret_cast<LPARAM>(tabStops));
  // The list is filled from the dialog's first idle notice, so the dialog is on screen meanwhile.
  if (DialogBoxParamA(AppInstance, MAKEINTRESOURCEA(IDD_ERRORS_PROGRESS), window,
                      ProgressDialogProc, 0) == -1 &&
      errors.loading) {
    FillErrorList(nullptr, errors.list);  // no progress to show, but the list all the same
  }
  errors.loading = false;
  SendMessageA(errors.list, LB_SETCURSEL, 0, 0);
  SendMessageA(errors.list, LB_SETTOPINDEX, 0, 0);
  SetFocus(errors.list);
  return 0;
}

void OnEnterIdle(WPARAM source, HWND dialog) {
  if (source != MSGF_DIALOGBOX || !errors.loading) return;
  errors.loading = false;
  FillErrorList(dialog, errors.list);
  EndDialog(dialog, 1);
}

void OnSize(HWND window, WPARAM sizeType) {
  // A minimised window keeps the list as it was.
  if (sizeType != SIZE_RESTORED && sizeType != SIZE_MAXIMIZED) return;
  RECT client;
  GetClientRect(window, &client);
  MoveWindow(errors.list, 0, 0, client.right, client.bottom, TRUE);
}

void OnSetFocus(HWND window) {
  if (errors.list) SetFocus(errors.list);
  if (errors.placement) {
    SetWindowPos(window, errors.placement->Show ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

LRESULT CALLBACK ErrorsWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      return OnCreate(window, reinterpret_cast<CREATESTRUCTA*>(lParam));
    case WM_ENTERIDLE:
      OnEnterIdle(wParam, reinterpret_cast<HWND>(lParam));
      return 0;
    case WM_SIZE:
      OnSize(window, wParam);
      return 0;
    case WM_SETFOCUS:
      OnSetFocus(window);
      return 0;
    case WM_CLOSE:
      CloseErrorCodes();
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace

int RegisterErrorCodesClass() {
  return RegisterPlainWindowClass(AppInstance, kErrorsClass, kErrorsClass, ErrorsWindowProc,
                                  CS_HREDRAW | CS_VREDRAW, IDI_ERRORS);
}

char* LookUpSystemMessage(char (&buffer)[256], DWORD code) {
  buffer[0] = '\0';
  // Inserts are kept as written: no argument list is passed, so none may be expanded.
  if (!FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
                      MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), buffer, sizeof buffer - 1,
                      nullptr)) {
    buffer[0] = '\0';
  }
  buffer[sizeof buffer - 1] = '\0';
  return buffer;
}

int FillErrorList(HWND progress, HWND list) {
  HWND bar = GetDlgItem(progress, IDC_ERRORS_PROGRESS);
  SendMessageA(list, LB_RESETCONTENT, 0, 0);
  SendMessageA(list, WM_SETREDRAW, FALSE, 0);
  for (int code = kFirstErrorCode; code <= kLastErrorCode; ++code) {
    // The bar moves in hundredths: each move repaints it, and 6666 repaints took 14 s under
    // Wine, a hundred times what the lookup itself takes. A hundredth is still under 3 pixels.
    if (code % kProgressBlock == 0 || code == kLastErrorCode) {
      SendMessageA(bar, PBM_SETPOS, code + 1, 0);
    }
    char message[256];
    char line[kErrorLineCapacity];
    if (FormatErrorLine(code, LookUpSystemMessage(message, static_cast<DWORD>(code)), line,
                        sizeof line)) {
      SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line));
    }
  }
  SendMessageA(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
  return 1;
}

int OpenErrorCodes(PlacementRecord* placement) {
  if (errors.window) {
    ShowWindow(errors.window, SW_SHOWNORMAL);
    SetFocus(errors.window);
    return 1;
  }
  const POINT origin = PlacementOrigin(*placement);
  // A record without a usable size (never stored, or damaged) opens at the default size.
  const bool sized = placement->Width > 0 && placement->Height > 0;
  HWND window = CreateWindowExA(
      WS_EX_CLIENTEDGE | (placement->Show ? WS_EX_TOPMOST : 0), kErrorsClass, kErrorsTitle,
      WS_OVERLAPPEDWINDOW, origin.x, origin.y, sized ? placement->Width : kDefaultWidth,
      sized ? placement->Height : kDefaultHeight, nullptr, nullptr, AppInstance, placement);
  if (!window) {
    const DWORD error = GetLastError();
    errors = ErrorsState();
    return ShowError(60004, kErrorsTitle, static_cast<int>(error));
  }
  SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(StockFont()), FALSE);
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
  if (placement->Show) {
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  return 1;
}

int SetErrorCodesTopmost(int topmost) {
  if (!errors.window) return 0;
  if (errors.placement) errors.placement->Show = topmost;
  SetWindowPos(errors.window, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  return 1;
}

int CloseErrorCodes() {
  if (!errors.window) return 0;
  if (errors.placement) StoreWindowPlacement(errors.window, *errors.placement);
  HWND window = errors.window;
  errors = ErrorsState();
  DestroyWindow(window);
  return 1;
}

HWND ErrorCodesWindow() {
  return errors.window;
}

HWND ErrorCodesList() {
  return errors.list;
}
