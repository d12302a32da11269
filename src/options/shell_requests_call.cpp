// The Explorer page's requests, carried out when the options sheet closes with OK.
#include "options/options_sheet.h"

// The shortcuts themselves are not made yet: the requests are only cleared, so that none of
// them survives into a later opening of the sheet.
void CarryOutSheetShellRequests(HWND, ShellRequestRecord& requests) {
  PlacementRecord* placement = requests.SheetPlacement;
  requests = ShellRequestRecord{};
  requests.SheetPlacement = placement;
}
