// Insert File (command 152): another text file read whole, converted from its own line-end
// convention to the editor's CR LF, and put in place of the selection as one undoable edit.
#include "files/insert_file.h"

#include "base/file_checks.h"
#include "document/doc_window.h"
#include "document/edit_control.h"
#include "document/text_limits.h"
#include "files/file_prompts.h"
#include "files/read_text_file.h"
#include "resources/resource.h"
#include "ui/message_dialogs.h"
#include "ui/status.h"
#include "ui/wait_cursor.h"

int InsertTextFile(HWND document, AppOptionsRecord& options) {
  HWND edit = DocEditControl(document);
  if (!edit) return BeepAndFail();
  char documentPath[kPathCapacity];
  GetDocumentName(document, documentPath);
  char path[kPathCapacity];
  if (!PromptInsertFile(document, options, documentPath, path)) return 0;

  // Refused before anything is allocated; a size that cannot be read is left to the open.
  const long size = FileSizeOf(path);
  if (!FileFitsEditor(size)) {
    return ShowMessage(document, IDS_APPNAME, 60022, path, SizeForMessage(size));
  }
  TextFileContents file;
  if (!ReadTextFile(document, path, false, file)) return 0;

  // The whole text must stay within the control's limit, or the control would cut it.
  LONG start = 0;
  LONG end = 0;
  GetEditSelection(edit, &start, &end);
  const long long limit = SendMessageA(edit, EM_GETLIMITTEXT, 0, 0);
  if (!InsertionFits(GetWindowTextLengthA(edit), end - start, file.length,
                     limit > kEditTextLimit ? limit : kEditTextLimit)) {
    return ShowMessage(document, IDS_APPNAME, 60022, path, SizeForMessage(size));
  }

  WaitCursor wait;
  ShowWindow(edit, SW_SHOW);
  ReplaceEditSelection(edit, file.text.data());
  file.text.Reset();
  SetEditSelection(edit, start, start + static_cast<LONG>(file.length));
  UpdateLineIndicator(edit);
  SetStatus(IDS_FILE_INSERTED, path);
  // The inserted file's own convention was used for its text; the document keeps its own.
  SetDocWord(document, kModifiedWord, 1);
  SetDocumentTitle(document, nullptr, 1);  // also when the edit changed nothing
  SetFocus(edit);
  return 1;
}
