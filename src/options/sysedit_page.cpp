// The SysEdit page: nine edits bound to Load1-Load9 of the copy; browsing uses the shared
// file-open prompt, starting in the folder of the file named so far.
#include "options/sysedit_page.h"

#include "files/file_prompts.h"
#include "options/options_page.h"
#include "resources/resource.h"

namespace {

constexpr UINT kSysEditHelpTopic = 120;

AppOptionsRecord& Copy(LPARAM data) {
  return *reinterpret_cast<AppOptionsRecord*>(data);
}

void Init(HWND page, LPARAM) {
  for (int n = 0; n < kListSlots; ++n)
    SendDlgItemMessageA(page, IDC_SYSEDIT_FIRST + n, EM_LIMITTEXT, kPathCapacity - 1, 0);
}

void Fill(HWND page, LPARAM data) {
  for (int n = 0; n < kListSlots; ++n)
    SetDlgItemTextA(page, IDC_SYSEDIT_FIRST + n, Copy(data).SysEditFiles[n]);
}

int Store(HWND page, LPARAM data) {
  for (int n = 0; n < kListSlots; ++n)
    GetDlgItemTextA(page, IDC_SYSEDIT_FIRST + n, Copy(data).SysEditFiles[n], kPathCapacity);
  return 1;
}

void Browse(HWND page, LPARAM data, int n) {
  char* file = Copy(data).SysEditFiles[n];
  GetDlgItemTextA(page, IDC_SYSEDIT_FIRST + n, file, kPathCapacity);
  char chosen[kPathCapacity];
  if (!PromptOpenFile(page, IDS_SYSEDIT_BROWSE_TITLE, IDS_SYSEDIT_BROWSE_TYPES, file, chosen,
                      nullptr))
    return;
  lstrcpynA(file, chosen, kPathCapacity);
  SetDlgItemTextA(page, IDC_SYSEDIT_FIRST + n, file);
}

BOOL Command(HWND page, LPARAM data, WORD id, WORD code) {
  const int n = id - IDC_SYSEDIT_BROWSE_FIRST;
  if (n < 0 || n >= kListSlots || code != BN_CLICKED) return FALSE;
  Browse(page, data, n);
  return TRUE;
}

const OptionsPageBehaviour kSysEditPage = {
    IDM_SYSEDITFILES, kSysEditHelpTopic, CopyPlacement, Fill, Store, Command, Init,
};

}  // namespace

INT_PTR CALLBACK SysEditPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  return RunOptionsPage(kSysEditPage, page, message, wParam, lParam);
}
