// The command table: one line per command id or id range.
#include "app/commands.h"

#include "app/fonts.h"
#include "app/frame_layout.h"
#include "app/menu_state.h"
#include "app/options_command.h"
#include "app/printer_setup.h"
#include "app/toolbar.h"
#include "app/topmost.h"
#include "base/globals.h"
#include "docset/create_document.h"
#include "docset/document_set.h"
#include "docset/doc_commands.h"
#include "docset/launch_tool.h"
#include "document/doc_window.h"
#include "document/edit_control.h"
#include "editing/clipboard.h"
#include "editing/find_replace.h"
#include "docset/document_lists.h"
#include "files/file_prompts.h"
#include "resources/resource.h"
#include "ui/help.h"
#include "ui/status.h"
#include "windows/character_chart.h"
#include "windows/error_codes.h"
#include "windows/splash.h"

static_assert(IDM_RECENT_LAST - IDM_RECENT_FIRST + 1 == kListSlots, "nine recent files");
static_assert(IDM_TOOL_LAST - IDM_TOOL_FIRST + 1 == kListSlots, "nine tools");
static_assert(IDM_MACRO_LAST - IDM_MACRO_FIRST + 1 == kListSlots, "nine macros");

namespace {

using CommandHandler = void (*)(HWND frame, UINT id, AppOptionsRecord& options);

struct CommandEntry {
  UINT first;
  UINT last;
  CommandHandler handler;
};

void OnOpen(HWND frame, UINT id, AppOptionsRecord& options) {
  BulkOperation = TRUE;
  SetStatus(id);
  PromptOpenDocuments(frame, IDS_OPEN_FILTERS, IDS_OPEN_TITLE, options, OpenChosenDocument);
  BulkOperation = FALSE;
}

void OnOptions(HWND frame, UINT, AppOptionsRecord& options) {
  if (OpenOptions(frame, options, kEditorPage)) {
    ForEachDocWindow(
        [&](HWND document) { ApplyEditBackground(DocEditControl(document), options.LtGray); });
  }
}

void OnTile(HWND, UINT id, AppOptionsRecord&) {
  SendMessageA(MdiClient, WM_MDITILE,
               id == IDM_TILEVERTICAL ? MDITILE_VERTICAL : MDITILE_HORIZONTAL, 0);
}

const CommandEntry kFrameCommands[] = {
    {IDM_NEW, IDM_NEW,
     [](HWND f, UINT, AppOptionsRecord& o) { CreateDocWindow(f, nullptr, 0, o); }},
    {IDM_OPEN, IDM_OPEN, OnOpen},
    {IDM_SAVEALL, IDM_SAVEALL, [](HWND, UINT, AppOptionsRecord& o) { SaveAllDocuments(o); }},
    {IDM_PAGESETUP, IDM_PAGESETUP,
     [](HWND f, UINT, AppOptionsRecord& o) { OpenOptions(f, o, kPrintingPage); }},
    {IDM_PRINTERSETUP, IDM_PRINTERSETUP, [](HWND f, UINT, AppOptionsRecord&) { PrinterSetup(f); }},
    {IDM_OPTIONS, IDM_OPTIONS, OnOptions},
    {IDM_SETUP, IDM_SETUP,
     [](HWND f, UINT, AppOptionsRecord& o) { OpenOptions(f, o, kExplorerPage); }},
    {IDM_OPENLIST, IDM_OPENLIST, [](HWND f, UINT, AppOptionsRecord& o) { OpenListCommand(f, o); }},
    {IDM_BUILDLIST, IDM_BUILDLIST,
     [](HWND f, UINT, AppOptionsRecord& o) { BuildIndirectList(f, o); }},
    {IDM_SYSEDITFILES, IDM_SYSEDITFILES,
     [](HWND f, UINT, AppOptionsRecord& o) { OpenOptions(f, o, kSysEditPage); }},
    {IDM_RECENT_FIRST, IDM_RECENT_LAST,
     [](HWND f, UINT id, AppOptionsRecord& o) {
       OpenRecentFile(f, static_cast<int>(id - IDM_RECENT_FIRST), o);
     }},
    {IDM_EXIT, IDM_EXIT,
     [](HWND f, UINT, AppOptionsRecord&) { SendMessageA(f, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    {IDM_FIND, IDM_FIND, [](HWND f, UINT, AppOptionsRecord& o) { OpenFindDialog(f, 0, o); }},
    {IDM_REPLACE, IDM_REPLACE, [](HWND f, UINT, AppOptionsRecord& o) { OpenFindDialog(f, 1, o); }},
    {IDM_SHOWCLIPBOARD, IDM_SHOWCLIPBOARD,
     [](HWND f, UINT, AppOptionsRecord&) { ShowClipboard(f); }},
    {IDM_STATUSBAR, IDM_STATUSBAR,
     [](HWND f, UINT, AppOptionsRecord& o) { ToggleStatusBar(f, o); }},
    {IDM_TOOLBAR, IDM_TOOLBAR, [](HWND f, UINT, AppOptionsRecord& o) { ToggleToolbar(f, o); }},
    {IDM_CUSTOMIZE, IDM_CUSTOMIZE, [](HWND f, UINT, AppOptionsRecord&) { CustomizeToolbar(f); }},
    {IDM_TOOL_FIRST, IDM_TOOL_LAST,
     [](HWND f, UINT id, AppOptionsRecord& o) {
       LaunchTool(f, ActiveDocWindow, o.Tools[id - IDM_TOOL_FIRST], o);
     }},
    {IDM_ERRORCODES, IDM_ERRORCODES,
     [](HWND, UINT, AppOptionsRecord& o) { OpenErrorCodes(&o.Errors); }},
    {IDM_ASCIICHART, IDM_ASCIICHART,
     [](HWND, UINT, AppOptionsRecord& o) {
       OpenCharacterChart(&o.ASCII, OptionRecords.DisplayFontRecord.Font.lfFaceName, 1);
     }},
    {IDM_CUSTOMIZETOOLS, IDM_CUSTOMIZETOOLS,
     [](HWND f, UINT, AppOptionsRecord& o) { OpenOptions(f, o, kToolsPage); }},
    {IDM_CUSTOMIZEMACROS, IDM_CUSTOMIZEMACROS,
     [](HWND f, UINT, AppOptionsRecord& o) { OpenOptions(f, o, kMacrosPage); }},
    {IDM_MINIMIZE, IDM_MINIMIZE,
     [](HWND f, UINT, AppOptionsRecord&) { ShowWindow(f, SW_MINIMIZE); }},
    {IDM_TOPMOST, IDM_TOPMOST, [](HWND f, UINT, AppOptionsRecord& o) { ToggleTopmost(f, o); }},
    {IDM_DISPLAYFONT, IDM_DISPLAYFONT,
     [](HWND f, UINT, AppOptionsRecord& o) { ChooseDisplayFont(f, o); }},
    {IDM_PRINTERFONT, IDM_PRINTERFONT,
     [](HWND f, UINT, AppOptionsRecord& o) { ChoosePrinterFont(f, o); }},
    {IDM_TILEVERTICAL, IDM_TILEHORIZONTAL, OnTile},
    {IDM_CASCADE, IDM_CASCADE,
     [](HWND, UINT, AppOptionsRecord&) { SendMessageA(MdiClient, WM_MDICASCADE, 0, 0); }},
    {IDM_ARRANGEICONS, IDM_ARRANGEICONS,
     [](HWND, UINT, AppOptionsRecord&) { SendMessageA(MdiClient, WM_MDIICONARRANGE, 0, 0); }},
    {IDM_CLOSEALL, IDM_CLOSEALL, [](HWND, UINT, AppOptionsRecord& o) { CloseAllDocuments(o); }},
    {IDM_HELPCONTENTS, IDM_HELPONHELP,
     [](HWND f, UINT id, AppOptionsRecord&) { UserHelp(f, id, nullptr); }},
    {IDM_ABOUT, IDM_ABOUT, [](HWND, UINT, AppOptionsRecord&) { ShowSplash(); }},
};

const CommandEntry* FindFrameCommand(UINT id) {
  for (const CommandEntry& entry : kFrameCommands) {
    if (id >= entry.first && id <= entry.last) return &entry;
  }
  return nullptr;
}

}  // namespace

bool DispatchFrameCommand(HWND frame, UINT id, AppOptionsRecord& options) {
  if (LoadingDocWindow) {
    // Only a command sent from outside can arrive while a text streams in (input waits in the
    // queue): it is refused rather than run on a half-loaded document.
    MessageBeep(MB_OK);
    return true;
  }
  if (IsDocumentCommand(id)) {
    if (ActiveDocWindow) SendMessageA(ActiveDocWindow, WM_COMMAND, id, 0);
  } else if (const CommandEntry* entry = FindFrameCommand(id)) {
    entry->handler(frame, id, options);
  } else {
    return false;
  }
  RefreshCommandState(frame, options);
  return true;
}
