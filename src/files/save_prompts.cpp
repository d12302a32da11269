// What happens to unsaved edits, and the reload, viewing and duplicate commands.
#include "files/save_prompts.h"

#include <richedit.h>

#include "base/file_checks.h"
#include "base/globals.h"
#include "document/doc_window.h"
#include "document/edit_control.h"
#include "files/load_document.h"
#include "files/save_document.h"
#include "resources/resource.h"
#include "ui/message_dialogs.h"
#include "ui/status.h"

int SaveOrSaveAs(HWND document, AppOptionsRecord& options) {
  return GetDocWord(document, kSavedWord) ? SaveDocument(document, options)
                                          : SaveDocumentAs(document, options);
}

int QuerySaveChanges(HWND document, AppOptionsRecord& options) {
  if (!document || GetDocWord(document, kViewingWord) || !GetDocWord(document, kModifiedWord)) {
    return 1;
  }
  if (options.AutoSave && GetDocWord(document, kSavedWord)) return SaveDocument(document, options);
  char name[kPathCapacity];
  GetDocumentName(document, name);
  switch (AskSaveChanges(document,
                         "File: %s\r\rThis document has been edited.\rDo you want to save the "
                         "changes?",
                         name)) {
    case IDYES:
      return SaveOrSaveAs(document, options);
    case IDNO:
      return 1;  // the edits are dropped
    default:
      return 0;  // Cancel, or a question that could not be shown: the edits stay
  }
}

int DiscardChanges(HWND document, AppOptionsRecord& options) {
  char name[kPathCapacity];
  GetDocumentName(document, name);
  SetStatus(IDM_DISCARD);
  if (!AskYesNoText(document, 0, "Discard Changes",
                    "File: %s\r\rThis document has been edited.\rDo you want to discard these "
                    "changes?",
                    name)) {
    return 0;
  }
  if (!LoadDocumentFile(document, name, GetDocWord(document, kViewingWord), options)) return 0;
  SetStatus(60075, name);
  return 1;
}

int RefreshDocument(HWND document, AppOptionsRecord& options) {
  char name[kPathCapacity];
  GetDocumentName(document, name);
  if (!LoadDocumentFile(document, name, GetDocWord(document, kViewingWord), options)) return 0;
  SetStatus(IDS_REFRESHED, name);
  return 1;
}

int ToggleViewing(HWND document, AppOptionsRecord& options) {
  if (!QuerySaveChanges(document, options)) return 0;
  char name[kPathCapacity];
  GetDocumentName(document, name);
  HWND edit = DocEditControl(document);
  if (!GetDocWord(document, kViewingWord)) {
    SetStatus(60076, name);
    SendMessageA(edit, EM_SETREADONLY, TRUE, 0);
    SetDocWord(document, kViewingWord, 1);
    return 1;
  }
  if (lstrcmpiA(name, IniPath) == 0)
    return ShowMessage(document, IDS_APPNAME, IDS_INI_IN_USE, name);
  if (!IsFileWritable(name)) return ShowMessage(document, IDS_APPNAME, 60023, name);
  SetStatus(60077, name);
  SendMessageA(edit, EM_SETREADONLY, FALSE, 0);
  SetDocWord(document, kViewingWord, 0);
  return 1;
}

int DuplicateDocument(HWND document, AppOptionsRecord& options) {
  DWORD length = 0;
  GlobalBlock text = GetEditorText(DocEditControl(document), &length);
  if (!text) return 0;
  HWND copy = MakeDocWindow(FrameWindow, nullptr, options);
  if (!copy) return 0;
  ShowDocWindow(copy);
  HWND edit = DocEditControl(copy);
  SetEditText(edit, text.data(), length);
  SetEditSelection(edit, 0, 0);
  UpdateLineIndicator(edit);
  SetDocWord(copy, kModifiedWord, 1);
  SetDocWord(copy, kLineFormatWord, GetDocWord(document, kLineFormatWord));
  SetDocumentTitle(copy, nullptr, 1);
  return 1;
}
