// The Editor page: each box shows one flag of the copy and is read back when the page is left.
#include "options/editor_page.h"

#include "options/options_page.h"
#include "resources/resource.h"

namespace {

constexpr UINT kEditorHelpTopic = 100;

struct BoundBox {
  int control;
  DWORD AppOptionsRecord::*flag;
};

const BoundBox kBoxes[] = {
    {IDC_EDITOR_TIPS, &AppOptionsRecord::Tips},
    {IDC_EDITOR_TASKTRAY, &AppOptionsRecord::TaskTray},
    {IDC_EDITOR_LTGRAY, &AppOptionsRecord::LtGray},
    {IDC_EDITOR_WORDWRAP, &AppOptionsRecord::WordWrap},
    {IDC_EDITOR_MAXIMIZED, &AppOptionsRecord::Maximized},
    {IDC_EDITOR_NEWDOC, &AppOptionsRecord::NewDoc},
    {IDC_EDITOR_LOADLAST, &AppOptionsRecord::LoadLast},
    {IDC_EDITOR_READONLY, &AppOptionsRecord::ReadOnly},
    {IDC_EDITOR_BACKUP, &AppOptionsRecord::Backup},
    {IDC_EDITOR_AUTOSAVE, &AppOptionsRecord::AutoSave},
    {IDC_EDITOR_SOUNDS, &AppOptionsRecord::Sounds},
};

AppOptionsRecord& Copy(LPARAM data) {
  return *reinterpret_cast<AppOptionsRecord*>(data);
}

void Fill(HWND page, LPARAM data) {
  for (const BoundBox& box : kBoxes)
    CheckDlgButton(page, box.control, Copy(data).*box.flag ? BST_CHECKED : BST_UNCHECKED);
}

int Store(HWND page, LPARAM data) {
  for (const BoundBox& box : kBoxes)
    Copy(data).*box.flag = IsDlgButtonChecked(page, box.control) == BST_CHECKED ? 1 : 0;
  return 1;
}

const OptionsPageBehaviour kEditorPage = {
    IDM_OPTIONS, kEditorHelpTopic, CopyPlacement, Fill, Store, nullptr, nullptr,
};

}  // namespace

INT_PTR CALLBACK EditorPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  return RunOptionsPage(kEditorPage, page, message, wParam, lParam);
}
