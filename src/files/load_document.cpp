// Reading a text file into a document: one read, one conversion pass, one stream into the
// control.
#include "files/load_document.h"

#include "base/file_checks.h"
#include "document/doc_window.h"
#include "document/edit_control.h"
#include "document/text_limits.h"
#include "files/read_text_file.h"
#include "resources/resource.h"
#include "settings/recent_files.h"
#include "ui/message_dialogs.h"
#include "ui/status.h"
#include "ui/wait_cursor.h"
#include "ui/window_text.h"

namespace {

// Larger texts take the control a second or more to take in: the status line counts it out.
constexpr long kProgressFrom = 1048576;  // bytes of the file

void ShowReadingProgress(void* path, int percent) {
  SetStatus(IDS_READING_PROGRESS, static_cast<const char*>(path), percent);
}

}  // namespace

int LoadDocumentFile(HWND document, const char* path, int viewing, AppOptionsRecord& options) {
  if (!FileExists(path)) return ShowMessage(document, IDS_APPNAME, 60021, path);
  const long size = FileSizeOf(path);
  if (!FileFitsEditor(size)) {
    return ShowMessage(document, IDS_APPNAME, 60022, path, SizeForMessage(size));
  }

  bool forViewing = viewing != 0;
  if (!forViewing && !IsFileWritable(path)) {
    if (!options.ReadOnly && !AskYesNo(document, 1, IDS_APPNAME, 60024, path)) return 0;
    forViewing = true;
  }

  TextFileContents file;
  if (!ReadTextFile(document, path, !forViewing, file)) return 0;
  WaitCursor wait;

  HWND edit = DocEditControl(document);
  if (GetDocWord(document, kSavedWord) || GetWindowTextLengthA(edit) > 0) {
    // A reload: a new control takes the text (replacing a large text in place is slow), and
    // when it cannot be made the document keeps its text and state.
    edit = ReplaceEditControl(document, GetDocWord(document, kWrapWord), file.text.data(),
                              file.length, options.LtGray);
    if (!edit) return 0;
  } else {
    SetEditText(edit, file.text.data(), file.length,
                size > kProgressFrom ? ShowReadingProgress : nullptr,
                const_cast<char*>(path));
  }
  file.text.Reset();
  ShowWindow(edit, SW_SHOW);
  SendMessageA(edit, EM_SETREADONLY, forViewing ? TRUE : FALSE, 0);
  SetEditSelection(edit, 0, 0);
  UpdateLineIndicator(edit);

  SetWindowTextById(document, IDS_TITLE_FORMAT, path);
  SetStatus(forViewing ? 60069 : 60068, path);
  SetDocWord(document, kLineFormatWord, file.format);
  SetDocWord(document, kModifiedWord, 0);
  SetDocWord(document, kViewingWord, forViewing ? 1 : 0);
  SetDocWord(document, kSavedWord, 1);
  SetFocus(edit);
  if (!options.SysEditRequested) AddRecentFile(path, options);
  return 1;
}
