// The options record's defaults: what loading takes for every value that is not stored.
#include "settings/options.h"

#include <cstring>
#include <initializer_list>

#include "resources/resource.h"
#include "ui/message_dialogs.h"
#include "ui/strings.h"

AppOptionsRecord AppOptions;
SideRecords OptionRecords;

namespace {

void CopyText(char* destination, size_t capacity, const char* text) {
  lstrcpynA(destination, text, static_cast<int>(capacity));
}

void SetDefaultPageSetup(PageSetupRecord& page) {
  page.LeftMargin = page.TopMargin = page.RightMargin = page.BottomMargin = 500;
  CopyText(page.Header, sizeof page.Header, "File: $F - $D - $T");
  CopyText(page.Footer, sizeof page.Footer, "- Page $P -");
  page.ShowHeader = page.CenterHeader = page.ShowFooter = page.CenterFooter = 1;
  page.Landscape = 0;
  page.SheetPlacement = nullptr;
}

}  // namespace

void SetDefaultPlacement(PlacementRecord& placement) {
  placement.Top = 35;
  placement.Left = 35;
  placement.Width = 350;
  placement.Height = 200;
  placement.Show = 1;
}

void SetDefaultFont(FontRecord& font) {
  std::memset(&font, 0, sizeof font);
  font.Font.lfHeight = -10;
  font.Font.lfWeight = 400;
  font.Font.lfOutPrecision = 1;
  font.Font.lfClipPrecision = 2;
  font.Font.lfQuality = 1;
  font.Font.lfPitchAndFamily = 34;
  CopyText(font.Font.lfFaceName, sizeof font.Font.lfFaceName, "MS Sans Serif");
}

void SetDefaultOptions(AppOptionsRecord& options, SideRecords& records) {
  std::memset(&options, 0, sizeof options);
  SetDefaultPlacement(options.Window);
  options.ToolBar = 1;
  options.Status = 1;
  options.Tips = 1;
  options.Sounds = 1;
  options.NewDoc = 1;
  options.Maximized = 1;
  options.Backup = 1;
  options.Splash = 1;
  options.Tabs = 4;
  options.ShowDate = options.LongDate = options.ShowTime = options.DateFirst = 1;
  options.Ascending = options.IgnoreCase = 1;
  SetDefaultPageSetup(options.PageSetup);
  for (PlacementRecord* placement : {&options.Sort, &options.Find, &options.Replace, &options.GoTo,
                                     &options.Options, &options.Errors, &options.ASCII}) {
    SetDefaultPlacement(*placement);
  }
  for (int i = 0; i < kListSlots; ++i) {
    char filter[kStringCapacity] = "";
    if (GetString(filter, IDS_FILTER_FIRST + i)) {
      CopyText(options.Filters[i], sizeof options.Filters[i], filter);
    }
  }

  std::memset(&records, 0, sizeof records);
  SetDefaultFont(records.DisplayFontRecord);
  SetDefaultFont(records.PrinterFontRecord);
  for (PlacementRecord* placement :
       {&records.GetFile, &records.PutFile, &records.Setup, &records.Property}) {
    SetDefaultPlacement(*placement);
  }
}
