// The clipboard viewer command. Windows 10 and 11 (and Wine) no longer have CLIPBRD.EXE; users
// there get the "cannot load" message.
#include "editing/clipboard.h"

#include <shellapi.h>

#include "ui/message_dialogs.h"

int ShowClipboard(HWND frame) {
  constexpr const char* kViewer = "CLIPBRD.EXE";
  const INT_PTR result = reinterpret_cast<INT_PTR>(
      ShellExecuteA(frame, nullptr, kViewer, nullptr, nullptr, SW_SHOWNORMAL));
  if (result > 32) return 1;
  if (result == SE_ERR_FNF) {
    return ShowErrorText(
        "Cannot load the MS Windows Clipboard\r\rThe file %s must be in the Windows directory.",
        kViewer);
  }
  return ShowErrorText("\r\rCannot load the MS Windows Clipboard\r(error:%d)",
                       static_cast<int>(result));
}
