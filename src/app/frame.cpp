// The frame window procedure: one handler per message.
#include "app/frame.h"

#include <commctrl.h>
#include <shellapi.h>

#include <string>

#include "app/commands.h"
#include "app/frame_layout.h"
#include "app/menu_state.h"
#include "app/topmost.h"
#include "settings/placement.h"
#include "app/single_instance.h"
#include "app/toolbar.h"
#include "app/tray.h"
#include "settings/placement.h"
#include "base/globals.h"
#include "docset/document_set.h"
#include "editing/find_replace.h"
#include "resources/resource.h"
#include "ui/message_dialogs.h"
#include "ui/status.h"
#include "ui/strings.h"
#include "windows/character_chart.h"
#include "windows/error_codes.h"
#include "windows/splash.h"

namespace {

AppOptionsRecord& OptionsOf(HWND frame) {
  auto* options = reinterpret_cast<AppOptionsRecord*>(GetWindowLongPtrA(frame, GWLP_USERDATA));
  return options ? *options : AppOptions;
}

HWND CreateMdiClient(HWND frame) {
  CLIENTCREATESTRUCT clientCreate = {};
  clientCreate.hWindowMenu = GetSubMenu(GetMenu(frame), kWindowMenuPosition);
  clientCreate.idFirstChild = IDM_FIRSTCHILD;
  HWND client =
      CreateWindowExA(WS_EX_CLIENTEDGE, "mdiclient", nullptr, WS_CHILD | WS_CLIPCHILDREN, 0, 0, 0,
                      0, frame, reinterpret_cast<HMENU>(IDC_MDICLIENT), AppInstance, &clientCreate);
  if (client) ShowWindow(client, SW_SHOW);
  return client;
}

HWND CreateStatusBar(HWND frame, const AppOptionsRecord& options) {
  char ready[kStringCapacity] = "";
  GetString(ready, 60000);
  HWND status = CreateStatusWindowA(StatusBarStyle, ready, frame, IDC_STATUSBAR);
  if (!status) return nullptr;
  int parts[2] = {0, -1};
  SendMessageA(status, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));
  if (!options.Status) ShowWindow(status, SW_HIDE);
  return status;
}

LRESULT OnCreate(HWND frame, const CREATESTRUCTA* create) {
  auto* options = static_cast<AppOptionsRecord*>(create->lpCreateParams);
  if (!options) options = &AppOptions;
  SetWindowLongPtrA(frame, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(options));
  FrameWindow = frame;

  char title[kStringCapacity];
  if (GetString(title, IDS_APPNAME)) SetWindowTextA(frame, title);

  if (!BuildToolbar(frame, *options)) {
    ShutdownApplication(frame, *options);
    return -1;
  }
  SetDisplayFont(FontOwner(CreateFontIndirectA(&OptionRecords.DisplayFontRecord.Font)));

  int failedChild = 0;
  MdiClient = CreateMdiClient(frame);
  if (!MdiClient) {
    failedChild = IDC_MDICLIENT;
  } else {
    StatusBar = CreateStatusBar(frame, *options);
    if (!StatusBar) failedChild = IDC_STATUSBAR;
  }
  if (failedChild) {
    ShowMessage(frame, IDS_APPNAME, 60005, failedChild, static_cast<int>(GetLastError()));
    ShutdownApplication(frame, *options);
    return -1;
  }
  RefreshCommandState(frame, *options);
  FindReplaceMessage = RegisterWindowMessageA(FINDMSGSTRINGA);
  return 0;
}

void OnSize(HWND frame, UINT sizeType) {
  switch (sizeType) {
    case SIZE_RESTORED:
    case SIZE_MAXIMIZED:
      ShowWindow(frame, SW_SHOW);
      LayoutFrame(frame);
      InvalidateRect(frame, nullptr, TRUE);
      UpdateWindow(frame);
      break;
    case SIZE_MINIMIZED:
      // With the tray icon on, the icon is the only way back: no task bar button.
      if (OptionsOf(frame).TaskTray) ShowWindow(frame, SW_HIDE);
      break;
    default:
      break;
  }
}

void OnSetFocus(HWND frame) {
  SetTopmost(frame, OptionsOf(frame).TopMost);
  // The focus goes to the topmost document, or stays with the frame when there is none.
  HWND first = nullptr;
  ForEachDocWindow([&first](HWND document) {
    if (!first) first = document;
  });
  SetFocus(first ? first : frame);
}

void OnPaint(HWND frame) {
  PAINTSTRUCT paint;
  BeginPaint(frame, &paint);
  EndPaint(frame, &paint);
}

void OnClose(HWND frame) {
  if (ShutdownApplication(frame, OptionsOf(frame))) DestroyWindow(frame);
}

void OnDestroy(HWND frame) {
  ShutdownApplication(frame, OptionsOf(frame));
  FrameWindow = nullptr;
  MdiClient = nullptr;
  StatusBar = nullptr;
  ToolbarWindow = nullptr;
}

void OnMinMaxInfo(MINMAXINFO* info) {
  info->ptMinTrackSize.x = 348;
  info->ptMinTrackSize.y = 200;
}

void OnDropFiles(HWND frame, HDROP drop) {
  OpenDroppedFiles(frame, drop, OptionsOf(frame));
  DragFinish(drop);
}

// Opens every hand-over waiting in the frame's queue; the message itself carries nothing.
void OnOpenFileMessage(HWND frame) {
  std::string name;
  while (TakeHandOver(name)) {
    if (!name.empty()) OpenNamedFile(frame, name.c_str(), OptionsOf(frame));
  }
}

}  // namespace

int ShutdownApplication(HWND frame, AppOptionsRecord& options) {
  if (!CloseAllDocuments(options)) return 0;
  StoreWindowPlacement(frame, options.Window);
  SaveToolbarLayout(kCustomLayout);
  CloseSplash();
  if (options.TaskTray) RemoveTrayIcon(frame);
  CloseErrorCodes();
  CloseCharacterChart();
  PostQuitMessage(0);
  return 1;
}

LRESULT CALLBACK FrameWindowProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == FindReplaceMessage && FindReplaceMessage != 0) {
    return OnFindReplaceMessage(ActiveDocWindow, reinterpret_cast<FINDREPLACEA*>(lParam),
                                OptionsOf(frame));
  }
  switch (message) {
    case WM_CREATE:
      return OnCreate(frame, reinterpret_cast<CREATESTRUCTA*>(lParam));
    case WM_DESTROY:
      OnDestroy(frame);
      return 0;
    case WM_SIZE:
      OnSize(frame, static_cast<UINT>(wParam));
      return 0;
    case WM_SETFOCUS:
      OnSetFocus(frame);
      return 0;
    case WM_PAINT:
      OnPaint(frame);
      return 0;
    case WM_CLOSE:
      OnClose(frame);
      return 0;
    case WM_QUERYENDSESSION:
      // Asked while a text streams in: the session waits rather than end with half a document.
      if (LoadingDocWindow) return FALSE;
      return ShutdownApplication(frame, OptionsOf(frame));
    case WM_GETMINMAXINFO:
      OnMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lParam));
      return 0;
    case WM_NOTIFY:
      return HandleToolbarNotify(frame, reinterpret_cast<NMHDR*>(lParam), OptionsOf(frame));
    case WM_COMMAND:
      if (DispatchFrameCommand(frame, LOWORD(wParam), OptionsOf(frame))) return 0;
      break;
    case WM_INITMENU:
      RefreshCommandState(frame, OptionsOf(frame));
      return 0;
    case WM_MENUSELECT:
      ShowMenuHelp(wParam);
      return 0;
    case WM_DROPFILES:
      OnDropFiles(frame, reinterpret_cast<HDROP>(wParam));
      return 0;
    case WM_COPYDATA:
      return ReceiveHandOver(frame, reinterpret_cast<COPYDATASTRUCT*>(lParam));
    case TrayMessage:
      HandleTrayMessage(frame, wParam, lParam, OptionsOf(frame).TopMost);
      return 0;
    case OpenFileMessage:
      OnOpenFileMessage(frame);
      return 0;
    default:
      break;
  }
  return DefFrameProcA(frame, MdiClient, message, wParam, lParam);
}
