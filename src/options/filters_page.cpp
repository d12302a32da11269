// The Filters page. The current row lives in the page window's property so that each opening
// of the sheet starts afresh at row 0.
#include "options/filters_page.h"

#include <string>

#include "options/filter_rows.h"
#include "options/options_page.h"
#include "resources/resource.h"
#include "ui/message_dialogs.h"
#include "ui/strings.h"

namespace {

constexpr UINT kFiltersHelpTopic = 500;
constexpr char kCurrentRow[] = "NorvelFilterRow";

AppOptionsRecord& Copy(LPARAM data) {
  return *reinterpret_cast<AppOptionsRecord*>(data);
}

int CurrentRow(HWND page) {
  return static_cast<int>(reinterpret_cast<INT_PTR>(GetPropA(page, kCurrentRow)));
}
void SetCurrentRow(HWND page, int row) {
  SetPropA(page, kCurrentRow, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(row)));
}

std::string ListRow(HWND list, int row) {
  const LRESULT length = SendMessageA(list, CB_GETLBTEXTLEN, row, 0);
  if (length == CB_ERR || length <= 0) return std::string();
  std::string text(static_cast<size_t>(length) + 1, '\0');
  SendMessageA(list, CB_GETLBTEXT, row, reinterpret_cast<LPARAM>(&text[0]));
  text.resize(std::char_traits<char>::length(text.c_str()));
  return text;
}

std::string EditText(HWND list) {
  char text[kPathCapacity] = "";
  GetWindowTextA(list, text, sizeof text);
  return text;
}

void SelectCurrentRow(HWND page) {
  const int row = CurrentRow(page);
  SendDlgItemMessageA(page, IDC_FILTER_DESCRIPTIONS, CB_SETCURSEL, row, 0);
  SendDlgItemMessageA(page, IDC_FILTER_EXTENSIONS, CB_SETCURSEL, row, 0);
}

void DisableAcceptButtons(HWND page) {
  EnableWindow(GetDlgItem(page, IDC_FILTER_ACCEPT_DESCRIPTION), FALSE);
  EnableWindow(GetDlgItem(page, IDC_FILTER_ACCEPT_EXTENSIONS), FALSE);
}

// Empty filters are left out; a filter without a second piece still gets an (empty) extension
// row, so that row i of one list always belongs to row i of the other.
void Fill(HWND page, LPARAM data) {
  HWND descriptions = GetDlgItem(page, IDC_FILTER_DESCRIPTIONS);
  HWND extensions = GetDlgItem(page, IDC_FILTER_EXTENSIONS);
  SetCurrentRow(page, 0);
  SendMessageA(descriptions, CB_RESETCONTENT, 0, 0);
  SendMessageA(extensions, CB_RESETCONTENT, 0, 0);
  for (const char* filter : Copy(data).Filters) {
    if (!filter[0]) continue;
    const FilterRow row = SplitFilter(filter);
    SendMessageA(descriptions, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.description.c_str()));
    SendMessageA(extensions, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.extensions.c_str()));
  }
  SelectCurrentRow(page);
  DisableAcceptButtons(page);
}

int Store(HWND page, LPARAM data) {
  HWND descriptions = GetDlgItem(page, IDC_FILTER_DESCRIPTIONS);
  HWND extensions = GetDlgItem(page, IDC_FILTER_EXTENSIONS);
  const LRESULT count = SendMessageA(descriptions, CB_GETCOUNT, 0, 0);
  for (int row = 0; row < count && row < kListSlots; ++row) {
    const std::string filter =
        JoinFilter(ListRow(descriptions, row), ListRow(extensions, row), kPathCapacity);
    lstrcpynA(Copy(data).Filters[row], filter.c_str(), kPathCapacity);
  }
  return 1;
}

// The accept buttons: the edit field's text, cleaned, replaces the current row of its list.
void Accept(HWND page, int listId, int buttonId) {
  HWND list = GetDlgItem(page, listId);
  const std::string typed = EditText(list);
  if (typed.empty()) {
    EnableWindow(GetDlgItem(page, buttonId), FALSE);
    BeepAndFail();
    return;
  }
  const std::string row =
      listId == IDC_FILTER_DESCRIPTIONS ? AcceptedDescription(typed) : AcceptedExtensions(typed);
  const int current = CurrentRow(page);
  SendMessageA(list, CB_DELETESTRING, current, 0);
  SendMessageA(list, CB_INSERTSTRING, current, reinterpret_cast<LPARAM>(row.c_str()));
  SelectCurrentRow(page);
  EnableWindow(GetDlgItem(page, buttonId), FALSE);
}

void Defaults(HWND page, LPARAM data) {
  for (int i = 0; i < kListSlots; ++i) {
    char text[kStringCapacity] = "";
    GetString(text, IDS_FILTER_FIRST + i);
    lstrcpynA(Copy(data).Filters[i], text, kPathCapacity);
  }
  Fill(page, data);
}

BOOL Command(HWND page, LPARAM data, WORD id, WORD code) {
  switch (id) {
    case IDC_FILTER_DESCRIPTIONS:
    case IDC_FILTER_EXTENSIONS:
      if (code == CBN_SELCHANGE) {
        const LRESULT row = SendDlgItemMessageA(page, id, CB_GETCURSEL, 0, 0);
        if (row != CB_ERR) SetCurrentRow(page, static_cast<int>(row));
        SelectCurrentRow(page);
        DisableAcceptButtons(page);
      } else if (code == CBN_EDITCHANGE) {
        const int button = id == IDC_FILTER_DESCRIPTIONS ? IDC_FILTER_ACCEPT_DESCRIPTION
                                                         : IDC_FILTER_ACCEPT_EXTENSIONS;
        EnableWindow(GetDlgItem(page, button), TRUE);
      }
      return TRUE;
    case IDC_FILTER_ACCEPT_DESCRIPTION:
      Accept(page, IDC_FILTER_DESCRIPTIONS, id);
      return TRUE;
    case IDC_FILTER_ACCEPT_EXTENSIONS:
      Accept(page, IDC_FILTER_EXTENSIONS, id);
      return TRUE;
    case IDC_FILTER_DEFAULTS:
      Defaults(page, data);
      return TRUE;
    default:
      return FALSE;
  }
}

void Init(HWND page, LPARAM) {
  SendDlgItemMessageA(page, IDC_FILTER_DESCRIPTIONS, CB_LIMITTEXT, kPathCapacity - 1, 0);
  SendDlgItemMessageA(page, IDC_FILTER_EXTENSIONS, CB_LIMITTEXT, kPathCapacity - 1, 0);
}

const OptionsPageBehaviour kFiltersPage = {
    IDM_FILTERS, kFiltersHelpTopic, CopyPlacement, Fill, Store, Command, Init,
};

}  // namespace

INT_PTR CALLBACK FiltersPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) RemovePropA(page, kCurrentRow);
  return RunOptionsPage(kFiltersPage, page, message, wParam, lParam);
}
