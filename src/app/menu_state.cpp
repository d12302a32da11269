// Menu and toolbar state. Runs after nearly every message, so it only enables, checks and
// renames items; it allocates nothing.
#include "app/menu_state.h"

#include <richedit.h>

#include <cstdio>

#include "app/toolbar.h"
#include "base/globals.h"
#include "document/doc_window.h"
#include "document/edit_control.h"
#include "resources/resource.h"
#include "ui/status.h"

namespace {

// What the active document allows, read from its window words and its control.
struct DocumentState {
  bool D = false;  // a document is active
  bool R = false;  // viewing (read-only)
  bool M = false;  // modified
  bool H = false;  // saved to disk
  bool W = false;  // word wrap
  bool S = false;  // non-empty selection
  bool F = false;  // the find/replace dialog is open
};

DocumentState ReadDocumentState() {
  DocumentState state;
  state.F = FindReplaceDialog != nullptr;
  HWND document = ActiveDocWindow;
  if (!document) return state;
  state.D = true;
  state.M = GetDocWord(document, kModifiedWord) != 0;
  state.W = GetDocWord(document, kWrapWord) != 0;
  state.R = GetDocWord(document, kViewingWord) != 0;
  state.H = GetDocWord(document, kSavedWord) != 0;
  if (HWND edit = DocEditControl(document)) {
    CHARRANGE selection = {};
    SendMessageA(edit, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    state.S = selection.cpMin != selection.cpMax;
  }
  return state;
}

class MenuStateWriter {
 public:
  MenuStateWriter(HMENU menu, HWND toolbar) : menu_(menu), toolbar_(toolbar) {}

  void Enable(UINT id, bool enabled, bool withButton = false) {
    if (menu_) EnableMenuItem(menu_, id, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
    if (withButton) SetButtonEnabled(toolbar_, id, enabled);
  }
  void Check(UINT id, bool checked) {
    if (menu_) CheckMenuItem(menu_, id, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
  }
  void Rename(UINT id, const char* text) {
    if (menu_) ModifyMenuA(menu_, id, MF_BYCOMMAND | MF_STRING, id, text);
  }

 private:
  HMENU menu_;
  HWND toolbar_;
};

void RefreshListItems(MenuStateWriter& menu, const AppOptionsRecord& options,
                      const DocumentState& s) {
  char text[kPathCapacity + 16];
  for (int i = 0; i < kListSlots; ++i) {
    const char* path = options.RecentFiles[i];
    std::snprintf(text, sizeof text, "&%d  %s", i + 1, *path ? path : "Unused");
    menu.Rename(IDM_RECENT_FIRST + i, text);
    menu.Enable(IDM_RECENT_FIRST + i, *path != '\0');

    const ToolRecord& tool = options.Tools[i];
    std::snprintf(text, sizeof text, "&%d  %s...", i + 1, *tool.Name ? tool.Name : "Undefined");
    menu.Rename(IDM_TOOL_FIRST + i, text);
    menu.Enable(IDM_TOOL_FIRST + i, !s.F && *tool.Name && tool.Active);

    const MacroRecord& macro = options.Macros[i];
    std::snprintf(text, sizeof text, "&%d  %s...", i + 1, *macro.Name ? macro.Name : "Undefined");
    menu.Rename(IDM_MACRO_FIRST + i, text);
    menu.Enable(IDM_MACRO_FIRST + i, !s.F && *macro.Name && macro.Active && s.D);
  }
}

}  // namespace

int RefreshCommandState(HWND frame, const AppOptionsRecord& options) {
  if (BulkOperation || !frame) return 1;
  const DocumentState s = ReadDocumentState();
  const bool toolbarShown = ToolbarWindow && options.ToolBar;
  const bool statusShown = StatusBar && options.Status;
  MenuStateWriter menu(GetMenu(frame), ToolbarWindow);
  constexpr bool kButton = true;

  menu.Enable(IDM_NEW, true, kButton);
  menu.Enable(IDM_OPEN, true, kButton);
  menu.Enable(IDM_CLOSE, s.D, kButton);
  menu.Enable(IDM_PROPERTIES, s.D && s.H, kButton);
  menu.Enable(IDM_SAVE, s.D && !s.R && s.M, kButton);
  menu.Enable(IDM_SAVEAS, s.D, kButton);
  menu.Enable(IDM_SAVEALL, s.D, kButton);
  menu.Enable(IDM_OPENLIST, true);
  menu.Enable(IDM_BUILDLIST, s.D);
  menu.Enable(IDM_DISCARD, s.D && !s.R && s.M && s.H);
  menu.Enable(IDM_PAGESETUP, true);
  menu.Enable(IDM_PRINTERSETUP, true);
  menu.Enable(IDM_PRINT, s.D, kButton);
  menu.Enable(IDM_OPTIONS, true, kButton);
  menu.Enable(IDM_DISPLAYFONT, true, kButton);
  menu.Enable(IDM_PRINTERFONT, true, kButton);
  menu.Enable(IDM_EXIT, true);
  menu.Enable(IDM_UNDO, s.D && !s.R, kButton);
  menu.Enable(IDM_CUT, s.D && s.S && !s.R, kButton);
  menu.Enable(IDM_COPY, s.D && s.S, kButton);
  menu.Enable(IDM_PASTE, s.D && !s.R, kButton);
  menu.Enable(IDM_DELETE, s.D && !s.R, kButton);
  menu.Enable(IDM_SELECTALL, s.D);
  menu.Enable(IDM_SAVESELECTION, s.D && s.S);
  menu.Enable(IDM_INSERTFILE, s.D && !s.R);
  menu.Enable(IDM_INSERTDATE, s.D && !s.R && (options.ShowDate || options.ShowTime), kButton);
  menu.Enable(IDM_FIND, s.D && !s.F, kButton);
  menu.Enable(IDM_REPLACE, s.D && !s.R && !s.F, kButton);
  menu.Enable(IDM_SORT, s.D && s.S && !s.R, kButton);
  menu.Enable(IDM_LOWERCASE, s.D && s.S && !s.R);
  menu.Enable(IDM_UPPERCASE, s.D && s.S && !s.R);
  menu.Enable(IDM_REFRESH, s.D && s.H && !s.M, kButton);
  menu.Enable(IDM_READONLY, s.D && s.H);
  menu.Check(IDM_READONLY, s.D && s.H && s.R);
  menu.Enable(IDM_SHOWCLIPBOARD, true, kButton);
  menu.Enable(IDM_WORDWRAP, s.D);
  menu.Check(IDM_WORDWRAP, s.W);
  menu.Enable(IDM_GOTOLINE, s.D, kButton);
  menu.Enable(IDM_OEMTOANSI, s.D && !s.R);
  menu.Enable(IDM_ANSITOOEM, s.D && !s.R);
  menu.Enable(IDM_TOOLBAR, true);
  menu.Check(IDM_TOOLBAR, toolbarShown);
  menu.Enable(IDM_CUSTOMIZE, toolbarShown);
  menu.Enable(IDM_STATUSBAR, true);
  menu.Check(IDM_STATUSBAR, statusShown);
  menu.Enable(IDM_MINIMIZE, true);
  menu.Enable(IDM_TOPMOST, true, kButton);
  menu.Check(IDM_TOPMOST, options.TopMost != 0);
  SetButtonChecked(ToolbarWindow, IDM_TOPMOST, options.TopMost != 0);
  menu.Enable(IDM_HELPCONTENTS, true, kButton);
  menu.Enable(IDM_HELPSEARCH, true);
  menu.Enable(IDM_HELPONHELP, true);
  menu.Enable(IDM_SETUP, true);
  menu.Enable(IDM_ABOUT, true, kButton);
  menu.Enable(IDM_TILEVERTICAL, s.D, kButton);
  menu.Enable(IDM_TILEHORIZONTAL, s.D, kButton);
  menu.Enable(IDM_CASCADE, s.D, kButton);
  menu.Enable(IDM_ARRANGEICONS, s.D);
  menu.Enable(IDM_CLOSEALL, s.D, kButton);
  menu.Enable(IDM_DUPLICATE, s.D);
  menu.Enable(IDM_SYSEDITFILES, true);
  menu.Enable(IDM_ERRORCODES, true, kButton);
  menu.Enable(IDM_ASCIICHART, true, kButton);
  menu.Enable(IDM_CUSTOMIZETOOLS, true);
  menu.Enable(IDM_CUSTOMIZEMACROS, true);
  RefreshListItems(menu, options, s);
  return 1;
}

void ShowMenuHelp(WPARAM menuSelect) {
  if (!StatusBar || !IsWindowVisible(StatusBar)) return;
  const UINT id = LOWORD(menuSelect);
  const UINT flags = HIWORD(menuSelect);
  if (id >= 101 && id <= 999) {
    // Popups and system-menu items leave the text as it is.
    if (!(flags & MF_POPUP) && !(flags & MF_SYSMENU)) SetStatus(id);
    return;
  }
  SetStatus(60000);
}
