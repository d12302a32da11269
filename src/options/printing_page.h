// The Printing page of the options sheet: header, footer and margins of printed pages, edited in
// the sheet's copy of the page setup.
#pragma once
#include <windows.h>

#include "settings/options.h"

// Shows the record in the page's fields and boxes; returns 1. (The page's activation adds the
// status text and moves the sheet to its remembered place.)
int FillPageSetup(HWND page, const PageSetupRecord& record);
// Reads the page back into the record; 0, after telling the user, when a ticked header or
// footer has no text (the check boxes read before the check stay stored, the text does not).
// Leaving the page or OK records the sheet's position after a successful store.
int StorePageSetup(HWND page, PageSetupRecord& record);
// The margin in edit `controlId` (at most 255 characters), in thousandths of an inch.
long ParseInches(HWND page, int controlId);

// The page's dialog procedure; its PROPSHEETPAGE's lParam is the PageSetupRecord.
INT_PTR CALLBACK PrintingPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
