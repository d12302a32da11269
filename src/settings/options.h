// The options record: everything Norvel remembers between runs, plus a few run-time flags.
// Field names are the registry value names under which the settings store keeps them.
#pragma once
#include <windows.h>
#include <commdlg.h>
// The two search fields share their names with the dialog functions' generic macros; the program
// calls FindTextA and ReplaceTextA by name, so the fields keep their own names in every file.
#undef FindText
#undef ReplaceText

constexpr int kPathCapacity = 256;        // 255 characters and the terminator
constexpr int kNameCapacity = 36;         // tool and macro names: 35 characters
constexpr int kMacroTextCapacity = 2048;  // macro texts: 2047 characters
constexpr int kListSlots = 9;             // recent files, SysEdit files, filters, tools, macros

struct PlacementRecord {
  LONG Top;
  LONG Left;
  LONG Height;
  LONG Width;
  LONG Show;
};

struct FontRecord {
  LOGFONTA Font;  // stored value by value in the Font\Display or Font\Printer section
  HFONT Handle;   // made from Font at run time, never stored
  COLORREF Colour;
};

struct ToolRecord {
  DWORD Active;
  char Name[kNameCapacity];
  char Program[kPathCapacity];
  char Command[kPathCapacity];
  char Folder[kPathCapacity];
  DWORD Launch;
  DWORD Hide;
  DWORD Save;
};

struct MacroRecord {
  DWORD Active;
  char Name[kNameCapacity];
  char Text[kMacroTextCapacity];
};

struct PageSetupRecord {
  LONG LeftMargin;
  LONG TopMargin;
  LONG RightMargin;
  LONG BottomMargin;
  char Header[kPathCapacity];
  char Footer[kPathCapacity];
  DWORD ShowHeader;
  DWORD CenterHeader;
  DWORD ShowFooter;
  DWORD CenterFooter;
  DWORD Landscape;
  PlacementRecord* SheetPlacement;  // run-time: the options sheet's placement, never stored
};

// Requests of the Explorer page, carried out when the options sheet closes with OK.
struct ShellRequestRecord {
  DWORD CreateStartMenu;
  DWORD RemoveStartMenu;
  DWORD CreateDesktop;
  DWORD RemoveDesktop;
  DWORD CreateStartup;
  DWORD RemoveStartup;
  PlacementRecord* SheetPlacement;  // run-time
};

struct AppOptionsRecord {
  char FileSpec[kPathCapacity];
  DWORD CommandLineFile;  // run-time
  PlacementRecord Window;
  DWORD ToolBar;
  DWORD Status;
  DWORD Tips;
  DWORD TopMost;
  DWORD LtGray;
  DWORD Sounds;
  DWORD TaskTray;
  DWORD ReadOnly;
  DWORD LoadLast;
  DWORD NewDoc;
  DWORD Maximized;
  DWORD Backup;
  DWORD Splash;
  LONG Tabs;
  DWORD FromTop;
  DWORD MatchCase;
  DWORD WholeWords;
  DWORD SysEditRequested;  // run-time
  DWORD AutoSave;
  DWORD ListRequested;  // run-time
  DWORD ReplaceMode;    // run-time
  DWORD WordWrap;
  DWORD ZoomChildren;  // run-time
  DWORD ShowDate;
  DWORD LongDate;
  DWORD ShowTime;
  DWORD DateFirst;
  DWORD Ascending;
  DWORD IgnoreCase;
  PlacementRecord Sort;
  ShellRequestRecord ShellRequests;  // run-time
  PageSetupRecord PageSetup;
  PlacementRecord Find;
  PlacementRecord Replace;
  PlacementRecord GoTo;
  PlacementRecord Options;
  PlacementRecord Errors;
  PlacementRecord ASCII;
  char FindText[kPathCapacity];
  char ReplaceText[kPathCapacity];
  char RecentFiles[kListSlots][kPathCapacity];
  char SysEditFiles[kListSlots][kPathCapacity];
  char Filters[kListSlots][kPathCapacity];
  ToolRecord Tools[kListSlots];
  MacroRecord Macros[kListSlots];
};

// The records kept beside the options record.
struct SideRecords {
  FontRecord DisplayFontRecord;  // Font\Display
  FontRecord PrinterFontRecord;  // Font\Printer
  PlacementRecord GetFile;       // DeskTop\GetFile
  PlacementRecord PutFile;       // DeskTop\PutFile
  PlacementRecord Setup;         // DeskTop\Setup
  PlacementRecord Property;      // DeskTop\Property
};

extern AppOptionsRecord AppOptions;
extern SideRecords OptionRecords;

// Fills a record with the defaults that loading takes for every value not stored.
// The filter defaults come from string resources 17000-17008.
void SetDefaultOptions(AppOptionsRecord& options, SideRecords& records);
void SetDefaultPlacement(PlacementRecord& placement);
void SetDefaultFont(FontRecord& font);

// Fills the options and side records from the settings store, each value with its default; on
// a first start also computes the first-run settings and saves them (options_store.cpp).
int LoadOptions(AppOptionsRecord& options, SideRecords& records);
// Writes every value of the records to the settings store and says "Options saved" in the
// status bar. A value that cannot be written is skipped: the save always runs to its end.
int SaveOptions(const AppOptionsRecord& options, const SideRecords& records);
