// Writing documents to disk: one bulk read of the control, one conversion pass in place, one
// write call through a temporary file (files/safe_write.h); each failing step reported once
// with its own message. The document changes only after the file is safely in place.
#include "files/save_document.h"

#include <richedit.h>

#include <cstring>

#include "base/file_checks.h"
#include "base/file_io.h"
#include "document/doc_window.h"
#include "document/edit_control.h"
#include "files/file_prompts.h"
#include "files/line_format.h"
#include "files/prompt_text.h"
#include "files/safe_write.h"
#include "resources/resource.h"
#include "settings/recent_files.h"
#include "ui/message_dialogs.h"
#include "ui/status.h"
#include "ui/strings.h"
#include "ui/wait_cursor.h"

namespace {

constexpr char kSelectionFileName[] = "selected.txt";

int ReportWriteFailure(HWND owner, WriteFailure failure, const char* path, DWORD length,
                       DWORD error) {
  if (failure == kSetEndFailed) {
    return ShowMessage(owner, kFileIoErrorTitle, failure, path, static_cast<unsigned>(length),
                       static_cast<int>(error));
  }
  return ShowMessage(owner, kFileIoErrorTitle, failure, path, static_cast<int>(error));
}

// The document's edit control; without one (its window word lost) nothing can be saved, and
// an empty file must not be written in its place.
HWND EditControlToSave(HWND document, const char* path) {
  HWND edit = DocEditControl(document);
  if (!edit) ShowMessage(document, IDS_APPNAME, IDS_SAVE_NO_TEXT, path);
  return edit;
}

DWORD ConvertByFormat(int format, char* text, DWORD length) {
  if (!IsValidLineFormat(format)) {
    ShowErrorText("invalid document type (%d)", format);
    return length;  // written unconverted
  }
  if (format == kWindowsFormat) return length;
  // Dropping bytes never moves one forward, so the filter runs over the text itself.
  const size_t newLength = ConvertToFileBytes(text, length, format, text);
  std::memset(text + newLength, 0, length - newLength);
  return static_cast<DWORD>(newLength);
}

// Writes the document's text, converted to `format`, as the file `path`; the document itself
// is not touched. Failures are reported here.
int WriteDocumentFile(HWND document, const char* path, int format, bool keepBackup) {
  HWND edit = EditControlToSave(document, path);
  if (!edit) return 0;
  DWORD length = 0;
  GlobalBlock text = GetEditorText(edit, &length);
  if (!text) return 0;
  DWORD error = 0;
  WriteFailure failure;
  {
    WaitCursor wait;
    length = ConvertByFormat(format, text.data(), length);
    SetStatus(60071, path);
    failure = WriteFileSafely(path, text.data(), length, true, keepBackup, &error);
    text.Reset();
  }
  if (failure != kWritten) return ReportWriteFailure(document, failure, path, length, error);
  return 1;
}

// The document now belongs to the file `path` in `format`, as written: saved, unmodified,
// editable, titled with the path.
void MarkSaved(HWND document, const char* path, int format) {
  HWND edit = DocEditControl(document);
  SetDocWord(document, kLineFormatWord, format);
  SetDocWord(document, kSavedWord, 1);
  SetDocWord(document, kModifiedWord, 0);
  SetDocWord(document, kViewingWord, 0);
  // Each of these redraws parts of the window under Wine: done only when something changes.
  if (GetWindowLongA(edit, GWL_STYLE) & ES_READONLY) SendMessageA(edit, EM_SETREADONLY, FALSE, 0);
  SetDocumentTitle(document, path, 0);
  SetStatus(60072, path);
  SetFocus(edit);
}

}  // namespace

DWORD ConvertToFileText(HWND document, char* text, DWORD length) {
  return ConvertByFormat(GetDocWord(document, kLineFormatWord), text, length);
}

int WriteWholeFile(HWND owner, const char* path, const char* data, DWORD length) {
  DWORD error = 0;
  WriteFailure failure;
  {
    WaitCursor wait;
    failure = WriteFileSafely(path, data, length, data && length, false, &error);
  }
  if (failure != kWritten) return ReportWriteFailure(owner, failure, path, length, error);
  return 1;
}

int SaveDocument(HWND document, AppOptionsRecord& options) {
  char path[kPathCapacity];
  GetDocumentName(document, path);
  const int format = GetDocWord(document, kLineFormatWord);
  if (!WriteDocumentFile(document, path, format, options.Backup != 0)) return 0;
  MarkSaved(document, path, format);
  return 1;
}

int SaveDocumentAs(HWND document, AppOptionsRecord& options) {
  char path[kPathCapacity];
  GetDocumentName(document, path);
  if (!EditControlToSave(document, path)) return 0;
  DWORD type = static_cast<DWORD>(GetDocWord(document, kLineFormatWord) + 1);
  SetStatus(IDM_SAVEAS);
  if (!PromptSaveAs(document, path, &type)) return 0;

  // The whole file is written under the new name and convention before the document takes
  // either: a failure leaves the document, and the chosen file, as they were.
  const int chosen = static_cast<int>(type) - 1;
  const int format = IsValidLineFormat(chosen) ? chosen : kWindowsFormat;
  if (!WriteDocumentFile(document, path, format, options.Backup != 0)) return 0;
  MarkSaved(document, path, format);
  SetStatus(60074, path);
  AddRecentFile(path, options);
  return 1;
}

int SaveSelectionAs(HWND document, AppOptionsRecord& options) {
  char documentPath[kPathCapacity];
  GetDocumentName(document, documentPath);
  HWND edit = EditControlToSave(document, documentPath);
  if (!edit) return 0;
  LONG start = 0;
  LONG end = 0;
  GetEditSelection(edit, &start, &end);
  if (start >= end) return BeepAndFail();
  SetStatus(IDM_SAVESELECTION);

  char path[kPathCapacity];
  FolderWithBackslash(documentPath, path, sizeof path);
  lstrcpynA(path + lstrlenA(path), kSelectionFileName,
            static_cast<int>(sizeof path) - lstrlenA(path));
  if (!PromptSaveSelection(document, options, path)) return 0;

  DWORD length = 0;
  GlobalBlock text = GetEditorText(edit, &length);
  if (!text) return 0;
  // The selected characters exactly as the editor holds them: CR LF whatever the LineFormat.
  const DWORD first = static_cast<DWORD>(start) < length ? static_cast<DWORD>(start) : length;
  const DWORD last = static_cast<DWORD>(end) < length ? static_cast<DWORD>(end) : length;
  DWORD error = 0;
  WriteFailure failure;
  {
    WaitCursor wait;
    text.data()[last] = '\0';
    SetStatus(60071, path);
    failure = WriteFileSafely(path, text.data() + first, last - first, true, false, &error);
    text.Reset();
  }
  if (failure != kWritten) return ReportWriteFailure(document, failure, path, last - first, error);
  SetStatus(60072, path);
  SetFocus(edit);
  return 1;
}
