// Writing documents to disk: one bulk read of the control, one conversion pass in place, one
// write call; each failing step reported once with its own message.
#include "files/save_document.h"

#include <richedit.h>

#include <cstring>

#include "base/file_checks.h"
#include "base/file_io.h"
#include "document/doc_window.h"
#include "document/edit_control.h"
#include "files/backup_name.h"
#include "files/file_prompts.h"
#include "files/line_format.h"
#include "files/prompt_text.h"
#include "resources/resource.h"
#include "settings/recent_files.h"
#include "ui/message_dialogs.h"
#include "ui/status.h"
#include "ui/strings.h"
#include "ui/wait_cursor.h"
#include "ui/window_text.h"

namespace {

constexpr char kSelectionFileName[] = "selected.txt";

// Which step of writing a file failed, as the message that reports it.
enum WriteFailure : UINT {
  kWritten = 0,
  kCreateFailed = 60026,
  kWriteFailed = 60037,
  kFlushFailed = 60040,
  kSetEndFailed = 60041,
  kCloseFailed = 60042,
};

// Create-always, then (when `fill`) write, set the end and flush, then close. The handle is
// closed on every path. Returns the failed step with the system's code in *error.
WriteFailure WriteFileSteps(const char* path, const char* data, DWORD length, bool fill,
                            DWORD* error) {
  FileHandle file;
  if (!CreateFileAlways(path, file)) {
    *error = GetLastError();
    return kCreateFailed;
  }
  WriteFailure failure = kWritten;
  if (fill) {
    if (!WriteFileBytes(file, data, length)) {
      failure = kWriteFailed;
    } else if (!SetEndOfFileHere(file)) {
      failure = kSetEndFailed;
    } else if (!FlushFile(file)) {
      failure = kFlushFailed;
    }
  }
  if (failure != kWritten) {
    *error = GetLastError();
    return failure;  // `file` closes as it goes
  }
  if (!CloseFile(file)) {
    *error = GetLastError();
    return kCloseFailed;
  }
  return kWritten;
}

int ReportWriteFailure(HWND owner, WriteFailure failure, const char* path, DWORD length,
                       DWORD error) {
  if (failure == kSetEndFailed) {
    return ShowMessage(owner, kFileIoErrorTitle, failure, path, static_cast<unsigned>(length),
                       static_cast<int>(error));
  }
  return ShowMessage(owner, kFileIoErrorTitle, failure, path, static_cast<int>(error));
}

}  // namespace

DWORD ConvertToFileText(HWND document, char* text) {
  return ConvertToFileText(document, text, static_cast<DWORD>(std::strlen(text)));
}

DWORD ConvertToFileText(HWND document, char* text, DWORD length) {
  const int format = GetDocWord(document, kLineFormatWord);
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

int MakeBackupFile(const char* path) {
  if (!FileExists(path)) return 1;  // nothing to keep
  if (!IsFileWritable(path)) return 0;
  char backup[kPathCapacity];
  if (!BackupPathFor(path, backup, sizeof backup)) return 0;
  // Neither failure is reported: the save then overwrites the file in place.
  if (FileExists(backup)) DeleteFileAt(backup);
  return MoveFileTo(path, backup) ? 1 : 0;
}

int WriteWholeFile(HWND owner, const char* path, const char* data, DWORD length) {
  DWORD error = 0;
  WriteFailure failure;
  {
    WaitCursor wait;
    failure = WriteFileSteps(path, data, length, data && length, &error);
  }
  if (failure != kWritten) return ReportWriteFailure(owner, failure, path, length, error);
  return 1;
}

int SaveDocument(HWND document, AppOptionsRecord& options) {
  HWND edit = DocEditControl(document);
  DWORD length = 0;
  GlobalBlock text = GetEditorText(edit, &length);
  if (!text) return 0;

  char path[kPathCapacity];
  DWORD error = 0;
  WriteFailure failure;
  {
    WaitCursor wait;
    length = ConvertToFileText(document, text.data(), length);
    GetDocumentName(document, path);
    SetStatus(60071, path);
    if (options.Backup) MakeBackupFile(path);
    failure = WriteFileSteps(path, text.data(), length, true, &error);
    text.Reset();
  }
  if (failure != kWritten) return ReportWriteFailure(document, failure, path, length, error);

  SetDocWord(document, kSavedWord, 1);
  SetDocWord(document, kModifiedWord, 0);
  SetDocWord(document, kViewingWord, 0);
  SendMessageA(edit, EM_SETREADONLY, FALSE, 0);
  SetDocumentTitle(document, path, 0);
  SetStatus(60072, path);
  SetFocus(edit);
  return 1;
}

int SaveDocumentAs(HWND document, AppOptionsRecord& options) {
  DWORD type = static_cast<DWORD>(GetDocWord(document, kLineFormatWord) + 1);
  SetStatus(IDM_SAVEAS);
  char path[kPathCapacity];
  GetDocumentName(document, path);
  if (!PromptSaveAs(document, path, &type)) return 0;

  // The chosen file exists (empty) from here on, whatever happens next.
  if (!WriteWholeFile(document, path, nullptr, 0)) return 0;

  SetWindowTextById(document, IDS_TITLE_FORMAT, path);
  const int format = static_cast<int>(type) - 1;
  SetDocWord(document, kLineFormatWord, IsValidLineFormat(format) ? format : kWindowsFormat);
  SetDocWord(document, kViewingWord, 0);
  SendMessageA(DocEditControl(document), EM_SETREADONLY, FALSE, 0);

  if (!SaveDocument(document, options)) return 0;
  SetStatus(60074, path);
  AddRecentFile(path, options);
  return 1;
}

int SaveSelectionAs(HWND document, AppOptionsRecord& options) {
  HWND edit = DocEditControl(document);
  LONG start = 0;
  LONG end = 0;
  GetEditSelection(edit, &start, &end);
  if (start >= end) return BeepAndFail();
  SetStatus(IDM_SAVESELECTION);

  char documentPath[kPathCapacity];
  GetDocumentName(document, documentPath);
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
    failure = WriteFileSteps(path, text.data() + first, last - first, true, &error);
    text.Reset();
  }
  if (failure != kWritten) return ReportWriteFailure(document, failure, path, last - first, error);
  SetStatus(60072, path);
  SetFocus(edit);
  return 1;
}
