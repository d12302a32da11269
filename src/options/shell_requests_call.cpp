// The Explorer page's requests, carried out when the options sheet closes with OK.
#include "options/options_sheet.h"

#include "settings/shell_links.h"

void CarryOutSheetShellRequests(HWND owner, ShellRequestRecord& requests) {
  CarryOutShellRequests(owner, requests);
}
