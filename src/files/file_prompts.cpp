// File name prompts built on the common open and save dialogs (explorer style, with a hook
// that places each dialog where its kind was last confirmed), and the Open command.
#include "files/file_prompts.h"

#include <commdlg.h>
#include <dlgs.h>

#include <cstring>

#include "app/globals.h"
#include "app/placement.h"
#include "document/doc_window.h"
#include "document/document_set.h"
#include "files/prompt_text.h"
#include "resources/resource.h"
#include "ui/global_block.h"
#include "ui/message_dialogs.h"
#include "ui/strings.h"
#include "windows/splash.h"

namespace {

constexpr const char kAllFiles[] = "All Files|*.*|";

// The type last confirmed in each prompt, for this run only (Save As starts on the LineFormat).
DWORD openDocumentsType = 1;
DWORD saveSelectionType = 1;
DWORD insertFileType = 1;
DWORD saveListType = 1;
DWORD openFileType = 1;

// Open prompts share one remembered position, save prompts another.
PlacementRecord& OpenPromptPlacement() {
  return OptionRecords.GetFile;
}
PlacementRecord& SavePromptPlacement() {
  return OptionRecords.PutFile;
}

struct PromptSetup {
  HWND owner = nullptr;
  UINT titleId = 0;
  const char* types = nullptr;  // pair list, double-NUL-terminated
  char* name = nullptr;         // initial name in, chosen path out
  DWORD nameCapacity = kPathCapacity;
  const char* folderOf = nullptr;  // the prompt opens in this path's folder
  DWORD* typeIndex = nullptr;      // in and out
  UINT extensionId = 0;            // default extension, save prompts only
  DWORD* readOnly = nullptr;       // open prompts: null hides the box
  bool save = false;
  bool multiple = false;
  bool closeSplash = true;
};

LONG ScreenExtent(bool horizontal) {
  const LONG extent =
      horizontal ? ScreenRect.right - ScreenRect.left : ScreenRect.bottom - ScreenRect.top;
  if (extent > 0) return extent;
  return GetSystemMetrics(horizontal ? SM_CXSCREEN : SM_CYSCREEN);
}

void PlaceDialog(HWND dialog, const PlacementRecord& placement) {
  const int left = static_cast<int>(ClampToScreen(placement.Left, ScreenExtent(true)));
  const int top = static_cast<int>(ClampToScreen(placement.Top, ScreenExtent(false)));
  SetWindowPos(dialog, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// What the hook works with, reached through the dialog's custom data.
struct HookContext {
  PlacementRecord* placement;
  bool readOnlySeen;  // the read-only box as it was when the user confirmed
  bool readOnlyChecked;
};

// The explorer dialog's hook lives in a child of the real dialog; its context rides in the
// hook window's user data.
UINT_PTR CALLBACK PromptHook(HWND hook, UINT message, WPARAM, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    const auto* dialog = reinterpret_cast<const OPENFILENAMEA*>(lParam);
    SetWindowLongPtrA(hook, GWLP_USERDATA, static_cast<LONG_PTR>(dialog->lCustData));
    return 0;
  }
  if (message != WM_NOTIFY) return 0;
  auto* context = reinterpret_cast<HookContext*>(GetWindowLongPtrA(hook, GWLP_USERDATA));
  const auto* notice = reinterpret_cast<const OFNOTIFYA*>(lParam);
  if (!context || !notice) return 0;
  HWND dialog = GetParent(hook);
  switch (notice->hdr.code) {
    case CDN_INITDONE:
      PlaceDialog(dialog, *context->placement);
      break;
    case CDN_FILEOK:
      StoreWindowPlacement(dialog, *context->placement);
      // Some dialogs leave OFN_READONLY alone when several files are chosen; the box itself
      // tells the truth.
      context->readOnlySeen = true;
      context->readOnlyChecked = IsDlgButtonChecked(dialog, chx1) == BST_CHECKED;
      SetWindowLongPtrA(hook, DWLP_MSGRESULT, 0);  // accept the name
      break;
    default:
      break;
  }
  return 0;
}

int RunPrompt(const PromptSetup& setup) {
  char title[kStringCapacity];
  if (!GetString(title, setup.titleId)) return 0;
  char extension[kStringCapacity] = "";
  if (setup.extensionId && !GetString(extension, setup.extensionId)) return 0;
  char folder[kPathCapacity];
  const bool hasFolder = InitialFolderOf(setup.folderOf, folder, sizeof folder);

  if (setup.closeSplash) CloseSplash();

  OPENFILENAMEA dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = setup.owner;
  dialog.hInstance = AppInstance;
  dialog.lpstrFilter = setup.types;
  dialog.nFilterIndex = setup.typeIndex ? *setup.typeIndex : 1;
  dialog.lpstrFile = setup.name;
  dialog.nMaxFile = setup.nameCapacity;
  dialog.lpstrInitialDir = hasFolder ? folder : nullptr;
  dialog.lpstrTitle = title;
  dialog.lpstrDefExt = extension[0] ? extension : nullptr;
  dialog.lpfnHook = PromptHook;
  dialog.Flags = OFN_EXPLORER | OFN_ENABLEHOOK;
  HookContext context = {setup.save ? &SavePromptPlacement() : &OpenPromptPlacement(), false,
                         false};
  dialog.lCustData = reinterpret_cast<LPARAM>(&context);

  BOOL confirmed;
  if (setup.save) {
    dialog.Flags |= OFN_PATHMUSTEXIST | OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY;
    confirmed = GetSaveFileNameA(&dialog);
  } else {
    dialog.Flags |= OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
    if (setup.multiple) dialog.Flags |= OFN_ALLOWMULTISELECT;
    if (!setup.readOnly) {
      dialog.Flags |= OFN_HIDEREADONLY;
    } else if (*setup.readOnly) {
      dialog.Flags |= OFN_READONLY;
    }
    confirmed = GetOpenFileNameA(&dialog);
  }

  if (setup.owner) {
    InvalidateRect(setup.owner, nullptr, TRUE);
    UpdateWindow(setup.owner);
  }
  if (!confirmed) return 0;
  if (setup.typeIndex) *setup.typeIndex = dialog.nFilterIndex;
  if (setup.readOnly) {
    const bool checked =
        context.readOnlySeen ? context.readOnlyChecked : (dialog.Flags & OFN_READONLY) != 0;
    *setup.readOnly = checked ? 1 : 0;
  }
  return 1;
}

// Appends at most what fits, keeping the terminator.
void Append(char* buffer, size_t capacity, const char* text) {
  const size_t used = std::strlen(buffer);
  if (used + 1 >= capacity) return;
  lstrcpynA(buffer + used, text, static_cast<int>(capacity - used));
}

// A file chosen in the Open prompt: brought forward when already open, else opened.
bool OpenChosenFile(HWND frame, const char* path, DWORD readOnly, AppOptionsRecord& options) {
  if (FindOpenDocument(path)) return false;
  return CreateDocWindow(frame, path, readOnly ? 1 : 0, options) != nullptr;
}

}  // namespace

int BuildFilterList(const AppOptionsRecord& options, char (&list)[kFilterListCapacity],
                    UINT defaultId) {
  list[0] = '\0';
  for (const char* filter : options.Filters) Append(list, sizeof list, filter);
  if (list[0]) {
    Append(list, sizeof list, kAllFiles);
  } else {
    char text[kStringCapacity];
    if (!GetString(text, defaultId)) return 0;
    lstrcpynA(list, text, sizeof list);
  }
  SplitTypeList(list);
  return 1;
}

int PromptOpenDocuments(HWND frame, UINT filterListId, UINT titleId, AppOptionsRecord& options) {
  char types[kFilterListCapacity];
  if (!BuildFilterList(options, types, filterListId)) return 0;
  GlobalBlock selection = GlobalBlock::Allocate(kOpenSelectionCapacity);
  if (!selection) {
    return ShowMessage(frame, IDS_APPNAME, 60008, "string buffer",
                       static_cast<int>(kOpenSelectionCapacity));
  }
  DWORD readOnly = 0;
  PromptSetup setup;
  setup.owner = frame;
  setup.titleId = titleId;
  setup.types = types;
  setup.name = selection.data();
  setup.nameCapacity = kOpenSelectionCapacity;
  setup.typeIndex = &openDocumentsType;
  setup.readOnly = &readOnly;
  setup.multiple = true;
  setup.closeSplash = false;
  if (!RunPrompt(setup)) return 0;

  int opened = 0;
  ForEachSelectedPath(selection.data(), selection.size(), [&](const char* path) {
    if (OpenChosenFile(frame, path, readOnly, options)) ++opened;
  });
  return opened > 0;
}

int PromptSaveAs(HWND owner, char (&name)[kPathCapacity], DWORD* typeIndex) {
  char types[kStringCapacity + 1] = "";
  if (!GetString(types, IDS_SAVEAS_TYPES)) return 0;
  SplitTypeList(types);
  char folderOf[kPathCapacity];
  lstrcpynA(folderOf, name, sizeof folderOf);
  PromptSetup setup;
  setup.owner = owner;
  setup.titleId = IDS_SAVEAS_TITLE;
  setup.types = types;
  setup.name = name;
  setup.folderOf = folderOf;
  setup.typeIndex = typeIndex;
  setup.save = true;
  return RunPrompt(setup);
}

int PromptSaveSelection(HWND owner, const AppOptionsRecord& options, char (&name)[kPathCapacity]) {
  char types[kFilterListCapacity];
  if (!BuildFilterList(options, types, IDS_OPEN_FILTERS)) return 0;
  char folderOf[kPathCapacity];
  lstrcpynA(folderOf, name, sizeof folderOf);
  PromptSetup setup;
  setup.owner = owner;
  setup.titleId = IDS_SAVESELECTION_TITLE;
  setup.types = types;
  setup.name = name;
  setup.folderOf = folderOf;
  setup.typeIndex = &saveSelectionType;
  setup.save = true;
  return RunPrompt(setup);
}

int PromptInsertFile(HWND owner, const AppOptionsRecord& options, const char* documentPath,
                     char (&name)[kPathCapacity]) {
  char types[kFilterListCapacity];
  if (!BuildFilterList(options, types, IDS_OPEN_FILTERS)) return 0;
  char folderOf[kPathCapacity] = "";
  if (documentPath) lstrcpynA(folderOf, documentPath, sizeof folderOf);  // may share `name`
  name[0] = '\0';
  PromptSetup setup;
  setup.owner = owner;
  setup.titleId = IDS_INSERT_FILE_TITLE;
  setup.types = types;
  setup.name = name;
  setup.folderOf = folderOf;
  setup.typeIndex = &insertFileType;
  return RunPrompt(setup);
}

int PromptSaveList(HWND owner, char (&name)[kPathCapacity]) {
  char types[kStringCapacity + 1] = "";
  if (!GetString(types, IDS_LIST_TYPES)) return 0;
  SplitTypeList(types);
  PromptSetup setup;
  setup.owner = owner;
  setup.titleId = IDS_LIST_SAVE_TITLE;
  setup.types = types;
  setup.name = name;
  setup.typeIndex = &saveListType;
  setup.extensionId = IDS_LIST_EXTENSION;
  setup.save = true;
  return RunPrompt(setup);
}

int PromptOpenFile(HWND owner, UINT titleId, UINT typesId, const char* folderOf,
                   char (&name)[kPathCapacity], DWORD* readOnly) {
  char types[kStringCapacity + 1] = "";
  if (!GetString(types, typesId)) return 0;
  SplitTypeList(types);
  char folder[kPathCapacity] = "";
  if (folderOf) lstrcpynA(folder, folderOf, sizeof folder);  // may share `name`
  name[0] = '\0';
  PromptSetup setup;
  setup.owner = owner;
  setup.titleId = titleId;
  setup.types = types;
  setup.name = name;
  setup.folderOf = folder;
  setup.typeIndex = &openFileType;
  setup.readOnly = readOnly;
  return RunPrompt(setup);
}
