// The Macros page: one macro at a time, chosen in the list; an active macro needs a name and a
// text before the page lets go.
#include "options/macros_page.h"

#include "options/list_page.h"
#include "options/options_page.h"
#include "resources/resource.h"
#include "ui/message_dialogs.h"

namespace {

constexpr UINT kMacrosHelp = 1000;

AppOptionsRecord& Copy(LPARAM data) {
  return *reinterpret_cast<AppOptionsRecord*>(data);
}
MacroRecord& Current(HWND page, LPARAM data) {
  return Copy(data).Macros[CurrentRecord(page)];
}

void Fill(HWND page, LPARAM data) {
  const AppOptionsRecord& copy = Copy(data);
  const char* names[kListSlots];
  for (int i = 0; i < kListSlots; ++i) names[i] = copy.Macros[i].Name;
  FillRecordList(page, IDC_MACRO_LIST, names);
  const MacroRecord& macro = Current(page, data);
  SetDlgItemTextA(page, IDC_MACRO_NAME, macro.Name);
  SetDlgItemTextA(page, IDC_MACRO_TEXT, macro.Text);
  CheckDlgButton(page, IDC_MACRO_ACTIVE, macro.Active ? BST_CHECKED : 0);
}

int Store(HWND page, LPARAM data) {
  MacroRecord& macro = Current(page, data);
  macro.Active = IsDlgButtonChecked(page, IDC_MACRO_ACTIVE) == BST_CHECKED;
  char name[kNameCapacity];
  ReadField(page, IDC_MACRO_NAME, name);
  if (macro.Active && !*name) {
    ShowMessage(page, IDS_APPNAME, IDS_MACRO_NEEDS_NAME);
    RestoreField(page, IDC_MACRO_NAME, macro.Name);
    return 0;
  }
  lstrcpynA(macro.Name, name, kNameCapacity);
  char text[kMacroTextCapacity];
  ReadField(page, IDC_MACRO_TEXT, text);
  if (macro.Active && !*text) {
    ShowMessage(page, IDS_APPNAME, IDS_MACRO_NEEDS_TEXT);
    RestoreField(page, IDC_MACRO_TEXT, macro.Text);
    return 0;
  }
  lstrcpynA(macro.Text, text, kMacroTextCapacity);
  StoreSheetPosition(page, Copy(data).Options);
  return 1;
}

BOOL Command(HWND page, LPARAM data, WORD id, WORD code) {
  if (id == IDC_MACRO_LIST) {
    if (code == CBN_SELCHANGE) SwitchRecord(page, IDC_MACRO_LIST, data, Store, Fill);
    return TRUE;
  }
  if (id != IDC_PAGE_DELETE) return FALSE;
  MacroRecord& macro = Current(page, data);
  if (AskYesNo(page, 1, IDS_APPNAME, IDS_ASK_DELETE_MACRO, macro.Name)) {
    macro = MacroRecord{};
    Fill(page, data);
  }
  return TRUE;
}

void Init(HWND page, LPARAM) {
  SetCurrentRecord(page, 0);
  SendDlgItemMessageA(page, IDC_MACRO_NAME, EM_LIMITTEXT, kNameCapacity - 1, 0);
  SendDlgItemMessageA(page, IDC_MACRO_TEXT, EM_LIMITTEXT, kMacroTextCapacity - 1, 0);
}

const OptionsPageBehaviour kMacrosPage = {
    IDM_CUSTOMIZEMACROS, kMacrosHelp, CopyPlacement, Fill, Store, Command, Init};

}  // namespace

INT_PTR CALLBACK MacrosPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  return RunOptionsPage(kMacrosPage, page, message, wParam, lParam);
}
