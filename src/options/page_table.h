// The nine pages of the options sheet, in their order: one entry per page. A page's template is
// either a dialog resource or a builder that makes it in memory before the sheet opens.
#pragma once
#include <windows.h>

#include "options/options_page.h"
#include "ui/global_block.h"

constexpr int kOptionsPageCount = 9;

// What a page gets as its data (PROPSHEETPAGEA lParam), taken from the sheet's copy.
enum class PageDataKind {
  Copy,           // AppOptionsRecord*: the whole copy
  PageSetup,      // PageSetupRecord*: the copy's page setup
  ShellRequests,  // ShellRequestRecord*: the copy's Explorer page requests
  Placement,      // PlacementRecord*: the copy's Options placement
};

struct OptionsPageEntry {
  UINT titleId;               // the tab's text, a string resource
  WORD templateId;            // dialog resource, or 0 when `buildTemplate` makes it
  GlobalBlock (*buildTemplate)();  // in-memory template, or an empty block after its message
  DLGPROC proc;
  PageDataKind data;
};

// The table, kOptionsPageCount entries in page order (the start-page numbers).
const OptionsPageEntry* OptionsPages();
// The data a page of that kind gets from the sheet's copy.
LPARAM OptionsPageData(PageDataKind kind, AppOptionsRecord& copy);
