// The Printing page: fills the fields from the page setup, checks and stores them when the page
// is left or the sheet closes with OK.
#include "options/printing_page.h"

#include <commctrl.h>

#include "options/inches.h"
#include "options/options_page.h"
#include "options/page_setup_template.h"
#include "resources/resource.h"
#include "ui/message_dialogs.h"

namespace {

constexpr int kTextLimit = kPathCapacity - 1;  // the record's header and footer buffers
constexpr const char* kErrorTitle = "Page Setup Error";

void ShowMargin(HWND page, int controlId, long thousandths) {
  char text[kInchesTextCapacity];
  FormatInches(thousandths, text);
  SetDlgItemTextA(page, controlId, text);
}

void ShowLine(HWND page, int textId, const char* text, int printId, DWORD print, int centerId,
              DWORD center) {
  SendDlgItemMessageA(page, textId, EM_LIMITTEXT, kTextLimit, 0);
  SetDlgItemTextA(page, textId, text);
  CheckDlgButton(page, printId, print ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(page, centerId, center ? BST_CHECKED : BST_UNCHECKED);
}

// Reads the box's flags into the record at once; then its text, unless it is ticked but empty:
// the stored text goes back into the field, selected and focused, and the user is told why.
int StoreLine(HWND page, int textId, char (&text)[kPathCapacity], int printId, DWORD& print,
              int centerId, DWORD& center, const char* complaint) {
  print = IsDlgButtonChecked(page, printId) == BST_CHECKED;
  center = IsDlgButtonChecked(page, centerId) == BST_CHECKED;
  char typed[kPathCapacity] = "";
  GetDlgItemTextA(page, textId, typed, sizeof typed);
  if (print && typed[0] == '\0') {
    ShowMessageText(page, kErrorTitle, "%s", complaint);
    SetDlgItemTextA(page, textId, text);
    SendDlgItemMessageA(page, textId, EM_SETSEL, 0, -1);
    SetFocus(GetDlgItem(page, textId));
    return 0;
  }
  lstrcpynA(text, typed, sizeof text);
  return 1;
}

}  // namespace

long ParseInches(HWND page, int controlId) {
  char text[kPathCapacity] = "";
  GetDlgItemTextA(page, controlId, text, sizeof text);
  return ParseInchesText(text);
}

int FillPageSetup(HWND page, const PageSetupRecord& record) {
  ShowLine(page, kHeaderTextId, record.Header, kPrintHeaderId, record.ShowHeader, kCenterHeaderId,
           record.CenterHeader);
  ShowLine(page, kFooterTextId, record.Footer, kPrintFooterId, record.ShowFooter, kCenterFooterId,
           record.CenterFooter);
  ShowMargin(page, kTopMarginId, record.TopMargin);
  ShowMargin(page, kLeftMarginId, record.LeftMargin);
  ShowMargin(page, kBottomMarginId, record.BottomMargin);
  ShowMargin(page, kRightMarginId, record.RightMargin);
  return 1;
}

int StorePageSetup(HWND page, PageSetupRecord& record) {
  if (!StoreLine(page, kHeaderTextId, record.Header, kPrintHeaderId, record.ShowHeader,
                 kCenterHeaderId, record.CenterHeader,
                 "\r\rPlease specify the header text to be printed\r"
                 "or uncheck the Print Header checkbox") ||
      !StoreLine(page, kFooterTextId, record.Footer, kPrintFooterId, record.ShowFooter,
                 kCenterFooterId, record.CenterFooter,
                 "\r\rPlease specify the footer text to be printed\r"
                 "or uncheck the Print Footer checkbox")) {
    return 0;
  }
  record.TopMargin = ParseInches(page, kTopMarginId);
  record.LeftMargin = ParseInches(page, kLeftMarginId);
  record.RightMargin = ParseInches(page, kRightMarginId);
  record.BottomMargin = ParseInches(page, kBottomMarginId);
  return 1;
}

namespace {

PageSetupRecord& RecordOf(LPARAM data) {
  return *reinterpret_cast<PageSetupRecord*>(data);
}

PlacementRecord* SheetPlacementOf(LPARAM data) {
  return RecordOf(data).SheetPlacement;
}

void Fill(HWND page, LPARAM data) {
  FillPageSetup(page, RecordOf(data));
}

int Store(HWND page, LPARAM data) {
  return StorePageSetup(page, RecordOf(data));
}

constexpr UINT kPageSetupHelp = 900;
const OptionsPageBehaviour kPrintingPage = {IDM_PAGESETUP, kPageSetupHelp, SheetPlacementOf, Fill,
                                            Store,         nullptr,        nullptr};

}  // namespace

INT_PTR CALLBACK PrintingPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  return RunOptionsPage(kPrintingPage, page, message, wParam, lParam);
}
