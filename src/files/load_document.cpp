// Reading a text file into a document: one read, one conversion pass, one text replacement.
#include "files/load_document.h"

#include <cstring>

#include "app/globals.h"
#include "document/doc_window.h"
#include "document/document_set.h"
#include "document/edit_control.h"
#include "files/file_checks.h"
#include "files/file_io.h"
#include "files/line_format.h"
#include "resources/resource.h"
#include "ui/global_block.h"
#include "ui/message_dialogs.h"
#include "ui/status.h"
#include "ui/strings.h"
#include "ui/wait_cursor.h"
#include "ui/window_text.h"

namespace {

// The line-end convention of a document, with the error for a corrupted window word.
int CheckedLineFormat(HWND document) {
  const int format = GetDocWord(document, kLineFormatWord);
  if (!IsValidLineFormat(format)) {
    ShowErrorText("invalid document type (%d)", format);
    return -1;
  }
  return format;
}

// Opens, reads up to `size` + 1 bytes and closes. Returns 0, or the message id of the step
// that failed with the system's code in *error.
UINT ReadWholeFile(const char* path, bool forWriting, char* buffer, long size, DWORD* error) {
  FileHandle file;
  if (!OpenExistingFile(path, forWriting, file)) {
    *error = GetLastError();
    return 60027;
  }
  DWORD read = 0;
  if (!ReadFileBytes(file, buffer, static_cast<DWORD>(size) + 1, &read)) {
    *error = GetLastError();
    return 60033;  // the handle closes as `file` goes
  }
  if (!CloseFile(file)) {
    *error = GetLastError();
    return 60042;
  }
  buffer[read] = '\0';
  return 0;
}

}  // namespace

void DetectLineFormat(HWND document, const char* text) {
  SetDocWord(document, kLineFormatWord, DetectLineFormatOf(text));
}

DWORD ConvertToEditorText(HWND document, char* text) {
  const size_t length = std::strlen(text);
  const int format = CheckedLineFormat(document);
  if (format <= kWindowsFormat) return static_cast<DWORD>(length);
  GlobalBlock converted = GlobalBlock::Allocate(length * 2 + 16);
  if (!converted) {
    ShowMessage(document, IDS_APPNAME, 60008, "text buffer", static_cast<int>(length * 2 + 16));
    return static_cast<DWORD>(length);
  }
  const size_t newLength = ConvertToEditorBytes(text, length, format, converted.data());
  std::memcpy(text, converted.data(), newLength + 1);
  return static_cast<DWORD>(newLength);
}

int LoadDocumentFile(HWND document, const char* path, int viewing, AppOptionsRecord& options) {
  if (!FileExists(path)) return ShowMessage(document, IDS_APPNAME, 60021, path);
  const long size = FileSizeOf(path);
  if (size < 0 || size + 1 >= kEditTextLimit) {
    return ShowMessage(document, IDS_APPNAME, 60022, path, static_cast<unsigned>(size));
  }

  bool forViewing = viewing != 0;
  if (!forViewing && !IsFileWritable(path)) {
    if (!options.ReadOnly && !AskYesNo(document, 1, IDS_APPNAME, 60024, path)) return 0;
    forViewing = true;
  }

  const size_t bufferSize = (static_cast<size_t>(size) + 1) * 2 + 16;
  GlobalBlock buffer = GlobalBlock::Allocate(bufferSize);
  if (!buffer) {
    return ShowMessage(document, IDS_APPNAME, 60008, "text buffer", static_cast<int>(bufferSize));
  }
  UINT failure = 0;
  DWORD error = 0;
  {
    WaitCursor wait;
    SetStatus(60073, path);
    failure = ReadWholeFile(path, !forViewing, buffer.data(), size, &error);
  }
  if (failure) {
    buffer.Reset();
    return ShowMessage(document, kFileIoErrorTitle, failure, path, static_cast<int>(error));
  }
  WaitCursor wait;

  // The text ends at the first NUL byte; anything after one is not shown.
  DetectLineFormat(document, buffer.data());
  const DWORD length = ConvertToEditorText(document, buffer.data());

  HWND edit = DocEditControl(document);
  ShowWindow(edit, SW_SHOW);
  SendMessageA(edit, EM_SETREADONLY, forViewing ? TRUE : FALSE, 0);
  SetEditText(edit, buffer.data(), length);
  SetEditSelection(edit, 0, 0);
  UpdateLineIndicator(edit);

  SetWindowTextById(document, IDS_TITLE_FORMAT, path);
  SetStatus(forViewing ? 60069 : 60068, path);
  SetDocWord(document, kModifiedWord, 0);
  SetDocWord(document, kViewingWord, forViewing ? 1 : 0);
  SetDocWord(document, kSavedWord, 1);
  SetFocus(edit);
  if (!options.SysEditRequested) AddRecentFile(path, options);
  return 1;
}
