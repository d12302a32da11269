// The Display Font and Printer Font commands.
#include "app/fonts.h"

#include "base/globals.h"
#include "docset/document_set.h"
#include "document/edit_control.h"
#include "resources/resource.h"
#include "ui/message_dialogs.h"
#include "ui/status.h"
#include "windows/character_chart.h"

HFONT ChooseFontFromRecord(HWND owner, FontRecord& record) {
  LOGFONTA chosen = record.Font;  // Cancel must leave the record as it was
  CHOOSEFONTA dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpLogFont = &chosen;
  dialog.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT;
  if (!ChooseFontA(&dialog)) return nullptr;
  record.Font = chosen;
  HFONT font = CreateFontIndirectA(&record.Font);
  if (!font) {
    ShowError(60001, record.Font.lfFaceName, static_cast<int>(record.Font.lfHeight),
              static_cast<int>(GetLastError()));
  }
  return font;
}

void ChooseDisplayFont(HWND frame, AppOptionsRecord& options) {
  SetStatus(IDM_DISPLAYFONT);
  FontRecord& record = OptionRecords.DisplayFontRecord;
  HFONT font = ChooseFontFromRecord(frame, record);
  if (!font) return;
  if (DisplayFont) DeleteObject(DisplayFont);
  DisplayFont = font;
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
  HFONT font = ChooseFontFromRecord(frame, OptionRecords.PrinterFontRecord);
  if (font) DeleteObject(font);
  SaveOptions(options, OptionRecords);
}
