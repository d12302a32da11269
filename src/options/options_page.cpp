// The steps every options page shares: activation, storing, help and the sheet's position.
#include "options/options_page.h"

#include "base/globals.h"
#include "settings/placement.h"
#include "ui/help.h"
#include "ui/status.h"

LPARAM RememberPageData(HWND page, LPARAM initDialogParam) {
  const auto* sheetPage = reinterpret_cast<const PROPSHEETPAGEA*>(initDialogParam);
  const LPARAM data = sheetPage ? sheetPage->lParam : 0;
  SetWindowLongPtrA(page, DWLP_USER, data);
  return data;
}

POINT OptionsSheetOrigin(const PlacementRecord& placement, const RECT& screen) {
  const LONG x = placement.Left < screen.right - 70 ? placement.Left : screen.right - 70;
  const LONG y = placement.Top < screen.bottom - 70 ? placement.Top : screen.bottom - 70;
  return POINT{x, y};
}

void PositionOptionsSheet(HWND page, const PlacementRecord& placement) {
  RECT screen = ScreenRect;
  if (IsRectEmpty(&screen)) GetClientRect(GetDesktopWindow(), &screen);
  const POINT origin = OptionsSheetOrigin(placement, screen);
  SetWindowPos(GetParent(page), nullptr, origin.x, origin.y, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ActivateOptionsPage(HWND page, UINT statusId, const PlacementRecord& placement) {
  SetStatus(statusId);
  PositionOptionsSheet(page, placement);
}

void StoreSheetPosition(HWND page, PlacementRecord& placement) {
  StoreWindowPlacement(GetParent(page), placement);
}

BOOL AnswerPageStore(HWND page, UINT code, int stored) {
  LONG_PTR answer;
  if (code == PSN_APPLY) {
    answer = stored ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
  } else {
    answer = stored ? FALSE : TRUE;  // PSN_KILLACTIVE: TRUE refuses to leave
  }
  SetWindowLongPtrA(page, DWLP_MSGRESULT, answer);
  return TRUE;
}

BOOL KeepPageInFront(HWND page) {
  return AnswerPageStore(page, PSN_KILLACTIVE, 0);
}

void ShowPageHelp(HWND page, UINT topic) {
  ContextHelp(GetParent(page), topic);
}

PlacementRecord* CopyPlacement(LPARAM data) {
  return &reinterpret_cast<AppOptionsRecord*>(data)->Options;
}

namespace {

BOOL OnNotify(const OptionsPageBehaviour& page, HWND window, const NMHDR& notice) {
  const LPARAM data = GetWindowLongPtrA(window, DWLP_USER);
  PlacementRecord* placement = page.placement(data);
  switch (notice.code) {
    case PSN_SETACTIVE:
      if (page.fill) page.fill(window, data);
      ActivateOptionsPage(window, page.statusId, *placement);
      SetWindowLongPtrA(window, DWLP_MSGRESULT, 0);
      return TRUE;
    case PSN_KILLACTIVE:
    case PSN_APPLY: {
      const int stored = page.store ? page.store(window, data) : 1;
      if (stored) StoreSheetPosition(window, *placement);
      return AnswerPageStore(window, notice.code, stored);
    }
    case PSN_HELP:
      ShowPageHelp(window, page.helpTopic);
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace

INT_PTR RunOptionsPage(const OptionsPageBehaviour& page, HWND window, UINT message, WPARAM wParam,
                       LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: {
      const LPARAM data = RememberPageData(window, lParam);
      if (page.init) page.init(window, data);
      return TRUE;
    }
    case WM_NOTIFY:
      return OnNotify(page, window, *reinterpret_cast<const NMHDR*>(lParam));
    case WM_COMMAND:
      if (!page.command) return FALSE;
      return page.command(window, GetWindowLongPtrA(window, DWLP_USER), LOWORD(wParam),
                          HIWORD(wParam));
    default:
      return FALSE;
  }
}
