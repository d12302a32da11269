// The set of open documents: finding, opening by name or drop, closing, saving all, and the
// recent-file list.
#include "docset/document_set.h"

#include <commctrl.h>

#include <cstring>
#include <string>

#include "base/file_checks.h"
#include "base/globals.h"
#include "docset/create_document.h"
#include "document/doc_window.h"
#include "files/save_prompts.h"
#include "resources/resource.h"
#include "ui/message_dialogs.h"

namespace {

HWND FirstDocWindow() {
  for (HWND child = MdiClient ? GetWindow(MdiClient, GW_CHILD) : nullptr; child;
       child = GetWindow(child, GW_HWNDNEXT)) {
    if (!GetWindow(child, GW_OWNER)) return child;
  }
  return nullptr;
}

}  // namespace

void ForEachDocWindow(const std::function<void(HWND)>& visit) {
  if (!MdiClient) return;
  for (HWND child = GetWindow(MdiClient, GW_CHILD); child;) {
    HWND next = GetWindow(child, GW_HWNDNEXT);  // taken first: `visit` may close the window
    if (!GetWindow(child, GW_OWNER)) visit(child);
    child = next;
  }
}

HWND FindOpenDocument(const char* name) {
  HWND found = nullptr;
  ForEachDocWindow([&](HWND document) {
    if (found) return;
    char open[kPathCapacity];
    GetDocumentName(document, open);
    if (lstrcmpiA(open, name) == 0) found = document;
  });
  if (found) {
    SendMessageA(MdiClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(found), 0);
    BringWindowToTop(found);
    SetFocus(found);
    BeepAndFail();
  }
  return found;
}

int OpenOrActivate(HWND frame, const char* name, AppOptionsRecord& options) {
  const std::string path = FullPathOf(name);
  if (path.size() >= kPathCapacity) {
    return ShowPathTooLong(frame, path);
  }
  if (FindOpenDocument(path.c_str())) return 1;
  return CreateDocWindow(frame, path.c_str(), 0, options) != nullptr;
}

int OpenNamedFile(HWND frame, const char* name, AppOptionsRecord& options) {
  std::string unquoted;
  for (const char* p = name; *p; ++p) {
    if (*p != '"') unquoted += *p;
  }
  return OpenOrActivate(frame, unquoted.c_str(), options);
}

bool OpenChosenDocument(HWND frame, const char* path, bool readOnly, AppOptionsRecord& options) {
  if (FindOpenDocument(path)) return false;
  return CreateDocWindow(frame, path, readOnly ? 1 : 0, options) != nullptr;
}

int OpenDroppedFiles(HWND frame, HDROP drop, AppOptionsRecord& options) {
  const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    std::string path(DragQueryFileA(drop, i, nullptr, 0) + 1, '\0');
    const UINT length = DragQueryFileA(drop, i, path.data(), static_cast<UINT>(path.size()));
    if (length == 0) continue;
    path.resize(length);
    OpenOrActivate(frame, path.c_str(), options);
  }
  return 1;
}

int CloseDocument(HWND document, AppOptionsRecord& options) {
  if (!QuerySaveChanges(document, options)) return 0;
  SendMessageA(MdiClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(document), 0);
  if (StatusBar) SendMessageA(StatusBar, SB_SETTEXTA, 1, reinterpret_cast<LPARAM>(""));
  return 1;
}

int CloseAllDocuments(AppOptionsRecord& options) {
  BulkOperation = TRUE;
  int result = 1;
  while (HWND document = FirstDocWindow()) {
    if (!CloseDocument(document, options)) {
      result = 0;
      break;
    }
  }
  BulkOperation = FALSE;
  return result;
}

int SaveAllDocuments(AppOptionsRecord& options) {
  ForEachDocWindow([&](HWND document) {
    if (GetDocWord(document, kModifiedWord)) SaveOrSaveAs(document, options);
  });
  return 1;
}
