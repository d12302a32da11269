// The Explorer page (which shortcuts to make or remove when the sheet closes with OK) and the
// Version page (the program's own version rows and the web site button).
#include "options/shell_pages.h"

#include <shellapi.h>

#include <string>

#include "base/globals.h"
#include "options/options_page.h"
#include "resources/resource.h"
#include "options/shell_page_templates.h"
#include "settings/shell_links.h"
#include "settings/version_rows.h"
#include "ui/message_dialogs.h"
#include "ui/status.h"

namespace {

constexpr UINT kExplorerHelp = 200, kVersionHelp = 800;

struct PlaceBoxes {
  ShellPlace place;
  int createBox, removeBox;
  DWORD ShellRequestRecord::*create;
  DWORD ShellRequestRecord::*remove;
};
const PlaceBoxes kPlaces[] = {
    {kStartMenuPlace, kCreateStartMenuBox, kRemoveStartMenuBox,
     &ShellRequestRecord::CreateStartMenu, &ShellRequestRecord::RemoveStartMenu},
    {kDesktopPlace, kCreateDesktopBox, kRemoveDesktopBox, &ShellRequestRecord::CreateDesktop,
     &ShellRequestRecord::RemoveDesktop},
    {kStartupPlace, kCreateStartupBox, kRemoveStartupBox, &ShellRequestRecord::CreateStartup,
     &ShellRequestRecord::RemoveStartup},
};

ShellRequestRecord& Requests(LPARAM data) {
  return *reinterpret_cast<ShellRequestRecord*>(data);
}

PlacementRecord* RequestsPlacement(LPARAM data) {
  return Requests(data).SheetPlacement;
}

// Puts the program title where the label says "%s"; a label already filled stays as it is.
void NameProgramIn(HWND page, int label, const char* title) {
  char text[kPathCapacity];
  GetDlgItemTextA(page, label, text, sizeof text);
  std::string filled = text;
  const size_t mark = filled.find("%s");
  if (mark == std::string::npos) return;
  filled.replace(mark, 2, title);
  if (filled.size() >= kPathCapacity) filled.resize(kPathCapacity - 1);
  SetDlgItemTextA(page, label, filled.c_str());
}

void SetBox(HWND page, int box, bool enabled, DWORD checked) {
  EnableWindow(GetDlgItem(page, box), enabled);
  CheckDlgButton(page, box, enabled && checked ? BST_CHECKED : 0);
}

void FillExplorer(HWND page, LPARAM data) {
  char title[kPathCapacity];
  GetString(title, IDS_APPNAME);
  for (int label : {kDesktopLabel, kStartMenuLabel, kStartupLabel})
    NameProgramIn(page, label, title);
  const ShellRequestRecord& requests = Requests(data);
  for (const PlaceBoxes& place : kPlaces) {
    const bool exists = ShortcutExists(place.place);
    SetBox(page, place.createBox, !exists, requests.*place.create);
    SetBox(page, place.removeBox, exists, requests.*place.remove);
  }
}

int StoreExplorer(HWND page, LPARAM data) {
  ShellRequestRecord& requests = Requests(data);
  for (const PlaceBoxes& place : kPlaces) {
    requests.*place.create = IsDlgButtonChecked(page, place.createBox) == BST_CHECKED;
    requests.*place.remove = IsDlgButtonChecked(page, place.removeBox) == BST_CHECKED;
  }
  return 1;
}

const OptionsPageBehaviour kExplorerPage = {
    IDM_SETUP, kExplorerHelp, RequestsPlacement, FillExplorer, StoreExplorer, nullptr, nullptr};

PlacementRecord* VersionPlacement(LPARAM data) {
  return reinterpret_cast<PlacementRecord*>(data);
}

// Unlike the other pages, a program without version information leaves the rows empty and the
// sheet where it stands; the page is still fitted so that nothing of it is cut off.
BOOL ActivateVersionPage(HWND page) {
  SetStatus(IDM_ABOUT);
  VersionRows rows;
  if (ReadVersionRows(ProgramPath, GetUserDefaultLangID(), rows)) {
    for (int i = 0; i < kVersionRowCount; ++i) SetDlgItemTextA(page, kFirstVersionRow + i, rows[i]);
    PositionOptionsSheet(page, *VersionPlacement(GetWindowLongPtrA(page, DWLP_USER)));
  } else {
    FitOptionsPage(page);
  }
  SetWindowLongPtrA(page, DWLP_MSGRESULT, 0);
  return TRUE;
}

BOOL VersionCommand(HWND page, LPARAM, WORD id, WORD) {
  if (id != kWebButton) return FALSE;
  ShellExecuteA(page, nullptr, kWebSiteAddress, nullptr, nullptr, SW_SHOW);
  return TRUE;
}

// Activation is the page's own (ActivateVersionPage); the runner does the rest.
const OptionsPageBehaviour kVersionPage = {IDM_ABOUT, kVersionHelp,   VersionPlacement, nullptr,
                                           nullptr,   VersionCommand, nullptr};

}  // namespace

INT_PTR CALLBACK ExplorerPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  return RunOptionsPage(kExplorerPage, page, message, wParam, lParam);
}

INT_PTR CALLBACK VersionPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NOTIFY && reinterpret_cast<const NMHDR*>(lParam)->code == PSN_SETACTIVE)
    return ActivateVersionPage(page);
  return RunOptionsPage(kVersionPage, page, message, wParam, lParam);
}
