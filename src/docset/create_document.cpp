// A new document window: untitled, or for a file that is loaded into it.
#include "docset/create_document.h"

#include <string>

#include "base/file_checks.h"
#include "base/globals.h"
#include "document/doc_window.h"
#include "files/load_document.h"
#include "resources/resource.h"
#include "ui/message_dialogs.h"

HWND CreateDocWindow(HWND owner, const char* fileName, int openReadOnly,
                     AppOptionsRecord& options) {
  const bool named = fileName && *fileName;
  char path[kPathCapacity] = "";
  if (named) {
    const std::string full = FullPathOf(fileName);
    if (full.size() >= sizeof path) {
      ShowPathTooLong(owner, full);
      return nullptr;
    }
    lstrcpynA(path, full.c_str(), sizeof path);
  }

  HWND document = MakeDocWindow(owner, path, options);
  if (!document) return nullptr;
  if (named && !openReadOnly && lstrcmpiA(path, IniPath) == 0) {
    if (!AskYesNo(document, 1, IDS_APPNAME, IDS_ASK_INI_READONLY, path)) {
      DestroyDocWindow(document);
      return nullptr;
    }
    openReadOnly = 1;
  }
  if (named) {
    if (!LoadDocumentFile(document, path, openReadOnly, options)) {
      DestroyDocWindow(document);
      return nullptr;
    }
    if (!options.SysEditRequested) lstrcpynA(options.FileSpec, path, sizeof options.FileSpec);
  }
  ShowDocWindow(document);
  return document;
}
