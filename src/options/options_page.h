// What every page of the options sheet shares: how a page gets its data, the steps each page
// runs on activation, leaving, OK and Help, and a runner that wires them for a simple page.
//
// The contract for a page procedure (a DLGPROC hosted by the sheet):
// - WM_INITDIALOG: lParam is the PROPSHEETPAGEA* of the page; its lParam is the page's data, as
//   the page table says (OptionsPageData): the sheet's copy of the options, the copy's
//   PageSetupRecord, the copy's ShellRequestRecord or the copy's Options placement. Keep it
//   with RememberPageData and read it back with PageData; nothing else carries state between
//   messages, so every opening of the sheet starts the page afresh.
// - PSN_SETACTIVE: SetStatus with the page's text, fill the controls from the data, then
//   PositionOptionsSheet (ActivateOptionsPage does the status and the position).
// - PSN_KILLACTIVE and PSN_APPLY (leaving the page, OK): store the controls into the data; on
//   success StoreSheetPosition; the answer goes through AnswerPageStore, which keeps the page
//   in front after a failed check (the sheet neither switches pages nor closes).
// - PSN_HELP: ShowPageHelp with the page's help topic.
// The sheet hands every page PSP_HASHELP and builds in-memory templates before it opens.
#pragma once
#include <windows.h>
#include <prsht.h>

#include "settings/options.h"

// Keeps the page's data (the PROPSHEETPAGEA lParam) in the page window; returns it.
LPARAM RememberPageData(HWND page, LPARAM initDialogParam);
template <typename T>
T* PageData(HWND page) {
  return reinterpret_cast<T*>(GetWindowLongPtrA(page, DWLP_USER));
}

// Where the sheet opens: the placement's corner, its left at most the screen's right - 70 and
// its top at most the screen's bottom - 70; nothing else is clamped.
POINT OptionsSheetOrigin(const PlacementRecord& placement, const RECT& screen);
// Every page is 320 by 172 dialog units of its own font.
constexpr short kOptionsPageWidth = 320;
constexpr short kOptionsPageHeight = 172;
// Grows the sheet when the page does not fit, and makes the page fill the room (in
// PositionOptionsSheet, so every activation does it).
void FitOptionsPage(HWND page);
// Fits the page, then moves the sheet (the page's parent) to OptionsSheetOrigin, keeping its
// size.
void PositionOptionsSheet(HWND page, const PlacementRecord& placement);
// Activation: the page's status text, then the sheet positioned. Fill the controls before.
void ActivateOptionsPage(HWND page, UINT statusId, const PlacementRecord& placement);
// Records where the sheet stands now into the placement (after a successful store).
void StoreSheetPosition(HWND page, PlacementRecord& placement);
// Answers PSN_KILLACTIVE or PSN_APPLY (`code`) with the outcome of the page's store: a failed
// store keeps the page in front. Returns TRUE, the dialog procedure's result for a notice.
BOOL AnswerPageStore(HWND page, UINT code, int stored);
// Sets a notice's answer and returns TRUE (a page procedure's result for a handled notice).
BOOL KeepPageInFront(HWND page);
// Help: the topic in the help window, or message 60104 when it cannot be shown.
void ShowPageHelp(HWND page, UINT topic);

// A page described by its parts; RunOptionsPage does the common steps around them.
struct OptionsPageBehaviour {
  UINT statusId;
  UINT helpTopic;
  // The placement the sheet is positioned by and stored into, from the page's data.
  PlacementRecord* (*placement)(LPARAM data);
  void (*fill)(HWND page, LPARAM data);
  int (*store)(HWND page, LPARAM data);  // 0 keeps the page in front; null: nothing to store
  // WM_COMMAND from the page's controls; null when the page has none that act. TRUE if handled.
  BOOL (*command)(HWND page, LPARAM data, WORD id, WORD code);
  // Called once at WM_INITDIALOG (edit limits, icons); may be null.
  void (*init)(HWND page, LPARAM data);
};
INT_PTR RunOptionsPage(const OptionsPageBehaviour& page, HWND window, UINT message, WPARAM wParam,
                       LPARAM lParam);

// The common placement getter of pages whose data is the sheet's copy of the options.
PlacementRecord* CopyPlacement(LPARAM data);
