// The frame's customisable toolbar.
#include "app/toolbar.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/globals.h"
#include "resources/resource.h"
#include "settings/settings_store.h"
#include "ui/help.h"
#include "ui/message_dialogs.h"
#include "ui/status.h"
#include "ui/strings.h"

namespace {

constexpr TBBUTTON Button(int image, int command) {
  return TBBUTTON{image, command, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0};
}
constexpr TBBUTTON Separator() {
  return TBBUTTON{0, 0, TBSTATE_ENABLED, BTNS_SEP, {}, 0, 0};
}

const TBBUTTON kButtonTable[kToolbarEntries] = {
    Separator(),
    Button(0, IDM_NEW),
    Separator(),
    Button(1, IDM_OPEN),
    Button(2, IDM_SAVE),
    Separator(),
    Button(3, IDM_CLOSE),
    Button(4, IDM_SAVEAS),
    Separator(),
    Button(5, IDM_PRINT),
    Button(6, IDM_PROPERTIES),
    Separator(),
    Button(7, IDM_UNDO),
    Separator(),
    Button(8, IDM_CUT),
    Button(9, IDM_COPY),
    Button(10, IDM_PASTE),
    Separator(),
    Button(11, IDM_DELETE),
    Separator(),
    Button(12, IDM_SHOWCLIPBOARD),
    Separator(),
    Button(13, IDM_FIND),
    Button(14, IDM_REPLACE),
    Button(15, IDM_GOTOLINE),
    Separator(),
    Button(16, IDM_TILEVERTICAL),
    Button(17, IDM_TILEHORIZONTAL),
    Button(18, IDM_CASCADE),
    Separator(),
    Button(19, IDM_DISPLAYFONT),
    Button(20, IDM_OPTIONS),
    Separator(),
    Button(21, IDM_HELPCONTENTS),
    Button(22, IDM_ABOUT),
    // Offered only in the customisation dialog:
    TBBUTTON{23, IDM_TOPMOST, TBSTATE_ENABLED, BTNS_CHECK, {}, 0, 0},
    Button(24, IDM_SORT),
    Button(25, IDM_SAVEALL),
    Button(26, IDM_CLOSEALL),
    Button(27, IDM_ASCIICHART),
    Button(28, IDM_ERRORCODES),
    Button(29, IDM_REFRESH),
    Button(30, IDM_INSERTDATE),
};

const TBBUTTON* FindEntryByCommand(int command) {
  for (const TBBUTTON& entry : kButtonTable) {
    if (entry.idCommand == command && command != 0) return &entry;
  }
  return nullptr;
}

// Fills the button that the toolbar is restoring from its saved command id.
LRESULT OnRestore(NMTBRESTORE* restore) {
  if (restore->iItem < 0) return 0;  // the header: go on with the buttons
  const TBBUTTON* entry = FindEntryByCommand(restore->tbButton.idCommand);
  if (entry) {
    restore->tbButton.iBitmap = entry->iBitmap;
    restore->tbButton.fsState = entry->fsState;
    restore->tbButton.fsStyle = entry->fsStyle;
  } else {
    restore->tbButton.iBitmap = 0;
    restore->tbButton.idCommand = 0;
    restore->tbButton.fsState = 0;
    restore->tbButton.fsStyle = BTNS_SEP;
  }
  return 0;
}

LRESULT OnGetButtonInfo(NMTOOLBARA* info) {
  if (info->iItem < 0 || info->iItem >= kToolbarEntries) return FALSE;
  const TBBUTTON& entry = kButtonTable[info->iItem];
  info->tbButton = entry;
  if (info->pszText && info->cchText > 0) {
    info->pszText[0] = '\0';
    char text[kStringCapacity];
    if (entry.idCommand != 0 && GetString(text, IDS_TOOLTIP_BASE + entry.idCommand)) {
      lstrcpynA(info->pszText, text, info->cchText);
    }
  }
  return TRUE;
}

// Tooltip texts must outlive the notification.
char tooltipText[kStringCapacity];
WCHAR tooltipWideText[kStringCapacity];

void OnTooltipText(NMHDR* header, const AppOptionsRecord& options, bool wide) {
  tooltipText[0] = '\0';
  if (options.Tips) GetString(tooltipText, IDS_TOOLTIP_BASE + static_cast<UINT>(header->idFrom));
  if (wide) {
    MultiByteToWideChar(CP_ACP, 0, tooltipText, -1, tooltipWideText, kStringCapacity);
    reinterpret_cast<NMTTDISPINFOW*>(header)->lpszText = tooltipWideText;
  } else {
    reinterpret_cast<NMTTDISPINFOA*>(header)->lpszText = tooltipText;
  }
}

constexpr const char* kLayoutSection = "DeskTop\\Window\\ToolBar";

// Without a product key (portable use) the control cannot keep its layout, so it is kept in
// the settings store as the buttons' command ids in order, 0 for a separator.
void SaveLayoutAsText(const char* valueName) {
  std::string text;
  const LRESULT count = SendMessageA(ToolbarWindow, TB_BUTTONCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    TBBUTTON button = {};
    if (!SendMessageA(ToolbarWindow, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button))) continue;
    if (!text.empty()) text += ' ';
    text += std::to_string((button.fsStyle & BTNS_SEP) ? 0 : button.idCommand);
  }
  WriteString(kLayoutSection, valueName, text.c_str());
}

void RestoreLayoutFromText(const char* valueName) {
  char text[1024] = "";
  ReadString(kLayoutSection, valueName, "", text, sizeof text);
  if (!text[0]) return;  // nothing stored: the layout stays as it is
  std::vector<TBBUTTON> buttons;
  for (const char* next = text; *next;) {
    char* end = nullptr;
    const long command = std::strtol(next, &end, 10);
    if (end == next) break;  // not a number: the rest is ignored
    next = end;
    const TBBUTTON* entry = FindEntryByCommand(static_cast<int>(command));
    if (command == 0) buttons.push_back(Separator());
    if (entry) buttons.push_back(*entry);
  }
  if (buttons.empty()) return;
  while (SendMessageA(ToolbarWindow, TB_DELETEBUTTON, 0, 0)) {
  }
  SendMessageA(ToolbarWindow, TB_ADDBUTTONSA, buttons.size(),
               reinterpret_cast<LPARAM>(buttons.data()));
}

void SaveOrRestore(const char* valueName, BOOL save) {
  if (!ToolbarWindow) return;
  if (!ProductKeyPath[0]) {
    save ? SaveLayoutAsText(valueName) : RestoreLayoutFromText(valueName);
    return;
  }
  char subKey[512];
  std::snprintf(subKey, sizeof subKey, "%s\\DeskTop\\Window\\ToolBar", ProductKeyPath);
  TBSAVEPARAMSA params = {HKEY_CURRENT_USER, subKey, valueName};
  SendMessageA(ToolbarWindow, TB_SAVERESTOREA, save, reinterpret_cast<LPARAM>(&params));
}

}  // namespace

int BuildToolbar(HWND frame, const AppOptionsRecord& options) {
  // The strip holds 16 x 16 images; all 31 are added so that the buttons offered when
  // customising show their pictures too.
  ToolbarWindow = CreateToolbarEx(frame, ToolbarStyle | CCS_ADJUSTABLE, IDC_TOOLBAR, kToolbarImages,
                                  AppInstance, IDB_TOOLBAR, kButtonTable, kStandardButtons, 0, 0,
                                  kToolbarImageSize, kToolbarImageSize, sizeof(TBBUTTON));
  if (!ToolbarWindow) return 0;
  SaveToolbarLayout(kStandardLayout);
  RestoreToolbarLayout(kCustomLayout);
  if (!options.ToolBar) ShowWindow(ToolbarWindow, SW_HIDE);
  return 1;
}

void SaveToolbarLayout(const char* valueName) {
  SaveOrRestore(valueName, TRUE);
}

void RestoreToolbarLayout(const char* valueName) {
  SaveOrRestore(valueName, FALSE);
}

void CustomizeToolbar(HWND frame) {
  if (!ToolbarWindow) return;
  SendMessageA(ToolbarWindow, TB_CUSTOMIZE, 0, 0);
  InvalidateRect(frame, nullptr, TRUE);
}

void SetButtonEnabled(HWND toolbar, UINT command, bool enabled) {
  if (!toolbar || SendMessageA(toolbar, TB_COMMANDTOINDEX, command, 0) < 0) return;
  SendMessageA(toolbar, TB_HIDEBUTTON, command, FALSE);
  const LRESULT state = SendMessageA(toolbar, TB_GETSTATE, command, 0);
  const LRESULT wanted = enabled
                             ? (state & ~(TBSTATE_INDETERMINATE | TBSTATE_HIDDEN)) | TBSTATE_ENABLED
                             : TBSTATE_INDETERMINATE;
  if (state != wanted) SendMessageA(toolbar, TB_SETSTATE, command, MAKELPARAM(wanted, 0));
}

void SetButtonChecked(HWND toolbar, UINT command, bool checked) {
  if (!toolbar || SendMessageA(toolbar, TB_COMMANDTOINDEX, command, 0) < 0) return;
  SendMessageA(toolbar, TB_CHECKBUTTON, command, MAKELPARAM(checked ? TRUE : FALSE, 0));
}

LRESULT HandleToolbarNotify(HWND frame, NMHDR* notification, AppOptionsRecord& options) {
  if (!notification) return 0;
  switch (notification->code) {
    case TBN_CUSTHELP:
      ContextHelp(frame, 550);
      return 0;
    case TBN_QUERYDELETE:
    case TBN_QUERYINSERT:
      return TRUE;
    case TBN_RESET:
      RestoreToolbarLayout(kStandardLayout);
      return 0;
    case TBN_BEGINADJUST:
      SetStatus(IDM_CUSTOMIZE);
      return 0;
    case TBN_ENDADJUST:
      SaveToolbarLayout(kCustomLayout);
      SaveOptions(options, OptionRecords);
      return 0;
    case TBN_GETBUTTONINFOA:
      return OnGetButtonInfo(reinterpret_cast<NMTOOLBARA*>(notification));
    case TBN_RESTORE:
      return OnRestore(reinterpret_cast<NMTBRESTORE*>(notification));
    case TTN_GETDISPINFOA:
      OnTooltipText(notification, options, false);
      return 0;
    case TTN_GETDISPINFOW:
      OnTooltipText(notification, options, true);
      return 0;
    default:
      return 0;
  }
}
