// Indirect file lists, the SysEdit files and the recent-file entries.
#include "docset/document_lists.h"

#include <cstring>
#include <string>

#include "base/file_checks.h"
#include "base/file_io.h"
#include "base/globals.h"
#include "docset/create_document.h"
#include "docset/document_set.h"
#include "document/doc_window.h"
#include "document/edit_control.h"
#include "document/text_limits.h"
#include "files/file_prompts.h"
#include "files/list_text.h"
#include "files/read_text_file.h"
#include "files/save_document.h"
#include "resources/resource.h"
#include "settings/recent_files.h"
#include "ui/global_block.h"
#include "ui/message_dialogs.h"
#include "ui/status.h"
#include "ui/strings.h"
#include "ui/wait_cursor.h"

namespace {

char lastListChosen[kPathCapacity];  // the Open a List prompt opens in this list's folder
unsigned listCounter;                // numbers the lists built in this run: List1, List2, ...

// Clears a run-time flag however the operation ends.
class FlagScope {
 public:
  FlagScope(DWORD& flag, DWORD value) : flag_(flag) { flag_ = value; }
  ~FlagScope() { flag_ = 0; }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;

 private:
  DWORD& flag_;
};

class BulkScope {
 public:
  BulkScope() { BulkOperation = TRUE; }
  ~BulkScope() { BulkOperation = FALSE; }
  BulkScope(const BulkScope&) = delete;
  BulkScope& operator=(const BulkScope&) = delete;
};

// The codes for which the list is reported as not found rather than as unreadable.
bool IsNotFound(DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_FILENAME_EXCED_RANGE:
      return true;
    default:
      return false;
  }
}

// The whole list file in one block (NUL-terminated); reported and empty on failure. The file
// is closed before any entry opens, so a list may name itself.
GlobalBlock ReadListFile(HWND frame, const char* path, DWORD* length) {
  FileHandle file;
  if (!OpenSharedForReading(path, file)) {
    const DWORD error = GetLastError();
    if (IsNotFound(error))
      ShowMessage(frame, IDS_APPNAME, 60021, path);
    else
      ShowMessage(frame, IDS_APPNAME, IDS_LIST_OPEN_FAILED, path, static_cast<int>(error));
    return GlobalBlock();
  }
  LARGE_INTEGER size = {};
  if (!GetFileSizeEx(file.get(), &size)) {
    ShowMessage(frame, IDS_APPNAME, IDS_LIST_OPEN_FAILED, path, static_cast<int>(GetLastError()));
    return GlobalBlock();
  }
  if (!FileFitsEditor(size.QuadPart)) {
    ShowMessage(frame, IDS_APPNAME, 60022, path, SizeForMessage(size.QuadPart));
    return GlobalBlock();
  }
  GlobalBlock text = GlobalBlock::Allocate(static_cast<size_t>(size.QuadPart) + 1);
  if (!text) {
    ShowMessage(frame, IDS_APPNAME, 60008, "text buffer", static_cast<int>(size.QuadPart + 1));
    return GlobalBlock();
  }
  if (!ReadFileBytes(file, text.data(), static_cast<DWORD>(size.QuadPart), length)) {
    ShowMessage(frame, IDS_APPNAME, IDS_LIST_OPEN_FAILED, path, static_cast<int>(GetLastError()));
    return GlobalBlock();
  }
  CloseFile(file);  // everything is read; a failing close loses nothing
  return text;
}

// Opens a file named by a list entry, the SysEdit files or a recent entry, unless it is open.
void OpenListedFile(HWND frame, const char* name, AppOptionsRecord& options) {
  if (IsExistingFile(name)) OpenOrActivate(frame, name, options);
}

// The paths of all documents, each followed by CR LF, into `text` (null: only counted). False
// after the message naming the first document that has no file.
bool CollectPaths(char* text, size_t* length) {
  bool complete = true;
  size_t used = 0;
  ForEachDocWindow([&](HWND document) {
    if (!complete) return;
    char name[kPathCapacity];
    GetDocumentName(document, name);
    if (!GetDocWord(document, kSavedWord)) {
      complete = false;
      ShowMessage(FrameWindow, IDS_APPNAME, IDS_LIST_UNSAVED, name);
      return;
    }
    const size_t nameLength = std::strlen(name);
    if (text) {
      std::memcpy(text + used, name, nameLength);
      std::memcpy(text + used + nameLength, "\r\n", 2);
    }
    used += nameLength + 2;
  });
  *length = used;
  return complete;
}

}  // namespace

int OpenIndirectList(HWND frame, AppOptionsRecord& options) {
  FlagScope requested(options.ListRequested, 0);
  // FileSpec follows every document opened from here on: the list's name is taken first.
  const std::string listPath = FullPathOf(options.FileSpec);
  DWORD length = 0;
  GlobalBlock text = ReadListFile(frame, listPath.c_str(), &length);
  if (!text) return 0;

  BulkScope bulk;
  ForEachListEntry(text.data(), length, [&](const char* entry) {
    char name[MAX_PATH * 2];
    if (ResolveListEntry(listPath.c_str(), entry, name, sizeof name)) {
      OpenListedFile(frame, name, options);
    }
  });
  return 1;
}

int OpenListCommand(HWND frame, AppOptionsRecord& options) {
  SetStatus(IDM_OPENLIST);
  char name[kPathCapacity] = "";
  if (!PromptOpenFile(frame, IDS_LIST_OPEN_TITLE, IDS_LIST_TYPES,
                      lastListChosen[0] ? lastListChosen : nullptr, name, nullptr)) {
    return 0;
  }
  lstrcpynA(lastListChosen, name, sizeof lastListChosen);
  lstrcpynA(options.FileSpec, name, sizeof options.FileSpec);
  return OpenIndirectList(frame, options);
}

int BuildIndirectList(HWND frame, AppOptionsRecord& options) {
  SetStatus(IDM_BUILDLIST);
  // The text grows with the paths: the documents are walked once to count, once to copy.
  size_t length = 0;
  if (!CollectPaths(nullptr, &length)) return 0;
  GlobalBlock text = GlobalBlock::Allocate(length + 1);
  if (!text)
    return ShowMessage(frame, IDS_APPNAME, 60008, "text buffer", static_cast<int>(length + 1));
  CollectPaths(text.data(), &length);

  HWND document = CreateDocWindow(frame, nullptr, 0, options);
  if (!document) return 0;
  char format[kStringCapacity];
  if (!GetString(format, IDS_LIST_NAME)) return 0;
  char name[kPathCapacity];
  wsprintfA(name, format, ++listCounter);

  HWND edit = DocEditControl(document);
  SetEditText(edit, text.data(), length);
  text.Reset();
  SetEditSelection(edit, 0, 0);
  UpdateLineIndicator(edit);
  MarkDocumentModified(document);

  if (!PromptSaveList(frame, name)) return 0;
  // Written through the safe save: a file chosen to be replaced keeps its old bytes until the
  // new ones are complete.
  SetDocumentTitle(document, name, 1);
  if (!SaveDocument(document, options)) return 0;
  AddRecentFile(name, options);
  return 1;
}

int LoadSysEditFiles(HWND frame, AppOptionsRecord& options) {
  FlagScope requested(options.SysEditRequested, 1);  // keeps FileSpec and the recent list
  BulkScope bulk;
  for (const char* entry : options.SysEditFiles) {
    if (*entry) OpenListedFile(frame, entry, options);
  }
  return 1;
}

int OpenRecentFile(HWND frame, int index, AppOptionsRecord& options) {
  if (index < 0 || index >= kListSlots || !options.RecentFiles[index][0]) return BeepAndFail();
  char path[kPathCapacity];
  lstrcpynA(path, options.RecentFiles[index], sizeof path);
  if (FindOpenDocument(path)) return 1;
  if (!IsExistingFile(path)) {
    ShowMessage(frame, IDS_APPNAME, IDS_RECENT_MISSING, path);
    RemoveRecentFile(index, options);
    return 0;
  }
  return CreateDocWindow(frame, path, 0, options) != nullptr;
}
