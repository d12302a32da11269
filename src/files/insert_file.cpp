// Insert File (command 152): another text file read whole, converted from its own line-end
// convention to the editor's CR LF, and put in place of the selection as one undoable edit.
#include "files/insert_file.h"

#include "document/doc_window.h"
#include "document/edit_control.h"
#include "files/file_checks.h"
#include "files/file_io.h"
#include "files/file_prompts.h"
#include "files/load_document.h"
#include "resources/resource.h"
#include "ui/global_block.h"
#include "ui/message_dialogs.h"
#include "ui/status.h"
#include "ui/strings.h"
#include "ui/wait_cursor.h"

namespace {

// Opens for reading, reads up to `bytes` and closes. 0, or the message of the failed step with
// the system's code in *error.
UINT ReadInsertedFile(const char* path, char* buffer, DWORD bytes, DWORD* error) {
  FileHandle file;
  if (!OpenExistingFile(path, false, file)) {
    *error = GetLastError();
    return 60027;
  }
  DWORD read = 0;
  if (!ReadFileBytes(file, buffer, bytes, &read)) {
    *error = GetLastError();
    return 60033;  // `file` closes as it goes
  }
  if (!CloseFile(file)) {
    *error = GetLastError();
    return 60042;
  }
  buffer[read] = '\0';
  return 0;
}

}  // namespace

int InsertTextFile(HWND document, AppOptionsRecord& options) {
  const LONG documentFormat = GetDocWord(document, kLineFormatWord);
  char documentPath[kPathCapacity];
  GetDocumentName(document, documentPath);
  char path[kPathCapacity];
  if (!PromptInsertFile(document, options, documentPath, path)) return 0;

  long size = FileSizeOf(path);
  if (size < 0) size = 0;  // the open below reports what is wrong with the file
  const size_t bufferSize = static_cast<size_t>(size) * 2 + 18;
  GlobalBlock text = GlobalBlock::Allocate(bufferSize);
  if (!text) {
    return ShowMessage(document, IDS_APPNAME, 60008, "text buffer", static_cast<int>(bufferSize));
  }

  HWND edit = DocEditControl(document);
  UINT failure;
  DWORD error = 0;
  {
    WaitCursor wait;
    SetStatus(60073, path);
    failure = ReadInsertedFile(path, text.data(), static_cast<DWORD>(size) + 1, &error);
    if (!failure) {
      // The inserted file's own convention decides; the document's is put back below.
      DetectLineFormat(document, text.data());
      const DWORD length = ConvertToEditorText(document, text.data());
      LONG start = 0;
      GetEditSelection(edit, &start, nullptr);
      ShowWindow(edit, SW_SHOW);
      ReplaceEditSelection(edit, text.data());
      SetEditSelection(edit, start, start + static_cast<LONG>(length));
      UpdateLineIndicator(edit);
      SetStatus(IDS_FILE_INSERTED, path);
      SetDocWord(document, kLineFormatWord, documentFormat);
      SetDocWord(document, kModifiedWord, 1);
      SetDocumentTitle(document, nullptr, 1);  // also when the edit changed nothing
      SetFocus(edit);
    }
    text.Reset();
  }
  if (failure) {
    return ShowMessage(document, kFileIoErrorTitle, failure, path, static_cast<int>(error));
  }
  return 1;
}
