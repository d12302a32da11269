// The Tools page: one tool at a time, chosen in the list; an active tool needs a name and a
// program before the page lets go.
#include "options/tools_page.h"

#include <shellapi.h>

#include "base/globals.h"
#include "files/file_prompts.h"
#include "options/folder_browser.h"
#include "options/list_page.h"
#include "options/options_page.h"
#include "resources/resource.h"
#include "ui/message_dialogs.h"

namespace {

constexpr UINT kToolsHelp = 300;
constexpr const char* kExtractedIcon = "NorvelToolIcon";  // an icon the page must destroy

struct ToolBox {
  int id;
  DWORD ToolRecord::*flag;
};
const ToolBox kBoxes[] = {{IDC_TOOL_ACTIVE, &ToolRecord::Active},
                          {IDC_TOOL_LAUNCH, &ToolRecord::Launch},
                          {IDC_TOOL_HIDE, &ToolRecord::Hide},
                          {IDC_TOOL_SAVE, &ToolRecord::Save}};

AppOptionsRecord& Copy(LPARAM data) {
  return *reinterpret_cast<AppOptionsRecord*>(data);
}
ToolRecord& Current(HWND page, LPARAM data) {
  return Copy(data).Tools[CurrentRecord(page)];
}

// Icon 100: the program's first icon, or the tool icon when it has none. An extracted icon is
// the page's to destroy, once the static no longer shows it.
void ShowProgramIcon(HWND page, const char* program) {
  HICON extracted = *program ? ExtractIconA(AppInstance, program, 0) : nullptr;
  if (reinterpret_cast<UINT_PTR>(extracted) <= 1) extracted = nullptr;
  HICON shown = extracted ? extracted : LoadIconA(AppInstance, MAKEINTRESOURCEA(IDI_TOOL));
  SendDlgItemMessageA(page, IDC_TOOL_ICON, STM_SETICON, reinterpret_cast<WPARAM>(shown), 0);
  HICON previous = static_cast<HICON>(RemovePropA(page, kExtractedIcon));
  if (extracted) SetPropA(page, kExtractedIcon, extracted);
  if (previous) DestroyIcon(previous);
}

void ReleaseProgramIcon(HWND page) {
  if (HICON icon = static_cast<HICON>(RemovePropA(page, kExtractedIcon))) DestroyIcon(icon);
}

void Fill(HWND page, LPARAM data) {
  const AppOptionsRecord& copy = Copy(data);
  const char* names[kListSlots];
  for (int i = 0; i < kListSlots; ++i) names[i] = copy.Tools[i].Name;
  FillRecordList(page, IDC_TOOL_LIST, names);
  const ToolRecord& tool = Current(page, data);
  ShowProgramIcon(page, tool.Program);
  SetDlgItemTextA(page, IDC_TOOL_NAME, tool.Name);
  SetDlgItemTextA(page, IDC_TOOL_PROGRAM, tool.Program);
  SetDlgItemTextA(page, IDC_TOOL_COMMAND, tool.Command);
  SetDlgItemTextA(page, IDC_TOOL_FOLDER, tool.Folder);
  for (const ToolBox& box : kBoxes) CheckDlgButton(page, box.id, tool.*box.flag ? BST_CHECKED : 0);
}

int Store(HWND page, LPARAM data) {
  ToolRecord& tool = Current(page, data);
  for (const ToolBox& box : kBoxes)
    tool.*box.flag = IsDlgButtonChecked(page, box.id) == BST_CHECKED;
  char name[kNameCapacity];
  ReadField(page, IDC_TOOL_NAME, name);
  if (tool.Active && !*name) {
    SetDlgItemTextA(page, IDC_TOOL_NAME, tool.Name);
    return ShowMessage(page, IDS_APPNAME, IDS_TOOL_NEEDS_NAME);
  }
  lstrcpynA(tool.Name, name, kNameCapacity);
  char program[kPathCapacity];
  ReadField(page, IDC_TOOL_PROGRAM, program);
  if (tool.Active && !*program) {
    SetDlgItemTextA(page, IDC_TOOL_PROGRAM, tool.Program);
    return ShowMessage(page, IDS_APPNAME, IDS_TOOL_NEEDS_PROGRAM);
  }
  lstrcpynA(tool.Program, program, kPathCapacity);
  ReadField(page, IDC_TOOL_COMMAND, tool.Command);
  ReadField(page, IDC_TOOL_FOLDER, tool.Folder);
  StoreSheetPosition(page, Copy(data).Options);
  return 1;
}

void Delete(HWND page, LPARAM data) {
  ToolRecord& tool = Current(page, data);
  if (!AskYesNo(page, 1, IDS_APPNAME, IDS_ASK_DELETE_TOOL, tool.Name)) return;
  tool = ToolRecord{};
  Fill(page, data);
}

void BrowseProgram(HWND page, LPARAM data) {
  ToolRecord& tool = Current(page, data);
  ReadField(page, IDC_TOOL_PROGRAM, tool.Program);
  char chosen[kPathCapacity] = "";
  if (!PromptOpenFile(page, IDS_TOOL_BROWSE_TITLE, IDS_TOOL_BROWSE_TYPES, tool.Program, chosen,
                      nullptr))
    return;
  lstrcpynA(tool.Program, chosen, kPathCapacity);
  SetDlgItemTextA(page, IDC_TOOL_PROGRAM, tool.Program);
  ShowProgramIcon(page, tool.Program);
}

void BrowseFolder(HWND page, LPARAM data) {
  ToolRecord& tool = Current(page, data);
  ReadField(page, IDC_TOOL_FOLDER, tool.Folder);
  if (BrowseForFolder(page, tool.Folder)) SetDlgItemTextA(page, IDC_TOOL_FOLDER, tool.Folder);
}

BOOL Command(HWND page, LPARAM data, WORD id, WORD code) {
  switch (id) {
    case IDC_TOOL_LIST:
      if (code == CBN_SELCHANGE) SwitchRecord(page, IDC_TOOL_LIST, data, Store, Fill);
      return TRUE;
    case IDC_PAGE_DELETE:
      Delete(page, data);
      return TRUE;
    case IDC_TOOL_BROWSE_PROGRAM:
      BrowseProgram(page, data);
      return TRUE;
    case IDC_TOOL_BROWSE_FOLDER:
      BrowseFolder(page, data);
      return TRUE;
    default:
      return FALSE;
  }
}

void Init(HWND page, LPARAM) {
  SetCurrentRecord(page, 0);
  SendDlgItemMessageA(page, IDC_TOOL_NAME, EM_LIMITTEXT, kNameCapacity - 1, 0);
  for (int id : {IDC_TOOL_PROGRAM, IDC_TOOL_COMMAND, IDC_TOOL_FOLDER}) {
    SendDlgItemMessageA(page, id, EM_LIMITTEXT, kPathCapacity - 1, 0);
  }
}

const OptionsPageBehaviour kToolsPage = {
    IDM_CUSTOMIZETOOLS, kToolsHelp, CopyPlacement, Fill, Store, Command, Init};

}  // namespace

INT_PTR CALLBACK ToolsPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) ReleaseProgramIcon(page);
  return RunOptionsPage(kToolsPage, page, message, wParam, lParam);
}
