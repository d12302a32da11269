// The Display Font and Printer Font commands.
#include "app/fonts.h"

#include <utility>

#include "base/globals.h"
#include "docset/document_set.h"
#include "document/edit_control.h"
#include "resources/resource.h"
#include "ui/message_dialogs.h"
#include "ui/status.h"
#include "windows/character_chart.h"

FontOwner ChooseFontFromRecord(HWND owner, FontRecord& record) {
  LOGFONTA chosen = record.Font;  // Cancel must leave the record as it was
  CHOOSEFONTA dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpLogFont = &chosen;
  dialog.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT;
  CloseSplash();
  if (!ChooseFontA(&dialog)) return FontOwner();
  record.Font = chosen;
  FontOwner font(CreateFontIndirectA(&record.Font));
  if (!font) {
    ShowError(60001, record.Font.lfFaceName, static_cast<int>(record.Font.lfHeight),
              static_cast<int>(GetLastError()));
  }
  return font;
}

void ChooseDisplayFont(HWND frame, AppOptionsRecord& options) {
  SetStatus(IDM_DISPLAYFONT);
  FontRecord& record = OptionRecords.DisplayFontRecord;
  FontOwner chosen = ChooseFontFromRecord(frame, record);
  if (!chosen) return;
  HFONT font = chosen.get();
  SetDisplayFont(std::move(chosen));
  SaveOptions(options, OptionRecords);
  ForEachDocWindow([font](HWND document) {
    HWND edit = DocEditControl(document);
    if (!edit) return;
    // Hidden while the font changes, so a long document is laid out once, not redrawn twice.
    ShowWindow(edit, SW_HIDE);
    SendMessageA(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    ShowWindow(edit, SW_SHOW);
  });
  RefreshCharacterChart(record.Font.lfFaceName, 1);
}

void ChoosePrinterFont(HWND frame, AppOptionsRecord& options) {
  SetStatus(IDM_PRINTERFONT);
  // Only the record matters: printing builds its fonts from it.
  ChooseFontFromRecord(frame, OptionRecords.PrinterFontRecord);
  SaveOptions(options, OptionRecords);
}
