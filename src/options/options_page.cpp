// The steps every options page shares: activation, storing, help and the sheet's position.
#include "options/options_page.h"

#include <commctrl.h>

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

namespace {

// Moves the sheet's own buttons (OK, Cancel, Help), not the pages' controls.
void MoveSheetButtons(HWND sheet, SIZE by) {
  for (HWND child = GetWindow(sheet, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    char className[16] = "";
    GetClassNameA(child, className, sizeof className);
    if (lstrcmpiA(className, "Button") != 0) continue;
    RECT rect;
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, sheet, reinterpret_cast<POINT*>(&rect), 2);
    SetWindowPos(child, nullptr, rect.left + by.cx, rect.top + by.cy, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

SIZE WindowSize(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace

// The sheet sizes itself by the pages' dialog units in its own font; a page drawn in a wider
// font (as "MS Sans Serif" is under Wine) would be cut off at the right and bottom. So the
// sheet grows until the page fits in its own units, and every page takes the whole room.
void FitOptionsPage(HWND page) {
  HWND sheet = GetParent(page);
  HWND tabs = PropSheet_GetTabControl(sheet);
  if (!tabs) return;
  RECT needed = {0, 0, kOptionsPageWidth, kOptionsPageHeight};
  MapDialogRect(page, &needed);
  RECT room = {};
  // A wider tab control may lay its tabs out in fewer rows: measure again after each change.
  for (int attempt = 0; attempt < 3; ++attempt) {
    GetWindowRect(tabs, &room);
    MapWindowPoints(nullptr, sheet, reinterpret_cast<POINT*>(&room), 2);
    TabCtrl_AdjustRect(tabs, FALSE, &room);
    SIZE grow = {needed.right - (room.right - room.left), needed.bottom - (room.bottom - room.top)};
    if (grow.cx < 0) grow.cx = 0;
    if (grow.cy < 0) grow.cy = 0;
    if (!grow.cx && !grow.cy) break;
    const SIZE sheetSize = WindowSize(sheet);
    const SIZE tabsSize = WindowSize(tabs);
    MoveSheetButtons(sheet, grow);
    SetWindowPos(tabs, nullptr, 0, 0, tabsSize.cx + grow.cx, tabsSize.cy + grow.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(sheet, nullptr, 0, 0, sheetSize.cx + grow.cx, sheetSize.cy + grow.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  SetWindowPos(page, nullptr, room.left, room.top, room.right - room.left, room.bottom - room.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void PositionOptionsSheet(HWND page, const PlacementRecord& placement) {
  FitOptionsPage(page);
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
      SetStatus(page.statusId);
      if (page.fill) page.fill(window, data);
      PositionOptionsSheet(window, *placement);
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
