// The document set. Documents cannot be opened yet, so opening by name or by drop only beeps;
// closing all documents succeeds when no document window is left in the MDI client.
#include "document/document_set.h"

#include "app/globals.h"
#include "ui/message_dialogs.h"

int OpenNamedFile(HWND, const char*, AppOptionsRecord&) {
  return BeepAndFail();
}

int OpenDroppedFiles(HWND, HDROP, AppOptionsRecord&) {
  return BeepAndFail();
}

int CloseAllDocuments(AppOptionsRecord&) {
  if (MdiClient && GetWindow(MdiClient, GW_CHILD)) return BeepAndFail();
  return 1;
}

int SaveAllDocuments(AppOptionsRecord&) {
  return BeepAndFail();
}

void ForEachDocWindow(const std::function<void(HWND)>& visit) {
  if (!MdiClient) return;
  for (HWND child = GetWindow(MdiClient, GW_CHILD); child;) {
    HWND next = GetWindow(child, GW_HWNDNEXT);  // taken first: `visit` may close the window
    if (!GetWindow(child, GW_OWNER)) visit(child);
    child = next;
  }
}
