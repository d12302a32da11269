// The Time Stamp page. Its boxes and radio buttons are plain ones: a click changes the sheet's
// copy of the options and the page then shows the copy again, so what is shown never drifts
// from what OK would store.
#include "options/time_stamp_page.h"

#include <shellapi.h>

#include <cstdio>
#include <string>

#include "editing/timestamp.h"
#include "options/options_page.h"
#include "resources/resource.h"

namespace {

// The seam's own calling convention, so that a test's function fits it on every target.
HINSTANCE SystemShellOpen(HWND owner, const char* verb, const char* file, const char* parameters,
                          const char* folder, int show) {
  return ShellExecuteA(owner, verb, file, parameters, folder, show);
}

ShellOpenFunction shellOpen = SystemShellOpen;

void Show(HWND page, int id, DWORD on) {
  CheckDlgButton(page, id, on ? BST_CHECKED : BST_UNCHECKED);
}

void Enable(HWND page, int id, bool enabled) {
  EnableWindow(GetDlgItem(page, id), enabled);
}

// The system folder without a trailing backslash.
std::string SystemFolder() {
  char folder[MAX_PATH + 1] = "";
  const UINT length = GetSystemDirectoryA(folder, sizeof folder);
  std::string text(folder, length < sizeof folder ? length : 0);
  while (!text.empty() && text.back() == '\\') text.pop_back();
  return text;
}

}  // namespace

void BuildStampPreview(const AppOptionsRecord& options, const char* date, const char* time,
                       char* preview, size_t capacity) {
  if (options.ShowDate && !options.ShowTime) {
    std::snprintf(preview, capacity, "%s", date);
  } else if (options.ShowTime && !options.ShowDate) {
    std::snprintf(preview, capacity, "%s", time);
  } else {
    const bool dateFirst = options.DateFirst != 0;
    std::snprintf(preview, capacity, "%s  %s", dateFirst ? date : time, dateFirst ? time : date);
  }
}

void RefreshTimeStampPage(HWND page, const AppOptionsRecord& options) {
  char date[kStampCapacity];
  char time[kStampCapacity];
  FormatDateText(nullptr, options.LongDate, date);
  FormatTimeText(nullptr, time);
  char preview[2 * kStampCapacity + 2];
  BuildStampPreview(options, date, time, preview, sizeof preview);
  SetDlgItemTextA(page, IDC_STAMP_PREVIEW, preview);
  Enable(page, IDC_STAMP_PREVIEW, options.ShowDate || options.ShowTime);

  Show(page, IDC_STAMP_SHOWDATE, options.ShowDate);
  Show(page, IDC_STAMP_LONGDATE, options.LongDate);
  Show(page, IDC_STAMP_SHORTDATE, !options.LongDate);
  Enable(page, IDC_STAMP_LONGDATE, options.ShowDate != 0);
  Enable(page, IDC_STAMP_SHORTDATE, options.ShowDate != 0);

  Show(page, IDC_STAMP_SHOWTIME, options.ShowTime);
  Show(page, IDC_STAMP_DATEFIRST, options.DateFirst);
  Show(page, IDC_STAMP_TIMEFIRST, !options.DateFirst);
  const bool both = options.ShowDate && options.ShowTime;
  Enable(page, IDC_STAMP_DATEFIRST, both);
  Enable(page, IDC_STAMP_TIMEFIRST, both);
}

void OpenRegionalSettings(HWND page) {
  // The applet lives in the system folder on every Windows this program runs on, so there is no
  // need to tell the older family (which kept Control.exe in the Windows folder) apart.
  const std::string folder = SystemFolder();
  const std::string program = folder + "\\Control.exe";
  const std::string applet = folder + "\\Intl.cpl";
  // What the shell answers is not reported: the control panel shows its own failures.
  shellOpen(page, "Open", program.c_str(), applet.c_str(), nullptr, SW_SHOWNORMAL);
}

void SetShellOpenFunction(ShellOpenFunction open) {
  shellOpen = open ? open : SystemShellOpen;
}

namespace {

AppOptionsRecord& OptionsOf(LPARAM data) {
  return *reinterpret_cast<AppOptionsRecord*>(data);
}

void Fill(HWND page, LPARAM data) {
  RefreshTimeStampPage(page, OptionsOf(data));
}

BOOL OnCommand(HWND page, LPARAM data, WORD id, WORD code) {
  if (code != BN_CLICKED) return FALSE;
  AppOptionsRecord& options = OptionsOf(data);
  switch (id) {
    case IDC_STAMP_SHOWDATE:
      options.ShowDate = !options.ShowDate;
      break;
    case IDC_STAMP_LONGDATE:
    case IDC_STAMP_SHORTDATE:
      options.LongDate = id == IDC_STAMP_LONGDATE;
      break;
    case IDC_STAMP_SHOWTIME:
      options.ShowTime = !options.ShowTime;
      break;
    case IDC_STAMP_DATEFIRST:
    case IDC_STAMP_TIMEFIRST:
      options.DateFirst = id == IDC_STAMP_DATEFIRST;
      break;
    case IDC_STAMP_REGIONAL:
      OpenRegionalSettings(page);
      return TRUE;
    default:
      return FALSE;
  }
  RefreshTimeStampPage(page, options);
  return TRUE;
}

constexpr UINT kTimeStampHelp = 105;
// Nothing to check or store: the clicks changed the copy already.
const OptionsPageBehaviour kTimeStampPage = {
    IDS_TIMESTAMP_PAGE, kTimeStampHelp, CopyPlacement, Fill, nullptr, OnCommand, nullptr};

}  // namespace

INT_PTR CALLBACK TimeStampPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  return RunOptionsPage(kTimeStampPage, page, message, wParam, lParam);
}
