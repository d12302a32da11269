// The Explorer and Version pages of the options sheet, built in memory at run time.
#pragma once
#include <windows.h>

#include "ui/global_block.h"

// Explorer page controls: the three "%s" labels and the Create/Remove box pairs.
enum ExplorerControl : WORD {
  kDesktopLabel = 101,
  kCreateDesktopBox = 102,
  kRemoveDesktopBox = 103,
  kStartMenuLabel = 104,
  kCreateStartMenuBox = 105,
  kRemoveStartMenuBox = 106,
  kStartupLabel = 107,
  kCreateStartupBox = 108,
  kRemoveStartupBox = 109,
};
// Version page controls: the five rows 101-105 and the web button.
constexpr WORD kFirstVersionRow = 101;
constexpr int kVersionRows = 5;
constexpr WORD kWebButton = 6;
// The maker's web site: the button's text, and the address it opens.
constexpr const char* kWebSiteText = "www.veldmark.example";
constexpr const char* kWebSiteAddress = "https://www.veldmark.example/";

// Each returns the locked block holding the page's template, or an empty one after reporting
// that the memory could not be had.
GlobalBlock BuildExplorerTemplate();
GlobalBlock BuildVersionTemplate();
