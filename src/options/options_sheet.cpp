// The options property sheet: builds the pages from the page table over a copy of the options,
// runs the sheet modally and, on OK, puts the copy in force.
#include "options/options_sheet.h"

#include <commctrl.h>
#include <prsht.h>

#include <memory>

#include "base/globals.h"
#include "options/page_table.h"
#include "resources/resource.h"
#include "ui/global_block.h"
#include "ui/message_dialogs.h"
#include "ui/status.h"
#include "ui/strings.h"

namespace {

// The sheet's copy points its two placement references at its own Options placement, so that
// the pages which get only a part of the copy still position the sheet by it.
void PrepareCopy(AppOptionsRecord& copy, const AppOptionsRecord& options) {
  copy = options;
  copy.ShellRequests.SheetPlacement = &copy.Options;
  copy.PageSetup.SheetPlacement = &copy.Options;
}

// After OK: the copy becomes the options; returns whether LtGray changed.
int PutCopyInForce(HWND owner, AppOptionsRecord& options, const AppOptionsRecord& copy,
                   TrayChangeFunction trayChanged) {
  const bool ltGrayChanged = copy.LtGray != options.LtGray;
  const bool taskTrayChanged = copy.TaskTray != options.TaskTray;
  options = copy;
  // The references pointed into the copy, which is about to go.
  options.ShellRequests.SheetPlacement = &options.Options;
  options.PageSetup.SheetPlacement = &options.Options;
  if (taskTrayChanged && trayChanged) trayChanged(options.TaskTray);
  BeepFlag = options.Sounds;
  CarryOutSheetShellRequests(owner, options.ShellRequests);
  SaveOptions(options, OptionRecords);
  return ltGrayChanged ? 1 : 0;
}

}  // namespace

int OpenOptionsSheet(HWND owner, AppOptionsRecord& options, int startPage,
                     TrayChangeFunction trayChanged) {
  SetStatus(IDM_OPTIONS);
  auto copy = std::make_unique<AppOptionsRecord>();
  PrepareCopy(*copy, options);
  CloseSplash();
  if (startPage < 0 || startPage >= kOptionsPageCount) startPage = kEditorPage;

  // In-memory templates live until the sheet has closed; a page whose template could not be
  // made (its builder has said so) is left out.
  GlobalBlock templates[kOptionsPageCount];
  PROPSHEETPAGEA pages[kOptionsPageCount] = {};
  UINT pageCount = 0;
  UINT startIndex = 0;
  const OptionsPageEntry* table = OptionsPages();
  for (int i = 0; i < kOptionsPageCount; ++i) {
    const OptionsPageEntry& entry = table[i];
    PROPSHEETPAGEA& page = pages[pageCount];
    page.dwSize = sizeof page;
    page.dwFlags = PSP_USETITLE | PSP_HASHELP;
    page.hInstance = AppInstance;
    page.pszTitle = MAKEINTRESOURCEA(entry.titleId);
    page.pfnDlgProc = entry.proc;
    page.lParam = OptionsPageData(entry.data, *copy);
    if (entry.buildTemplate) {
      templates[i] = entry.buildTemplate();
      if (!templates[i]) continue;
      page.dwFlags |= PSP_DLGINDIRECT;
      page.pResource = reinterpret_cast<LPCDLGTEMPLATEA>(templates[i].data());
    } else {
      page.pszTemplate = MAKEINTRESOURCEA(entry.templateId);
    }
    if (i == startPage) startIndex = pageCount;
    ++pageCount;
  }

  char caption[kStringCapacity] = "";
  GetString(caption, IDS_OPTIONS_CAPTION);
  PROPSHEETHEADERA header = {};
  header.dwSize = sizeof header;
  header.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW | PSH_HASHELP;
  header.hwndParent = owner;
  header.hInstance = AppInstance;
  header.pszCaption = caption;
  header.nPages = pageCount;
  header.nStartPage = startIndex;
  header.ppsp = pages;
  const INT_PTR result = pageCount ? PropertySheetA(&header) : 0;
  if (owner) {
    InvalidateRect(owner, nullptr, TRUE);
    UpdateWindow(owner);
  }
  if (result <= 0) return 0;
  return PutCopyInForce(owner, options, *copy, trayChanged);
}
